#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>

#include "app/cli/befehle.h"
#include "core/datei.h"
#include "core/transaktionsbearbeitung.h"
#include "store/csvimport.h"

namespace morvane {
namespace {

#ifndef MORVANE_BEISPIELDATEN_QUELLE
#define MORVANE_BEISPIELDATEN_QUELLE "beispieldaten"
#endif

inline constexpr std::string_view kBeispielkatalog = "Beispiele";

struct TBeispiel {
  std::string_view Name;
  std::vector<std::string_view> Dateien;
  std::string_view ISIN;
  std::string_view WKN;
  std::string_view Waehrung;
  std::uint8_t WPTyp;
  // Splits as (date, from, to) before the transactions, which use the new units.
  std::vector<std::tuple<std::string_view, std::string_view, std::string_view>> Splits;
  std::vector<TTransaktionsEingabe> Transaktionen;
};

std::vector<TBeispiel> Beispiele() {
  return {
      {"Apple",
       {"AAPL_2013-2018_observable.csv"},
       "US0378331005",
       "865985",
       "USD",
       0,
       {},
       {{TEingabeArt::Kauf, "03.06.2013", "100", "64,39", "6451,50"},
        {TEingabeArt::Sonstige, "13.02.2014", "", "", "43,57"},
        {TEingabeArt::Verkauf, "02.03.2015", "50", "129,09", "6442,00"}}},
      {"Microsoft",
       {"MSFT_2000-2001_Rmetrics.csv", "MSFT_2003_matplotlib.csv"},
       "US5949181045",
       "870747",
       "USD",
       0,
       {{"18.02.2003", "1", "2"}},
       {{TEingabeArt::Kauf, "01.07.2003", "200", "26,15", "5240,00"}}},
      {"Google", {"GOOG_2004-2008_matplotlib.csv"}, "US38259P5089", "A0B7FY", "USD", 0, {}, {}},
      {"Facebook", {"FB_2012-2014_techan.csv"}, "US30303M1027", "A1JWVX", "USD", 0, {}, {}},
      {"S&P 500", {"SP500_2000-2020_vega.csv"}, "US78378X1072", "A0AET0", "Punkte", 1, {}, {}},
  };
}

std::string Quellverzeichnis(const TCliAufruf& a) {
  if (auto quelle = a.Option("--quelle")) return *quelle;
  if (const char* wert = std::getenv("MORVANE_BEISPIELDATEN"); wert && *wert) return wert;
  return MORVANE_BEISPIELDATEN_QUELLE;
}

TKurse KurseLesen(const std::string& pfad) {
  const TCsvImport ergebnis = CsvKurseLesen(EingabedateiLesen(pfad, kCsvGrenze));
  if (!ergebnis.Abgelehnt.empty() || ergebnis.Uebernommen == 0) {
    throw Exception("Die Beispieldatei '" + pfad +
                    "' ist fehlerhaft: " + CsvImportBericht(ergebnis));
  }
  return ergebnis.Kurse;
}

TWertpapier BeispielBauen(const TBeispiel& b, const std::string& quelle) {
  TWertpapier wp;
  wp.Bezeichnung = b.Name;
  wp.ISIN = b.ISIN;
  wp.WKN = b.WKN;
  wp.Waehrung = b.Waehrung;
  wp.WPTyp = b.WPTyp;
  for (std::string_view datei : b.Dateien) {
    wp.Kurse.Mische(KurseLesen(quelle + "/" + std::string(datei)));
  }
  for (const auto& [datum, von, nach] : b.Splits) {
    const TSplitEingabe split = SplitLesen(von, nach, datum);
    wp.SplitEinfuegen(split.Datum, split.Von, split.Nach);
  }
  TTransaktionsbearbeitung bearbeitung(wp.Transaktionen);
  for (const TTransaktionsEingabe& t : b.Transaktionen)
    bearbeitung.Hinzufuegen(t);
  wp.Transaktionen = bearbeitung.Transaktionen();
  return wp;
}

// Creates the target directory with its parents.
void VerzeichnisAnlegen(const std::string& ziel) {
  std::error_code fehler;
  std::filesystem::create_directories(ziel, fehler);
  if (fehler) {
    throw Exception("Konnte Verzeichnis '" + ziel +
                    "' nicht anlegen: " + Fehlertext(fehler.value()));
  }
}

bool Vorhanden(const std::string& pfad) {
  struct stat info {};
  return ::lstat(pfad.c_str(), &info) == 0;
}

void Beispieldaten(const TKontext& k, const TCliAufruf& a) {
  const std::string ziel = std::filesystem::absolute(a.Arg(0)).lexically_normal().string();
  const TWPVerwaltung verwaltung(ziel);
  const std::string quelle = Quellverzeichnis(a);
  std::vector<std::pair<std::string, TWertpapier>> fertig;
  for (const TBeispiel& b : Beispiele()) {
    const std::string id = verwaltung.Datenverzeichnis() + std::string(kBeispielkatalog) + "/" +
                           NameFiltern(b.Name) + ".mv3";
    if (Vorhanden(id)) {
      throw Exception("Die Datei '" + id + "' existiert bereits und wird nicht überschrieben.");
    }
    fertig.emplace_back(id, BeispielBauen(b, quelle));
  }
  VerzeichnisAnlegen(ziel);
  for (const auto& [id, wp] : fertig) {
    verwaltung.WertpapierSpeichern(id, wp);
    k.Aus << id << '\n';
  }
}

}  // namespace

std::vector<TCliBefehl> Beispieldatenbefehle() {
  return {{"beispieldaten",
           {"beispieldaten ZIELVERZEICHNIS [--quelle CSV-VERZEICHNIS]", 1, 1, {"--quelle"}, {}},
           Beispieldaten}};
}

}  // namespace morvane
