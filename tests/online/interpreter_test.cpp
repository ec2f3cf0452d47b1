#include "online/interpreter.h"
#include "online/entitaeten.h"

#include <gtest/gtest.h>

#include "core/datum.h"
#include "core/datumtext.h"
#include "core/uhr.h"
#include "core/zahltext.h"
#include "interpretertest.h"

namespace morvane {
namespace {

Boersentag Tag(int t, int m, int j) {
  return BoersentagAusDatum(t, m, j);
}

// Date, Kassakurs, close and identifier of every record, "; " between them.
std::string Kurz(const std::vector<TGelesenerKurs>& kurse) {
  std::string text;
  for (const auto& [kennung, k] : kurse) {
    if (!text.empty()) text += "; ";
    text += BoersentagZuText(k.Datum) + " " + KursZuText(k.Kassakurs) + " " +
            KursZuText(k.Schluss) + " [" + kennung + "]";
  }
  return text;
}

// A fixed "today": Wednesday, 7 March 2001.
class Interpreter : public ::testing::Test {
 protected:
  void SetUp() override {
    UhrErsetzen([] { return TUhrzeit{{7, 3, 2001}, 12, 0, 0}; });
  }
  void TearDown() override { UhrErsetzen({}); }
};

TEST_F(Interpreter, SemicolonLineWithThousandsCharacter) {
  const auto kurse = Interpretieren(
      R"(datum suche(";") eröffnung(trennzeichen ";") höchst(trennzeichen ";")
         tiefst(trennzeichen ";") schluss(trennzeichen ";") umsatz(tausenderpunkt "."))",
      "05.03.2001;12,50;13,00;12,00;12,75;1.234\r\n");
  ASSERT_EQ(kurse.size(), 1u);
  const TKurs& k = kurse[0].Kurs;
  EXPECT_EQ(k.Datum, Tag(5, 3, 2001));
  EXPECT_DOUBLE_EQ(k.Eroeffnung, 12.5);
  EXPECT_DOUBLE_EQ(k.Hoch, 13);
  EXPECT_DOUBLE_EQ(k.Tief, 12);
  EXPECT_DOUBLE_EQ(k.Schluss, 12.75);
  EXPECT_DOUBLE_EQ(k.Umsatz, 1234);
  EXPECT_DOUBLE_EQ(k.Kassakurs, 0);
}

TEST_F(Interpreter, PriceTexts) {
  // Trailing comma dropped, decimals cut after the fourth, factor and addend.
  auto kurse = Interpretieren("datum schluss kassa eröffnung(faktor 2, summand 1)",
                              "05.03.2001 12,5, 12,34567 3");
  ASSERT_EQ(kurse.size(), 1u);
  EXPECT_DOUBLE_EQ(kurse[0].Kurs.Schluss, 12.5);
  EXPECT_DOUBLE_EQ(kurse[0].Kurs.Kassakurs, 12.3456);
  EXPECT_DOUBLE_EQ(kurse[0].Kurs.Eroeffnung, 7);

  // Fraction notation reads two blank-separated fields; a broken fraction is 0.
  kurse = Interpretieren("datum schluss(bruchschreibweise) kassa(bruchschreibweise)",
                         "05.03.2001 12 3/8 12 3/0");
  ASSERT_EQ(kurse.size(), 1u);
  EXPECT_DOUBLE_EQ(kurse[0].Kurs.Schluss, 12.375);
  EXPECT_DOUBLE_EQ(kurse[0].Kurs.Kassakurs, 0);

  // Nothing positive, nothing emitted; a negative result of the addend is 0.
  EXPECT_TRUE(Interpretieren("datum schluss(summand -20)", "05.03.2001 12,5").empty());
  EXPECT_TRUE(Interpretieren("datum schluss", "05.03.2001 abc").empty());
}

TEST_F(Interpreter, TwoDigitYears) {
  auto kurse = Interpretieren(R"(datensatz datum(format "TT.MM.JJ") kassa ende)",
                              "05.03.01 1\n03.03.99 1\n");
  ASSERT_EQ(kurse.size(), 2u);
  EXPECT_EQ(kurse[0].Kurs.Datum, Tag(5, 3, 2001));
  EXPECT_EQ(kurse[1].Kurs.Datum, Tag(3, 3, 1999));
  kurse =
      Interpretieren(R"(datensatz datum(format "TT.MM.JJ", jahr 1800) kassa ende)", "03.03.99 1\n");
  ASSERT_EQ(kurse.size(), 1u);
  EXPECT_EQ(kurse[0].Kurs.Datum, Tag(3, 3, 1899));
  // Years 100 to 999 and impossible dates are not read.
  EXPECT_TRUE(Interpretieren("datum kassa", "05.03.999 1").empty());
  EXPECT_TRUE(Interpretieren("datum kassa", "30.02.2001 1").empty());
  // A Saturday is no trading day.
  EXPECT_TRUE(Interpretieren("datum kassa", "03.03.2001 1").empty());
}

TEST_F(Interpreter, MonthTexts) {
  const auto kurse = Interpretieren("datensatz datum kassa ende",
                                    "5 Mär 2001 1\n6 märz 2001 1\n7 3 2001 1\n8 MÄRZ 2001 1\n");
  ASSERT_EQ(kurse.size(), 4u);
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(kurse[i].Kurs.Datum, Tag(5 + i, 3, 2001)) << i;

  // Without a separator the column moves past the whole month name.
  auto k = Interpretieren(R"(datum(format "TTMMJJJJ") kassa)", "05März2001 2");
  ASSERT_EQ(k.size(), 1u);
  EXPECT_EQ(k[0].Kurs.Datum, Tag(5, 3, 2001));

  k = Interpretieren(
      R"(datum(format "TT-MM-JJJJ", monat "jan,feb,mrz,apr,mai,jun,jul,aug,sep,okt,nov,dez") kassa)",
      "05-MRZ-2001 2");
  ASSERT_EQ(k.size(), 1u);
  EXPECT_EQ(k[0].Kurs.Datum, Tag(5, 3, 2001));
  EXPECT_TRUE(
      Interpretieren(
          R"(datum(format "TT-MM-JJJJ", monat "jan,feb,mrz,apr,mai,jun,jul,aug,sep,okt,nov,dez") kassa)",
          "05-Mär-2001 2")
          .empty());
}

TEST_F(Interpreter, QuartersAndDayRules) {
  auto k = Interpretieren(R"(datum(format "QQ/JJJJ", setzemonat letzter, setzetag letzter) kassa)",
                          "2/2001 5");
  ASSERT_EQ(k.size(), 1u);
  EXPECT_EQ(k[0].Kurs.Datum, Tag(29, 6, 2001));  // 30 June 2001 is a Saturday
  k = Interpretieren(
      R"(datum(format "QQ JJJJ", quartal "eins,zwei,drei,vier", setzemonat erster, setzetag erster) kassa)",
      "Drei 2001 5");
  ASSERT_EQ(k.size(), 1u);
  EXPECT_EQ(k[0].Kurs.Datum, Tag(2, 7, 2001));  // 1 July 2001 is a Sunday
  // Month and year only: the day is the first weekday of the month.
  k = Interpretieren(R"(datum(format "MM.JJJJ") kassa)", "09.2001 5");
  ASSERT_EQ(k.size(), 1u);
  EXPECT_EQ(k[0].Kurs.Datum, Tag(3, 9, 2001));
  // Without a year the current one is taken.
  k = Interpretieren(R"(datum(format "TT.MM.") kassa)", "06.03. 5");
  ASSERT_EQ(k.size(), 1u);
  EXPECT_EQ(k[0].Kurs.Datum, Tag(6, 3, 2001));
  // A date that cannot be read is not completed by the rules.
  EXPECT_TRUE(
      Interpretieren(R"(datum(format "QQ/JJJJ", setzemonat erster) kassa)", "7/2001 5").empty());
}

TEST_F(Interpreter, TodayAndRecordLoopThatReadsNothing) {
  // The loop would repeat forever on the same spot: its record comes once.
  const auto k = Interpretieren("schluss datensatz datum(heute) ende", "12,5\nx\ny\n");
  ASSERT_EQ(k.size(), 1u);
  EXPECT_EQ(k[0].Kurs.Datum, Tag(7, 3, 2001));
  EXPECT_DOUBLE_EQ(k[0].Kurs.Schluss, 12.5);
}

TEST_F(Interpreter, JumpingBackForeverEnds) {
  std::string seite;
  for (int i = 1; i <= 20; ++i)
    seite += "05.03.2001 " + std::to_string(i) + "\n";
  const auto k = Interpretieren("datensatz position(zeile 1) datum kassa ende", seite);
  ASSERT_FALSE(k.empty());
  EXPECT_LE(k.size(), 100u * 21 + 1000);
  EXPECT_DOUBLE_EQ(k.back().Kurs.Kassakurs, 1);
}

TEST_F(Interpreter, LoopEnds) {
  std::string seite;
  for (int i = 1; i <= 10; ++i)
    seite += "05.03.2001 " + std::to_string(i) + "\n";
  EXPECT_EQ(Interpretieren("datensatz datum kassa ende", seite).size(), 10u);

  // A blank line ends a loop whose records end on the line before it.
  const char* bloecke = "05.03.2001 1\n06.03.2001 2\n\n07.03.2001 3\n";
  auto k = Interpretieren("datensatz datum kassa position(zeile +1) ende(leerzeile)", bloecke);
  ASSERT_EQ(k.size(), 2u);
  EXPECT_EQ(k[1].Kurs.Datum, Tag(6, 3, 2001));
  // The record-end text ends the loop, the script goes on after it.
  k = Interpretieren(R"(datensatz datum kassa ende("Summe") schluss)",
                     "05.03.2001 1\n06.03.2001 2\n  Summe 3\n");
  ASSERT_EQ(k.size(), 2u);
  // Without a loop one record at most, also when a search runs off the page.
  k = Interpretieren(R"(datum kassa suche("fehlt"))", "05.03.2001 1\n06.03.2001 2\n");
  ASSERT_EQ(k.size(), 1u);
  EXPECT_EQ(k[0].Kurs.Datum, Tag(5, 3, 2001));
}

TEST_F(Interpreter, PositionAndSearch) {
  const char* seite = "zeile 1 05.03.2001\nKurs: 1 Kurs: 2 Kurs: 3\n";
  auto k = Interpretieren(R"(position(zeile 1, spalte 9) datum suche("Kurs: ", 2) kassa)", seite);
  ASSERT_EQ(k.size(), 1u);
  EXPECT_DOUBLE_EQ(k[0].Kurs.Kassakurs, 2);
  // Backwards: the page is read again from its start.
  k = Interpretieren(
      "position(zeile 2) position(zeile 1, spalte 9) datum position(zeile +1, spalte 7) kassa",
      seite);
  ASSERT_EQ(k.size(), 1u);
  EXPECT_DOUBLE_EQ(k[0].Kurs.Kassakurs, 1);
  // Columns are not limited to 16 bits: single-line pages are common.
  k = Interpretieren("position(zeile 1, spalte 70001) datum kassa",
                     std::string(70000, ' ') + "05.03.2001 9");
  ASSERT_EQ(k.size(), 1u);
  EXPECT_DOUBLE_EQ(k[0].Kurs.Kassakurs, 9);
  // Columns count characters, also on a Windows-1252 page.
  for (const char* zeile : {"Kürs 05.03.2001 4", "K\xFCrs 05.03.2001 4"}) {
    k = Interpretieren("position(zeile 1, spalte 6) datum position(spalte +1) kassa(länge 1)",
                       zeile);
    ASSERT_EQ(k.size(), 1u) << zeile;
    EXPECT_DOUBLE_EQ(k[0].Kurs.Kassakurs, 4);
  }
}

TEST_F(Interpreter, IdentifierAndEntities) {
  EXPECT_EQ(EntitaetenDekodieren("&amp;lt;"), "&lt;");
  EXPECT_EQ(EntitaetenDekodieren("&amp;amp; &Auml;&szlig;&nbsp;&copy;&LT;"), "& Äß &copy;&LT;");
  auto k = Interpretieren(R"(id(trennzeichen "|") datum kassa)",
                          "M&uuml;ller &amp; Co|05.03.2001 1", true);
  ASSERT_EQ(k.size(), 1u);
  EXPECT_EQ(k[0].Kennung, "Müller & Co");
  k = Interpretieren(R"(id(trennzeichen "|") datum kassa)", "A&amp;B|05.03.2001 1");
  EXPECT_EQ(k[0].Kennung, "A&amp;B");
}

TEST_F(Interpreter, HistoryAnswerOnOneLine) {
  const std::string listen =
      "<DATE_LIST>2001-03-05;2001-03-06</DATE_LIST><OPEN_PRICE_LIST>1;2</OPEN_PRICE_LIST>"
      "<CLOSE_PRICE_LIST>3;4</CLOSE_PRICE_LIST><HIGH_PRICE_LIST>5;6</HIGH_PRICE_LIST>"
      "<LOW_PRICE_LIST>0.5;x;7</LOW_PRICE_LIST>";
  auto k = Interpretieren("onvistahistorie", listen + "<VOLUME_LIST>100</VOLUME_LIST>");
  ASSERT_EQ(k.size(), 2u);
  EXPECT_EQ(k[1].Kurs.Datum, Tag(6, 3, 2001));
  EXPECT_DOUBLE_EQ(k[1].Kurs.Eroeffnung, 2);
  EXPECT_DOUBLE_EQ(k[1].Kurs.Schluss, 4);
  EXPECT_DOUBLE_EQ(k[1].Kurs.Hoch, 6);
  EXPECT_DOUBLE_EQ(k[0].Kurs.Tief, 0.5);
  EXPECT_DOUBLE_EQ(k[1].Kurs.Tief, 0);
  EXPECT_DOUBLE_EQ(k[0].Kurs.Umsatz, 100);
  // The page ends before the last list: nothing is emitted.
  EXPECT_TRUE(Interpretieren("onvistahistorie", listen).empty());

  // Empty entries, a ";" at the end, surplus numbers, a list that stops at once.
  k = Interpretieren(
      "onvistahistorie",
      "<DATE_LIST>2001-03-05;;2001-03-06;</DATE_LIST>"
      "<OPEN_PRICE_LIST>1;2;3;</OPEN_PRICE_LIST>\r\n"
      "<CLOSE_PRICE_LIST>4;x;5</CLOSE_PRICE_LIST><HIGH_PRICE_LIST>;6</HIGH_PRICE_LIST>"
      "<LOW_PRICE_LIST>7</LOW_PRICE_LIST><VOLUME_LIST>8;9;</VOLUME_LIST>");
  ASSERT_EQ(k.size(), 2u);
  EXPECT_EQ(Kurz(k), "05.03.2001 0,00 4,00 []; 06.03.2001 0,00 0,00 []");
  EXPECT_DOUBLE_EQ(k[0].Kurs.Tief, 7);
  EXPECT_DOUBLE_EQ(k[1].Kurs.Umsatz, 9);
}

TEST_F(Interpreter, CharactersBeyondAsciiAndLineEnds) {
  struct TFall {
    const char* Script;
    std::string Seite;
    bool Html;
    const char* Erwartet;
  };
  const TFall faelle[] = {
      // Umlauts before and after the records of one long line.
      {R"(suche("ä") datensatz datum kassa ende)", "Kürs ä 05.03.2001 1 06.03.2001 2 ü", false,
       "05.03.2001 1,00 0,00 []; 06.03.2001 2,00 0,00 []"},
      {R"(suche("ä") datensatz datum(format "TT.MM.JJJJ") kassa ende)",
       "Kürs ä 05.03.2001 1 06.03.2001 2 ü", false,
       "05.03.2001 1,00 0,00 []; 06.03.2001 2,00 0,00 []"},
      // Inside fields: a multibyte separator, a length in characters.
      {R"(datum kassa(trennzeichen "ä") schluss(trennzeichen "ä"))", "05.03.2001 1,5ä2ä", false,
       "05.03.2001 1,50 2,00 []"},
      {"id(länge 3) datum kassa", "äöü05.03.2001 7", false, "05.03.2001 7,00 0,00 [äöü]"},
      {R"(suche("€") datum(format "TTMMJJJJ") kassa)", "€ 05März2001 2", false,
       "05.03.2001 2,00 0,00 []"},
      // The date separators count as blanks also inside the four year characters.
      {"datum kassa", "05.03.01, 7", false, "05.03.2001 7,00 0,00 []"},
      // Entities nested, at the end of a field, unknown.
      {R"(id(trennzeichen "|") datum kassa)", "&amp;amp;quot;ä|05.03.2001 1", true,
       "05.03.2001 1,00 0,00 [\"ä]"},
      {R"(id(trennzeichen "|") datum kassa)", "A&amp;|05.03.2001 1", true,
       "05.03.2001 1,00 0,00 [A&]"},
      {R"(id(trennzeichen "|") datum kassa)", "&euro;&amp|05.03.2001 1", true,
       "05.03.2001 1,00 0,00 [&euro;&amp]"},
      // CR LF and LF CR end one line, CR CR two.
      {"position(zeile 5) datum kassa", "a\r\nb\n\rc\r\r05.03.2001 1", false,
       "05.03.2001 1,00 0,00 []"},
      {"datensatz datum kassa position(zeile +1) ende(leerzeile) schluss",
       "05.03.2001 1\r\n06.03.2001 2\r\n\r\n07.03.2001 3\r\n", false,
       "05.03.2001 1,00 0,00 []; 06.03.2001 2,00 0,00 []"},
  };
  for (const auto& f : faelle)
    EXPECT_EQ(Kurz(Interpretieren(f.Script, f.Seite, f.Html)), f.Erwartet) << f.Script;
}

TEST_F(Interpreter, RereadingALongLineEnds) {
  // Each pass reads the long first line again and moves two columns on: it
  // would take ages, so the bytes read are bounded by a multiple of the page.
  std::string seite(20000, '1');
  for (int i = 0; i < 20000; ++i)
    seite += "\ny";
  const auto k = Interpretieren(
      "datensatz datum(heute) position(zeile 1, spalte +2) kassa(länge 1) "
      "position(zeile 2, spalte -1) ende",
      seite);
  // The line count alone would allow a million passes.
  EXPECT_GT(k.size(), 10u);
  EXPECT_LT(k.size(), 10000u);
}

TEST_F(Interpreter, WithoutReceiverNothingHappens) {
  TScriptParser parser("datensatz datum kassa ende");
  TInterpreter interpreter(parser, "05.03.2001 1\n", false, nullptr);
  EXPECT_NO_THROW(interpreter.Ausfuehren());
}

}  // namespace
}  // namespace morvane
