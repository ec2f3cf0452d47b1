#include "online/jsonhistorie.h"

#include <gtest/gtest.h>

#include <string>

#include "core/datumtext.h"
#include "core/zahltext.h"
#include "interpretertest.h"
#include "online/jsonleser.h"
#include "testhilfe/ausnahme.h"

namespace morvane {
namespace {

// Date, open, high, low, close, volume and identifier of every record.
std::string Text(const std::vector<TGelesenerKurs>& kurse) {
  std::string text;
  for (const auto& [kennung, k] : kurse) {
    if (!text.empty()) text += "; ";
    text += BoersentagZuText(k.Datum) + " " + KursZuText(k.Eroeffnung) + " " + KursZuText(k.Hoch) +
            " " + KursZuText(k.Tief) + " " + KursZuText(k.Schluss) + " " + KursZuText(k.Umsatz);
    if (!kennung.empty()) text += " [" + kennung + "]";
  }
  return text;
}

constexpr const char* kAlle =
    R"(jsonhistorie(datum "t", eröffnung "o", höchst "h", tiefst "l", schluss "c", umsatz "v"))";

TEST(JsonHistorieParser, NamedParametersInAnyOrder) {
  TScriptParser p(
      R"(JsonHistorie(UMSATZ "v", Schluß "c" , datum "t", schlusskurs close, datum "x",
                      Höchstkurs h))");
  ASSERT_EQ(p.Befehle().size(), 1u);
  EXPECT_EQ(p.Befehle()[0].Typ, TBefehlsTyp::JsonHistorie);
  const auto& namen = std::get<TJsonHistorieParameter>(p.Befehle()[0].Parameter).Namen;
  EXPECT_EQ(namen[jhDatum], "x");  // the last of a name counts
  EXPECT_EQ(namen[jhSchluss], "close");
  EXPECT_EQ(namen[jhUmsatz], "v");
  EXPECT_EQ(namen[jhHoch], "h");
  EXPECT_EQ(namen[jhEroeffnung], "");
}

TEST(JsonHistorieParser, Errors) {
  const struct {
    const char* script;
    const char* fehler;
  } faelle[] = {
      {"jsonhistorie", "Dieser Befehl benötigt mindestens einen Parameter. @1"},
      {R"(jsonhistorie(datum "t"))",
       "Die JsonHistorie-Anweisung benötigt die Parameter 'datum' und 'schluss'. @1"},
      {R"(jsonhistorie(schluss "c"))",
       "Die JsonHistorie-Anweisung benötigt die Parameter 'datum' und 'schluss'. @1"},
      {R"(jsonhistorie(datum "t", kassa "k", schluss "c"))",
       "Unbekannter Parameter: \"kassa\". @25"},
      {R"(jsonhistorie(datum "", schluss "c"))", "Feldname fehlt. @20"},
      {R"(jsonhistorie(datum, schluss "c"))", "Feldname fehlt. @19"},
      {R"(jsonhistorie(datum "t" schluss "c"))", "')' erwartet, aber 'schluss' gefunden. @24"},
  };
  for (const auto& f : faelle) {
    EXPECT_EQ(test::MeldungMitPosition<EScriptParseError>([&] { TScriptParser p(f.script); }),
              f.fehler)
        << f.script;
  }
}

TEST(JsonHistorie, ReadsParallelArrays) {
  const struct {
    const char* fall;
    std::string script;
    std::string seite;
    std::string erwartet;
  } faelle[] = {
      {"Unix seconds, all fields, the day in UTC", kAlle,
       R"({"s":"ok","t":[1704153600,1704240000],"o":[10,11],"h":[12,13.5],"l":[9,10.25],)"
       R"("c":[11,12.75],"v":[1000,2000.5]})",
       "02.01.2024 10,00 12,00 9,00 11,00 1000,00; 03.01.2024 11,00 13,50 10,25 12,75 2000,50"},
      {"text dates, with and without a time", R"(jsonhistorie(datum "d", schluss "c"))",
       R"({"d":["2024-01-02","2024-01-03T18:39:14+02:00","2024-01-04x"],"c":[1,2,3]})",
       "02.01.2024 0,00 0,00 0,00 1,00 0,00; 03.01.2024 0,00 0,00 0,00 2,00 0,00"},
      {"null date or close: no record; null value: 0", kAlle,
       R"({"t":[1704153600,null,1704326400,1704412800],"c":[1,2,null,4],)"
       R"("o":[null,1,1,1],"h":[1,1,1,"x"],"l":[1,1,1,1],"v":[1,1,1,1]})",
       "02.01.2024 0,00 1,00 1,00 1,00 1,00; 05.01.2024 1,00 0,00 1,00 4,00 1,00"},
      {"unequal lengths: the common prefix", kAlle,
       R"({"t":[1704153600,1704240000,1704326400],"c":[1,2],"o":[5,6,7]})",
       "02.01.2024 5,00 0,00 0,00 1,00 0,00; 03.01.2024 6,00 0,00 0,00 2,00 0,00"},
      {"weekend, impossible and out-of-range dates give no record",
       R"(jsonhistorie(datum "t", schluss "c"))",
       R"({"t":[1704499200,"2024-02-30",-1e300,"2024-01-05",1e15],"c":[1,2,3,4,5]})",
       "05.01.2024 0,00 0,00 0,00 4,00 0,00"},
      {"nested arrays found at any depth, the first of a name; adjclose is not close",
       R"(jsonhistorie(datum "timestamp", schluss "close", umsatz "volume"))",
       R"({"chart":{"result":[{"meta":{"validRanges":["1d"]},"timestamp":[1704153600],)"
       R"("indicators":{"quote":[{"volume":[7],"close":[188.55]}],)"
       R"("adjclose":[{"adjclose":[180.3]}]},"close":[1]}]}})",
       "02.01.2024 0,00 0,00 0,00 188,55 7,00"},
      {"single values count as arrays of one, numbers may come as text",
       R"(jsonhistorie(datum "timestampLastPrice", schluss "lastPrice", umsatz "turnoverInPieces"))",
       R"({"closingPricePrevTradingDay":187.62,"lastPrice":"188.02","mic":"XETR",)"
       R"("timestampLastPrice":"2026-10-07T18:39:14+02:00","turnoverInPieces":1671276})",
       "07.10.2026 0,00 0,00 0,00 188,02 1671276,00"},
      {"no close anywhere", R"(jsonhistorie(datum "t", schluss "c"))", R"({"t":[1704153600]})", ""},
      {"escaped names, exponents, whitespace over lines",
       R"(jsonhistorie(datum "t", schluss "cä"))",
       "{ \"t\" :\r\n [ 1704153600 ] ,\n \"c\\u00e4\" : [ 1.5e2 ] }",
       "02.01.2024 0,00 0,00 0,00 150,00 0,00"},
  };
  for (const auto& f : faelle) {
    EXPECT_EQ(Text(Interpretieren(f.script, f.seite)), f.erwartet) << f.fall;
  }
}

TEST(JsonHistorie, UnreadablePagesGiveNothing) {
  for (const std::string& seite : std::vector<std::string>{
           "<html><body>Bitte bestätigen Sie</body></html>",
           R"({"t":[1704153600],"c":[1])",    // ends early
           R"({"t":[1704153600],"c":[1],})",  // trailing comma
           R"({"t":[1704153600] "c":[1]})",   // no comma
           R"({"t":[01704153600],"c":[1]})",  // leading zero
           R"({"t":[1704153600],"c":[1], "x":"a)"
           "\x01"
           R"("})",  // control character
           "{\"a\":" + std::string(300, '[') + std::string(300, ']') +
               R"(,"t":[1704153600],"c":[1]})",
       }) {
    EXPECT_EQ(Text(Interpretieren(R"(jsonhistorie(datum "t", schluss "c"))", seite)), "")
        << seite.substr(0, 60);
  }
}

TEST(JsonHistorie, StartsAtTheCursorAndMovesPastTheObject) {
  // The identifier read before goes with every record; the cursor stands after
  // the object, so a second command reads the next one.
  const std::string seite =
      "SAP {\"t\":[1704153600],\n\"c\":[1]} {\"t\":[1704240000],\"c\":[2]}\n"
      "{\"t\":[1704326400],\"c\":[3]}";
  EXPECT_EQ(Text(Interpretieren(R"(id jsonhistorie(datum "t", schluss "c")
                                   jsonhistorie(datum "t", schluss "c"))",
                                seite)),
            "02.01.2024 0,00 0,00 0,00 1,00 0,00 [SAP]; 03.01.2024 0,00 0,00 0,00 2,00 0,00 [SAP]");
  // Inside a loop, each object in turn; the end of the page ends the run.
  EXPECT_EQ(Interpretieren(R"(datensatz jsonhistorie(datum "t", schluss "c") ende)", seite).size(),
            3u);
  // Searching past the first object reads the second.
  EXPECT_EQ(Text(Interpretieren(R"(suche("[2]") jsonhistorie(datum "t", schluss "c"))", seite)),
            "04.01.2024 0,00 0,00 0,00 3,00 0,00");
}

TEST(JsonHistorie, ReadingTheSamePageAgainAndAgainEnds) {
  const std::string seite = R"({"t":[1704153600],"c":[1],"x":")" + std::string(20000, 'a') + "\"}";
  std::string script;
  for (int i = 0; i < 300; ++i)
    script += R"(position(zeile 1) jsonhistorie(datum "t", schluss "c") )";
  const auto kurse = Interpretieren(script, seite);
  EXPECT_GT(kurse.size(), 100u);
  EXPECT_LT(kurse.size(), 300u);
}

TEST(JsonLeser, ManyEntriesStayLinear) {
  std::string seite = R"({"t":[)";
  for (int i = 0; i < 50'000; ++i)
    seite += "1704153600,";
  seite += R"(1704153600],"c":[1]})";
  const auto felder = JsonFelderLesen(seite, 0, {"t", "c", "t"});
  ASSERT_TRUE(felder);
  EXPECT_EQ(felder->Listen[0].size(), 50'001u);
  EXPECT_EQ(felder->Listen[2].size(), 50'001u);  // a name asked for twice
  EXPECT_EQ(felder->Ende, seite.size());
  EXPECT_FALSE(JsonFelderLesen(seite, seite.size() + 1, {"t"}));
}

}  // namespace
}  // namespace morvane
