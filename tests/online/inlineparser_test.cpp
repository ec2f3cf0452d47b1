#include "online/inlineparser.h"

#include <gtest/gtest.h>

#include "testhilfe/ausnahme.h"

namespace morvane {
namespace {

std::string Fehler(const std::string& vorlage) {
  return test::MeldungMitPosition<EInlineError>([&] {
    TInlineParser parser(vorlage, {5, 3, 2001});
  });
}

TWPStammdaten Aktie(std::uint8_t boerse) {
  TWPStammdaten wp;
  wp.WKN = "555750";
  wp.ISIN = "DE0005557508";
  wp.Boerse = boerse;
  return wp;
}

TEST(InlineParser, LiteralsAndDatePlaceholders) {
  TInlineParser p("http://kurse.example/a<<b?\r\nt=<tag>&m=<MONAT>&j=<jahr>", {5, 3, 2001});
  EXPECT_FALSE(p.ProWertpapier());
  EXPECT_FALSE(p.BrauchtSession());
  EXPECT_EQ(p.Expandieren(), "http://kurse.example/a<b?t=5&m=3&j=2001");
  EXPECT_EQ(TInlineParser("/daten/kurse.csv", {5, 3, 2001}).Expandieren(), "/daten/kurse.csv");
  // A run date part of 0 that is needed empties the whole address.
  EXPECT_EQ(TInlineParser("x<tag>", {0, 3, 2001}).Expandieren(), "");
  EXPECT_EQ(TInlineParser("x<jahr>", {5, 3, 2001}).Expandieren(), "x2001");
}

TEST(InlineParser, YearModifiers) {
  EXPECT_EQ(TInlineParser("<jahr kurz -1>", {1, 1, 2000}).Expandieren(), "99");
  EXPECT_EQ(TInlineParser("<jahr kurz>", {1, 1, 2005}).Expandieren(), "05");
  EXPECT_EQ(TInlineParser("<jahr -1>", {1, 1, 2005}).Expandieren(), "2004");
  EXPECT_EQ(TInlineParser("<Jahr  KURZ -3 >", {1, 1, 2005}).Expandieren(), "02");
  EXPECT_EQ(Fehler("<jahr 1>"), "In der Jahr-Anweisung darf nur eine negative Zahl stehen! @7");
  EXPECT_EQ(Fehler("<jahr 0>"), "In der Jahr-Anweisung darf nur eine negative Zahl stehen! @7");
  EXPECT_EQ(Fehler("<jahr lang>"), "In der Jahr-Anweisung darf nur eine negative Zahl stehen! @7");
  EXPECT_EQ(Fehler("<jahr kurz"), "Fehlendes '>' nach einer Anweisung. @11");
}

TEST(InlineParser, SecurityPlaceholders) {
  TInlineParser p("q?wkn=<wkn>&isin=<isin>&b=<börse>&id=<id>", {5, 3, 2001});
  EXPECT_TRUE(p.ProWertpapier());
  EXPECT_EQ(p.Expandieren(Aktie(3), "BAY"), "q?wkn=555750&isin=DE0005557508&b=FRA&id=BAY");
  EXPECT_EQ(p.Expandieren(Aktie(8), ""), "q?wkn=555750&isin=DE0005557508&b=GER&id=");
  EXPECT_EQ(p.Expandieren(Aktie(9), "x"), "q?wkn=555750&isin=DE0005557508&b=&id=x");
  EXPECT_EQ(p.Expandieren(Aktie(0), "x"), "q?wkn=555750&isin=DE0005557508&b=&id=x");

  TInlineParser s("h?s=<sessionid>&d=<tag>", {5, 3, 2001});
  EXPECT_TRUE(s.BrauchtSession());
  EXPECT_TRUE(s.ProWertpapier());
  s.SessionIDSetzen("XYZ");
  EXPECT_EQ(s.Expandieren(), "h?s=XYZ&d=5");
}

TEST(InlineParser, Errors) {
  EXPECT_EQ(Fehler("http://x/<"), "Unerlaubtes Zeilenende nach '<'. @11");
  EXPECT_EQ(Fehler("a< \r\n"), "Unerlaubtes Zeilenende nach '<'. @6");
  EXPECT_EQ(Fehler("ä<kurs>"), "Unbekannte Inline-Anweisung: 'kurs'. @3");
  EXPECT_EQ(Fehler("<wkn"), "Fehlendes '>' nach einer Anweisung. @5");
  EXPECT_EQ(Fehler("<wkn=1>"), "Fehlendes '>' nach einer Anweisung. @5");
  EXPECT_EQ(Fehler("<jahr \"a\nb\">"), "Unerwartetes Zeilenende im String. @7");
  EXPECT_EQ(Fehler(std::string(65536, 'a')),
            "Die Internetadresse ist zu lang: Sie darf höchstens 65535 Zeichen enthalten. @65535");
}

}  // namespace
}  // namespace morvane
