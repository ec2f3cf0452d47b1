#include "zeitsteuerung/anwenden.h"

#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "online/zeitplaner.h"
#include "store/einstellungen.h"
#include "store/logbuch.h"
#include "zeitsteuerung/autostart.h"
#include "zeitsteuerung/prozess.h"
#include "zeitsteuerung/sperre.h"

namespace morvane {
namespace {

constexpr auto kTakt = std::chrono::milliseconds(20);

std::string MitSchraegstrich(std::string pfad) {
  if (pfad.empty() || pfad.back() != '/') pfad += '/';
  return pfad;
}

// Logging must not hide the failure being logged.
void Protokollieren(TLogbuch& logbuch, const std::string& zeile) {
  try {
    logbuch.Schreiben(zeile);
  } catch (const ELogbuch&) {
  }
}

// The lock's holder, once it has written its id (it does so right after
// taking the lock).
std::optional<pid_t> Halter(const std::string& programmverzeichnis) {
  std::optional<pid_t> pid = LaufendeZeitsteuerung(programmverzeichnis);
  for (int versuch = 0; pid && *pid == 0 && versuch < 50; ++versuch) {
    std::this_thread::sleep_for(kTakt);
    pid = LaufendeZeitsteuerung(programmverzeichnis);
  }
  return pid;
}

bool Freigegeben(const TZeitsteuerungOrt& ort) {
  const auto ende = std::chrono::steady_clock::now() + ort.Wartezeit;
  while (LaufendeZeitsteuerung(ort.Programmverzeichnis)) {
    if (std::chrono::steady_clock::now() >= ende) return false;
    std::this_thread::sleep_for(kTakt);
  }
  return true;
}

void Starten(const TZeitsteuerungOrt& ort, TLogbuch& logbuch) {
  if (::access(ort.Programm.c_str(), X_OK) != 0) {
    Protokollieren(logbuch, "Die Zeitsteuerung '" + ort.Programm +
                                "' fehlt oder ist nicht ausführbar; sie wurde nicht gestartet.");
    return;
  }
  ZeitsteuerungStarten(ort.Programm, ort.Programmverzeichnis);
}

// The message of a failed apply step, logged.
std::string Fehlschlag(bool einrichten, const std::string& grund, TLogbuch& logbuch) {
  const std::string meldung =
      (einrichten ? "Fehler beim Einrichten der Zeitsteuerung in die Autostart-Liste. ("
                  : "Fehler beim Entfernen der Zeitsteuerung aus der Autostart-Liste. (") +
      grund + ")";
  Protokollieren(logbuch, meldung);
  return meldung;
}

}  // namespace

TZeitsteuerungOrt ZeitsteuerungOrt(const std::string& programmverzeichnis) {
  TZeitsteuerungOrt ort;
  ort.Programmverzeichnis = MitSchraegstrich(programmverzeichnis);
  std::error_code fehler;
  const auto selbst = std::filesystem::read_symlink("/proc/self/exe", fehler);
  const std::string daneben =
      fehler ? std::string() : (selbst.parent_path() / kZeitsteuerungsprogramm).string();
  const std::string imVerzeichnis = ort.Programmverzeichnis + std::string(kZeitsteuerungsprogramm);
  ort.Programm = !daneben.empty() && (std::filesystem::exists(daneben, fehler) ||
                                      !std::filesystem::exists(imVerzeichnis, fehler))
                     ? daneben
                     : imVerzeichnis;
  ort.Autostart = AutostartVerzeichnis();
  return ort;
}

void ZeitsteuerungBeenden(const TZeitsteuerungOrt& ort) {
  const std::optional<pid_t> pid = Halter(ort.Programmverzeichnis);
  if (!pid) return;
  if (*pid == 0) throw EZeitsteuerung("Die Sperre der Zeitsteuerung nennt keinen Prozess.");
  if (!IstZeitsteuerung(*pid, ort.Programm)) {
    throw EZeitsteuerung("Die Sperre der Zeitsteuerung hält Prozess " + std::to_string(*pid) +
                         ", der nicht die Zeitsteuerung ist.");
  }
  ::kill(*pid, SIGTERM);
  if (!Freigegeben(ort)) {
    throw EZeitsteuerung("Die laufende Zeitsteuerung (Prozess " + std::to_string(*pid) +
                         ") hat sich nicht beendet.");
  }
}

std::optional<std::string> ZeitsteuerungAnwenden(const TZeitsteuerungOrt& ort,
                                                 const TZeitplaner& zeitplaner, TLogbuch& logbuch) {
  // The entry follows the schedule even when the running scheduler cannot be
  // closed; a new one is started only when nothing failed (it would find the
  // lock taken).
  std::optional<std::string> grund;
  try {
    ZeitsteuerungBeenden(ort);
  } catch (const EZeitsteuerung& e) {
    grund = e.Meldung();
  }
  try {
    if (zeitplaner.Aktiv) {
      AutostartSchreiben(ort.Autostart, ort.Programm, ort.Programmverzeichnis);
      if (!grund) Starten(ort, logbuch);
    } else {
      AutostartEntfernen(ort.Autostart);
    }
  } catch (const EZeitsteuerung& e) {
    grund = grund ? *grund + " " + e.Meldung() : e.Meldung();
  }
  if (!grund) return std::nullopt;
  return Fehlschlag(zeitplaner.Aktiv, *grund, logbuch);
}

std::optional<std::string> ZeitsteuerungAnwenden(const std::string& programmverzeichnis,
                                                 const TZeitplaner& zeitplaner, TLogbuch& logbuch) {
  try {
    return ZeitsteuerungAnwenden(ZeitsteuerungOrt(programmverzeichnis), zeitplaner, logbuch);
  } catch (const EZeitsteuerung& e) {
    return Fehlschlag(zeitplaner.Aktiv, e.Meldung(), logbuch);
  }
}

std::optional<std::string> ZeitsteuerungBeimStart(TEinstellungen& einstellungen,
                                                  TLogbuch& logbuch) {
  ZeitplanerEinstecken(einstellungen);
  const TZeitplaner& plan = Zeitplaner(einstellungen);
  if (!plan.Aktiv || LaufendeZeitsteuerung(einstellungen.Programmverzeichnis()))
    return std::nullopt;
  return ZeitsteuerungAnwenden(einstellungen.Programmverzeichnis(), plan, logbuch);
}

}  // namespace morvane
