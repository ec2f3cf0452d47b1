#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/datei.h"
#include "core/wertpapier.h"
#include "online/konto.h"
#include "online/quellendatei.h"
#include "online/zeitplaner.h"
#include "store/einstellungen.h"
#include "store/wpverwaltung.h"
#include "testhilfe/serverprozess.h"
#include "testhilfe/tempverzeichnis.h"
#include "testumgebung.h"
#include "zeitsteuerung/anwenden.h"
#include "zeitsteuerung/prozess.h"
#include "zeitsteuerung/sperre.h"

namespace morvane::test {

inline const std::string kProgramm = MORVANE_ZEITSTEUERUNG_PROGRAMM;

// Reads "DD.MM.YYYY;open;high;low;close;volume" lines.
inline constexpr const char* kSkript =
    "datensatz\n"
    "  datum(format \"TT.MM.JJJJ\") position(spalte +1)\n"
    "  eröffnung(trennzeichen \";\")\n"
    "  höchst(trennzeichen \";\")\n"
    "  tiefst(trennzeichen \";\")\n"
    "  schluss(trennzeichen \";\")\n"
    "  umsatz(tausenderpunkt \".\")\n"
    "ende\n";

// A program directory (also the data directory) and an autostart directory
// of their own. Every scheduler started for the program directory is killed
// at the end, so none outlives the test.
class ZeitsteuerungProzess : public testing::Test {
 protected:
  ZeitsteuerungProzess() : xdg_("XDG_CONFIG_HOME", konfig_.Pfad().c_str()) {}
  ~ZeitsteuerungProzess() override {
    for (pid_t pid : Laufende())
      ::kill(pid, SIGKILL);
    Bis([this] { return Laufende().empty(); });
  }

  TZeitsteuerungOrt Ort() const {
    TZeitsteuerungOrt ort;
    ort.Programm = kProgramm;
    ort.Programmverzeichnis = prog_.Pfad();
    ort.Autostart = konfig_.Pfad() + "autostart/";
    return ort;
  }
  std::string Eintrag() const { return konfig_.Pfad() + "autostart/morvane-zeitsteuerung.desktop"; }

  void PlanSpeichern(const TZeitplaner& plan) const {
    TEinstellungen e(prog_.Pfad());
    ZeitplanerEinstecken(e);
    Zeitplaner(e) = plan;
    e.Speichern();
  }

  // The processes running the scheduler for this program directory.
  std::vector<pid_t> Laufende() const {
    std::vector<pid_t> pids;
    for (const auto& eintrag : std::filesystem::directory_iterator("/proc")) {
      const std::string name = eintrag.path().filename().string();
      if (name.find_first_not_of("0123456789") != std::string::npos) continue;
      std::string zeile;
      try {
        zeile = DateiLesen(eintrag.path().string() + "/cmdline", 1 << 16);
      } catch (const EDatei&) {
        continue;
      }
      const std::string programm = std::filesystem::weakly_canonical(kProgramm).string();
      if (ProgrammVonProzess(std::stoi(name)) == programm &&
          zeile.find('\0' + prog_.Pfad() + '\0') != std::string::npos) {
        pids.push_back(std::stoi(name));
      }
    }
    return pids;
  }

  // Polls `bedingung` until it holds or `zeit` has passed.
  template <class F>
  static bool Bis(F bedingung, std::chrono::milliseconds zeit = std::chrono::seconds(20)) {
    const auto ende = std::chrono::steady_clock::now() + zeit;
    while (!bedingung()) {
      if (std::chrono::steady_clock::now() > ende) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
  }

  std::string Logbuch() const { return prog_.Lies("logbuch.txt"); }
  static std::size_t Anzahl(const std::string& text, const std::string& teil) {
    std::size_t n = 0;
    for (std::size_t p = text.find(teil); p != std::string::npos; p = text.find(teil, p + 1))
      ++n;
    return n;
  }

  // The price source "Internet: Testquelle" at `pfad` of the server, and
  // securities that take their daily prices from it.
  void QuelleAnlegen(const TServerProzess& server, const std::string& pfad) const {
    TQuelle q;
    q.Art = qaInternet;
    q.Name = "Testquelle";
    q.UrlVorlage = server.Url(pfad + "?<id>");
    q.Seitentyp = 1;
    q.Script = kSkript;
    QuellendateiSchreiben(prog_.Datei("Quellen35.mvq"), {q}, TQuellenKopf::Programm, 0);
    // With AutoUpdate the online update runs when a security got nothing: here.
    TKonto konto;
    konto.UpdateAdresse = "https://127.0.0.1:9/index.txt";
    KontoSpeichern(prog_.Pfad(), konto);
  }
  std::string WertpapierAnlegen(const std::string& katalog, const std::string& name) const {
    TWertpapier wp;
    wp.Bezeichnung = name;
    wp.KursquellenManuell = true;
    wp.QuelleAktuell[0] = "Internet: Testquelle";
    wp.IDAktuell[0] = name;
    const std::string id = prog_.Pfad() + katalog + "/" + name + ".mv3";
    TWPVerwaltung(prog_.Pfad()).WertpapierSpeichern(id, wp);
    return id;
  }
  // The time point of the current minute, recorded as not yet run: a
  // scheduler started now catches it up at once.
  TZeitpunkt VerpassterZeitpunkt(std::vector<std::string> kataloge, bool herunterfahren) const;

  TTempVerzeichnis prog_;
  TTempVerzeichnis konfig_;
  TUmgebungsvariable xdg_;
};

}  // namespace morvane::test
