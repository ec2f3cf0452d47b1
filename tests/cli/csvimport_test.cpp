#include "store/csvimport.h"

#include <gtest/gtest.h>

#include "core/datum.h"
#include "testhilfe/beispieldaten.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

TEST(CsvImport, ReadsHeaderInAnyOrderSeparatorsAndDateForms) {
  const TCsvImport a = CsvKurseLesen("Close,Datum,Volume\n1.5,2024-01-31,100\n");
  ASSERT_EQ(a.Uebernommen, 1);
  const TKurs* k = a.Kurse.Kurs(0);
  EXPECT_EQ(k->Datum, BoersentagAusDatum(31, 1, 2024));
  EXPECT_EQ(k->Schluss, 1.5);
  EXPECT_EQ(k->Umsatz, 100);
  EXPECT_EQ(k->Eroeffnung, 0);

  const TCsvImport b = CsvKurseLesen(
      "\xEF\xBB\xBF"
      "Datum;Eröffnung;Hoch;Tief;Schluss;Kassa;Umsatz\r\n"
      "31.01.2024;10,5;11;10;10,75;10,6;\r\n");
  ASSERT_EQ(b.Uebernommen, 1);
  EXPECT_EQ(b.Kurse.Kurs(0)->Eroeffnung, 10.5);
  EXPECT_EQ(b.Kurse.Kurs(0)->Kassakurs, 10.6);
  EXPECT_EQ(b.Kurse.Kurs(0)->Umsatz, 0);

  const TCsvImport c = CsvKurseLesen("date\tclose\n2024-02-01\t7\n");
  ASSERT_EQ(c.Uebernommen, 1);
  EXPECT_EQ(c.Kurse.Kurs(0)->Schluss, 7);
}

TEST(CsvImport, KeepsFullPrecisionAndReadsHeaderlessDefaultOrder) {
  const TCsvImport r = CsvKurseLesen("2013-05-13,64.501427,65.414284,64.5,64.96286,79237200\n");
  ASSERT_EQ(r.Uebernommen, 1);
  EXPECT_EQ(r.Kurse.Kurs(0)->Eroeffnung, 64.501427);
  EXPECT_EQ(r.Kurse.Kurs(0)->Schluss, 64.96286);
  EXPECT_EQ(r.Kurse.Kurs(0)->Umsatz, 79237200);
}

TEST(CsvImport, RejectsBadLinesWithReasons) {
  const TCsvImport r = CsvKurseLesen(
      "Date,Open,High,Low,Close\n"
      "2024-01-31,1,2,1,1.5\n"
      "2024-02-03,1,2,1,1.5\n"  // Saturday
      "31.13.2024,1,2,1,1.5\n"
      "2024-02-01,abc,2,1,1.5\n"
      "2024-02-02,,,,\n"
      "2024-02-05,1,2,3,1.5\n"
      "2024-02-06,-1,2,1,1.5\n");
  EXPECT_EQ(r.Uebernommen, 1);
  ASSERT_EQ(r.Abgelehnt.size(), 6u);
  EXPECT_EQ(r.Abgelehnt[0], std::make_pair(3, std::string("ungültiges Datum \"2024-02-03\"")));
  EXPECT_EQ(r.Abgelehnt[1].first, 4);
  EXPECT_EQ(r.Abgelehnt[2],
            std::make_pair(5, std::string("ungültige Zahl \"abc\" in Spalte Eröffnung")));
  EXPECT_EQ(r.Abgelehnt[3], std::make_pair(6, std::string("keine Kurse")));
  EXPECT_EQ(r.Abgelehnt[4], std::make_pair(7, std::string("Hoch/Tief passen nicht zu den Kursen")));
  EXPECT_EQ(r.Abgelehnt[5].first, 8);
  EXPECT_EQ(CsvImportBericht(r),
            "1 Kurse übernommen, 6 Zeilen abgelehnt.\n"
            "Zeile 3: ungültiges Datum \"2024-02-03\"\n"
            "Zeile 4: ungültiges Datum \"31.13.2024\"\n"
            "Zeile 5: ungültige Zahl \"abc\" in Spalte Eröffnung\n"
            "Zeile 6: keine Kurse\n"
            "Zeile 7: Hoch/Tief passen nicht zu den Kursen\n...");
}

TEST(CsvImport, ReadsEveryShippedExampleFile) {
  for (const char* datei : {"AAPL_2013-2018_observable.csv", "SP500_2000-2020_vega.csv",
                            "MSFT_2000-2001_Rmetrics.csv"}) {
    SCOPED_TRACE(datei);
    const std::string text = test::DateiInhalt(test::BeispielPfad(datei));
    const TCsvImport r = CsvKurseLesen(text);
    EXPECT_TRUE(r.Abgelehnt.empty());
    EXPECT_GT(r.Uebernommen, 200);
  }
}

TEST(CsvImport, ADayGivenTwiceIsOnePriceAndTheLaterLinesAreReported) {
  const TCsvImport r =
      CsvKurseLesen("Date,Close\n2024-01-31,1\n2024-02-01,2\n2024-01-31,3\n31.01.2024,4\n");
  EXPECT_EQ(r.Uebernommen, 2);
  EXPECT_EQ(r.Kurse.Anzahl(), 2);
  EXPECT_EQ(r.Kurse.Kurs(0)->Schluss, 1);
  ASSERT_EQ(r.Abgelehnt.size(), 2u);
  EXPECT_EQ(r.Abgelehnt[0], std::make_pair(4, std::string("Datum 31.01.2024 doppelt (schon in "
                                                          "Zeile 2)")));
  EXPECT_EQ(r.Abgelehnt[1].first, 5);
}

TEST(CsvImport, QuotesARejectedFieldShortAndWithControlBytesEscaped) {
  const std::string x60(60, 'x');
  std::string euro60;
  for (int i = 0; i < 60; ++i)
    euro60 += "€";
  std::string esc59;
  for (int i = 0; i < 59; ++i)
    esc59 += "\\x1B";
  const struct {
    std::string Feld;
    std::string Zitat;
  } faelle[] = {
      {"abc", "\"abc\""},
      {x60, "\"" + x60 + "\""},
      {x60 + "y", "\"" + x60 + "…\""},
      {std::string(10 << 20, 'x'), "\"" + x60 + "…\""},
      {euro60 + "€", "\"" + euro60 + "…\""},  // characters, not bytes
      {"a\x01"
       "b\x7F",
       "\"a\\x01b\\x7F\""},
      {"\xE4\xFF", "\"\\xE4\\xFF\""},    // Windows-1252, no UTF-8
      {"\xC2\x85", "\"\\xC2\\x85\""},    // a C1 control character
      {"ä\xE2\x82", "\"ä\\xE2\\x82\""},  // a character cut short
      // An escape counts as one character.
      {"1" + std::string(69, '\x1B') + "1", "\"1" + esc59 + "…\""},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Zitat);
    const TCsvImport r = CsvKurseLesen("Date,Open\n2024-01-31," + f.Feld + "\n");
    ASSERT_EQ(r.Abgelehnt.size(), 1u);
    EXPECT_EQ(r.Abgelehnt[0].second, "ungültige Zahl " + f.Zitat + " in Spalte Eröffnung");
    const TCsvImport d = CsvKurseLesen("Date,Open\n" + f.Feld + ",1\n");
    ASSERT_EQ(d.Abgelehnt.size(), 1u);
    EXPECT_EQ(d.Abgelehnt[0].second, "ungültiges Datum " + f.Zitat);
  }
}

}  // namespace
}  // namespace morvane
