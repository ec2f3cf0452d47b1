#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/wertpapier.h"
#include "online/internetverbindung.h"
#include "online/konto.h"
#include "online/kursaktu.h"
#include "online/kursaktulauf.h"
#include "online/quellendatei.h"
#include "store/einstellungen.h"
#include "store/logbuch.h"
#include "store/wpverwaltung.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane::test {

// Surroundings that serve pages from memory and record what the run did.
struct TTestUmgebung : TKursaktuUmgebung {
  std::map<std::string, std::string> Seiten;  // request -> page
  std::vector<std::string> Anfragen;
  std::vector<std::string> Fortschritte;  // "display name: i von n (Lauf k)"
  std::vector<std::string> Stati, Meldungen, Agenten;
  std::vector<bool> Sperrungen;
  int AbbruchBei = 0;                                  // the request answered with Abgebrochen
  std::function<void(const std::string&)> BeiAnfrage;  // runs before each answer

  void Status(const std::string& text) override { Stati.push_back(text); }
  void Fortschritt(const std::string& quelle, int anzahl, int nummer, int lauf) override {
    Fortschritte.push_back(quelle + ": " + std::to_string(nummer) + " von " +
                           std::to_string(anzahl) + " (Lauf " + std::to_string(lauf) + ")");
  }
  TSeitenabruf Abrufen(const std::string& anfrage, const std::string& agent,
                       const std::function<void(std::string_view)>& senke) override {
    Anfragen.push_back(anfrage);
    Agenten.push_back(agent);
    if (BeiAnfrage) BeiAnfrage(anfrage);
    if (static_cast<int>(Anfragen.size()) == AbbruchBei) return {TDownload::Abgebrochen, 0, ""};
    const auto seite = Seiten.find(anfrage);
    if (seite == Seiten.end()) return {TDownload::Fehlgeschlagen, 404, "text/html"};
    senke(seite->second);
    return {TDownload::Fertig, 200, "text/html"};
  }
  void Meldung(const std::string& text) override { Meldungen.push_back(text); }
  void Sperren(bool gesperrt) override { Sperrungen.push_back(gesperrt); }
};

// Dial-up that counts the dialling and the hanging up; dials successfully
// unless told otherwise.
class TTestVerbindung : public TInternetVerbindung {
 public:
  int Wahlen = 0;
  int Aufgelegt = 0;
  bool Erfolg = true;

  bool DFUeInstalliert() const override { return true; }

 protected:
  int Waehlen(const std::string&) override {
    ++Wahlen;
    return 0;
  }
  TWahlstand Wahlstand() override { return Erfolg ? TWahlstand::Verbunden : TWahlstand::Fehler; }
  bool Auflegen() override {
    ++Aufgelegt;
    return false;  // no pause after it
  }
};

inline TQuelle Quelle(std::uint8_t art, const std::string& name, const std::string& vorlage,
                      const std::string& script) {
  TQuelle q;
  q.Art = art;
  q.Name = name;
  q.UrlVorlage = vorlage;
  q.Seitentyp = 0;
  q.Script = script;
  return q;
}

// Lines "ID;TT.MM.JJJJ;close" and "TT.MM.JJJJ;close".
inline constexpr const char* kMitID =
    "datensatz\n id(trennzeichen \";\")\n datum(format \"TT.MM.JJJJ\") position(spalte +1)\n"
    " schluss(trennzeichen \";\")\nende\n";
inline constexpr const char* kOhneID =
    "datensatz\n datum(format \"TT.MM.JJJJ\") position(spalte +1)\n"
    " schluss(trennzeichen \";\")\nende\n";

// A program directory with its sources, a data directory with catalog
// "Depot", settings that dial (so that every connection counts), the log book
// and the run's context.
struct TAktuUmfeld {
  TTempVerzeichnis tmp;
  TEinstellungen einstellungen{tmp.Pfad()};
  TLogbuch logbuch{einstellungen};
  TWPVerwaltung verwaltung{tmp.Pfad() + "daten/"};
  TTestVerbindung verbindung;
  TKonto konto;
  TTestUmgebung umgebung;
  TKursaktuKontext kontext{verwaltung, einstellungen, logbuch, verbindung, konto, tmp.Pfad()};
  std::vector<TWPOhneKurse> ohneKurse;
  bool keineVerbindung = false;

  TAktuUmfeld() {
    std::filesystem::create_directories(tmp.Pfad() + "daten/Depot");
    einstellungen.DFUeVerbinden = true;
    einstellungen.DFUeEintrag = "Test";
    einstellungen.Wahlwiederholungen = 0;
  }

  void Quellen(const std::vector<TQuelle>& quellen) {
    QuellendateiSchreiben(tmp.Datei("Quellen35.mvq"), quellen, TQuellenKopf::Programm, 0);
    QuellendateiSchreiben(tmp.Datei("anwender.mvq"), {}, TQuellenKopf::Persoenlich, 0);
  }

  // A security with manual sources: pairs of display name and identifier.
  using TQuellen = std::vector<std::pair<std::string, std::string>>;
  std::string Wertpapier(const std::string& name, const TQuellen& aktuell,
                         const TQuellen& historisch = {}, const TKurse& kurse = {}) {
    TWertpapier wp;
    wp.Bezeichnung = name;
    wp.WKN = "WKN" + name;
    wp.KursquellenManuell = true;
    for (std::size_t i = 0; i < aktuell.size(); ++i)
      std::tie(wp.QuelleAktuell[i], wp.IDAktuell[i]) = aktuell[i];
    for (std::size_t i = 0; i < historisch.size(); ++i)
      std::tie(wp.QuelleHistorisch[i], wp.IDHistorisch[i]) = historisch[i];
    wp.Kurse.Zuweisen(kurse);
    const std::string id = tmp.Pfad() + "daten/Depot/" + name + ".mv3";
    verwaltung.WertpapierSpeichern(id, wp);
    return id;
  }

  // One run dated 5 January 2024.
  bool Lauf(const std::vector<std::string>& ids, bool tageskurse = true, bool historisch = false,
            const std::string& sessionAdresse = "") {
    TKursaktu lauf(kontext, umgebung, TDatum{5, 1, 2024});
    if (!sessionAdresse.empty()) lauf.SessionAdresse = sessionAdresse;
    const bool vollstaendig = lauf.Ausfuehren(ids, tageskurse, historisch);
    ohneKurse = lauf.OhneKurse();
    keineVerbindung = lauf.KeineVerbindung();
    return vollstaendig;
  }

  std::vector<std::string> OhneKurseNamen() const {
    std::vector<std::string> namen;
    for (const TWPOhneKurse& wp : ohneKurse)
      namen.push_back(wp.Bezeichnung);
    return namen;
  }
  // The close of each stored record.
  std::vector<double> Schlusskurse(const std::string& id) const {
    const TKurse gespeichert = verwaltung.KurseLaden(id);
    std::vector<double> kurse;
    for (const TKurs& k : gespeichert.Alle())
      kurse.push_back(k.Schluss);
    return kurse;
  }
  std::string Log() const { return tmp.Lies("logbuch.txt"); }
};

}  // namespace morvane::test
