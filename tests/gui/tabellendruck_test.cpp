#include "platform/tabellendruck.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "testhilfe/ausnahme.h"
#include "testhilfe/pdftext.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

const std::vector<TDruckSpalte> kSpalten = {{"Name", TDruckAusrichtung::Links},
                                            {"Betrag", TDruckAusrichtung::Rechts}};

std::vector<std::string> Zeilen(int n) {
  std::vector<std::string> zeilen;
  for (int i = 0; i < n; ++i)
    zeilen.push_back("Zeile" + std::to_string(i) + "\t" + std::to_string(i) + ",00 EUR");
  zeilen.emplace_back("-1");
  zeilen.emplace_back("Gesamt\t-5,00 EUR");
  zeilen.emplace_back("-2");
  return zeilen;
}

TEST(TabellenDruck, PdfHoldsEveryCellInOrderOnTheExpectedPages) {
  test::TTempVerzeichnis verzeichnis;
  const std::string datei = verzeichnis.Datei("liste.pdf");
  // A4 portrait at 600 dpi with 15 mm margins: 48 rows under the title on
  // the first page, 52 on each further one.
  struct Fall {
    int zeilen;
    bool quer;
    int seiten;
  };
  for (const Fall& f : {Fall{300, false, 6}, Fall{10, false, 1}, Fall{45, true, 2}}) {
    ListeDrucken("Depot-Übersicht am 1.2.2026", kSpalten, Zeilen(f.zeilen),
                 {true, "", datei, f.quer});
    const std::string text = test::PdfText(datei);
    EXPECT_EQ(test::PdfSeiten(text), f.seiten) << f.zeilen;
    std::size_t pos = text.find("Depot-Übersicht am 1.2.2026");
    ASSERT_NE(pos, std::string::npos);
    for (const char* wort : {"Name", "Betrag"}) {
      pos = text.find(wort, pos);
      ASSERT_NE(pos, std::string::npos) << wort;
    }
    for (const std::string& zeile : Zeilen(f.zeilen)) {
      if (zeile == "-1" || zeile == "-2") continue;
      const std::size_t tab = zeile.find('\t');
      pos = text.find(zeile.substr(0, tab) + " ", pos);
      ASSERT_NE(pos, std::string::npos) << zeile;
      pos = text.find(zeile.substr(tab + 1), pos);
      ASSERT_NE(pos, std::string::npos) << zeile;
    }
    EXPECT_EQ(text.find("-2"), std::string::npos);
  }
}

TEST(TabellenDruck, FailedPdfLeavesNoFileAndOldFileIntact) {
  test::TTempVerzeichnis verzeichnis;
  EXPECT_THROW(
      ListeDrucken("T", kSpalten, Zeilen(3), {true, "", verzeichnis.Datei("fehlt/a.pdf"), false}),
      EDruck);
  EXPECT_FALSE(std::filesystem::exists(verzeichnis.Datei("fehlt")));
  verzeichnis.Schreibe("ordner/x", "");
  EXPECT_THROW(
      ListeDrucken("T", kSpalten, Zeilen(3), {true, "", verzeichnis.Datei("ordner"), false}),
      EDruck);
  EXPECT_TRUE(std::filesystem::is_directory(verzeichnis.Datei("ordner")));
  EXPECT_THROW_MSG(ListeDrucken("T", kSpalten, Zeilen(3), {true, "", "", false}), EDruck,
                   "Es wurde kein Name für die PDF-Datei angegeben.");
}

TEST(TabellenDruck, UnknownPrinterIsRefused) {
  EXPECT_THROW_MSG(ListeDrucken("T", kSpalten, Zeilen(1), {false, "Gibt es nicht", "", false}),
                   EDruck, "Der Drucker \"Gibt es nicht\" ist nicht installiert.");
}

}  // namespace
}  // namespace morvane
