#include "portfolio/kursexport.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/datumtext.h"
#include "testhilfe/beispieldaten.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

TEST(KursExport, EntriesAreCheckedInTheDialogsOrder) {
  struct Fall {
    TExportEingabe eingabe;
    std::optional<TExportFeld> feld;
    std::string meldung;
  };
  const Fall faelle[] = {
      {{"  ", false, false, false, false, "x", "y"},
       TExportFeld::Trennzeichen,
       "Es wurde kein Spaltentrennzeichen angegeben!"},
      {{"", true, false, false, true, "", ""},
       TExportFeld::Trennzeichen,
       "Es wurde kein Spaltentrennzeichen angegeben!"},
      {{";", false, false, false, false, "x", "y"},
       TExportFeld::ISIN,
       "Es wurde kein Identifizierungsmerkmal des Wertpapiers angegeben!"},
      {{"Tabulator", false, true, false, false, "31.02.2026", "1.1.2026"},
       TExportFeld::Von,
       "Ungültiges Datum angegeben!"},
      {{"Tabulator", false, true, false, false, "1.1.2026", "x"},
       TExportFeld::Bis,
       "Ungültiges Datum angegeben!"},
      {{"Tabulator", false, true, false, false, "2.1.2026", "1.1.2026"},
       TExportFeld::Bis,
       "Enddatum darf nicht vor Anfangsdatum liegen!"},
      // Bad dates do not matter with only the last price.
      {{"Leerzeichen", false, false, true, true, "x", "y"}, std::nullopt, ""},
      {{"|", false, false, true, false, "1.1.2026", "1.1.2026"}, std::nullopt, ""},
  };
  for (const Fall& f : faelle) {
    TExportOptionen o;
    o.Trennzeichen = "unverändert";
    const auto fehler = ExportEingabePruefen(f.eingabe, o);
    ASSERT_EQ(fehler.has_value(), f.feld.has_value()) << f.eingabe.Trennzeichen;
    if (fehler) {
      EXPECT_EQ(fehler->Feld, *f.feld);
      EXPECT_EQ(fehler->Meldung, f.meldung);
      EXPECT_EQ(o.Trennzeichen, "unverändert");
    }
  }
  TExportOptionen o;
  ASSERT_FALSE(ExportEingabePruefen(
      {"Strichpunkt (;)", true, true, true, false, "2.1.2026", "5.1.2026"}, o));
  EXPECT_EQ(o.Trennzeichen, ";");
  EXPECT_EQ(o.Von, *TextZuKalendertag("2.1.2026"));
  EXPECT_EQ(o.Bis, *TextZuKalendertag("5.1.2026"));
}

// Splits a line at ';', honouring quotes as a spreadsheet does.
std::vector<std::string> Zellen(const std::string& zeile) {
  std::vector<std::string> zellen(1);
  bool inQuote = false;
  for (std::size_t i = 0; i < zeile.size(); ++i) {
    const char c = zeile[i];
    if (c == '"' && inQuote && i + 1 < zeile.size() && zeile[i + 1] == '"') {
      zellen.back() += '"';
      ++i;
    } else if (c == '"') {
      inQuote = !inQuote;
    } else if (c == ';' && !inQuote) {
      zellen.emplace_back();
    } else {
      zellen.back() += c;
    }
  }
  return zellen;
}

double Wert(const std::string& zelle) {
  std::string punkt = zelle;
  for (char& c : punkt)
    c = c == ',' ? '.' : c;
  return punkt.empty() ? 0 : std::stod(punkt);
}

TEST(KursExport, ReadBackGivesTheSamePrices) {
  test::TTempVerzeichnis verzeichnis;
  TWPVerwaltung verwaltung(verzeichnis.Pfad());
  TWertpapier wp = test::BeispielPapier("MSFT_2003_matplotlib.csv", "Micro \"Soft\"; Corp.");
  wp.ISIN = "US5949181045";
  const std::string id = verwaltung.NeueID("Aktien", "Micro");
  verwaltung.WertpapierSpeichern(id, wp);
  TExportOptionen o;
  ASSERT_FALSE(ExportEingabePruefen({";", true, false, true, false, "1.1.1900", "31.12.2100"}, o));
  const std::string datei = verzeichnis.Datei("export.csv");
  EXPECT_TRUE(KurseExportieren(verwaltung, {id, "Aktien/fehlt.mv3"}, o, datei).size() == 1);
  std::istringstream text(verzeichnis.Lies("export.csv"));
  std::string zeile;
  std::getline(text, zeile);
  EXPECT_EQ(zeile, "ISIN;Wertpapier;Datum;Eröffnung;Hoch;Tief;Schluss;Kassakurs;Umsatz");
  const auto kurse = wp.Kurse.Alle();
  std::size_t i = 0;
  for (; std::getline(text, zeile); ++i) {
    ASSERT_LT(i, kurse.size());
    const auto z = Zellen(zeile);
    ASSERT_EQ(z.size(), 9u) << zeile;
    EXPECT_EQ(z[0], "US5949181045");
    EXPECT_EQ(z[1], "Micro \"Soft\"; Corp.");
    EXPECT_EQ(TextZuBoersentag(z[2]), kurse[i].Datum) << z[2];
    const TKurs& k = kurse[i];
    EXPECT_EQ(
        (std::vector<double>{Wert(z[3]), Wert(z[4]), Wert(z[5]), Wert(z[6]), Wert(z[7]),
                             Wert(z[8])}),
        (std::vector<double>{k.Eroeffnung, k.Hoch, k.Tief, k.Schluss, k.Kassakurs, k.Umsatz}));
  }
  EXPECT_EQ(i, kurse.size());
}

TEST(KursExport, LastPriceOrRangeOnly) {
  TWertpapier wp = test::BeispielPapier("MSFT_2003_matplotlib.csv", "M");
  const auto kurse = wp.Kurse.Alle();
  TExportOptionen o;
  o.ISIN = false;
  const std::string letzter = KurseAlsText({&wp}, o);
  EXPECT_EQ(std::count(letzter.begin(), letzter.end(), '\n'), 2);
  EXPECT_NE(letzter.find(BoersentagZuText(kurse.back().Datum)), std::string::npos);
  o.NurLetzterKurs = false;
  const TDatum d = DatumAusBoersentag(kurse[2].Datum);
  o.Von = o.Bis = KalendertagAusDatum(d.Tag, d.Monat, d.Jahr);
  const std::string tag = KurseAlsText({&wp}, o);
  EXPECT_EQ(std::count(tag.begin(), tag.end(), '\n'), 2);
  EXPECT_NE(tag.find("M\t" + BoersentagZuText(kurse[2].Datum) + "\t"), std::string::npos);
}

TEST(KursExport, FailedWriteKeepsTheOldFile) {
  test::TTempVerzeichnis verzeichnis;
  TWPVerwaltung verwaltung(verzeichnis.Pfad());
  verzeichnis.Schreibe("ordner/alt", "alt");
  EXPECT_THROW(KurseExportieren(verwaltung, {}, TExportOptionen{}, verzeichnis.Datei("ordner")),
               EKursExport);
  EXPECT_THROW(KurseExportieren(verwaltung, {}, TExportOptionen{}, verzeichnis.Datei("nein/x.csv")),
               EKursExport);
  EXPECT_EQ(verzeichnis.Lies("ordner/alt"), "alt");
}

}  // namespace
}  // namespace morvane
