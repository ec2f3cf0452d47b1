#include "online/scriptparser.h"

#include <gtest/gtest.h>

#include <string>

#include "testhilfe/ausnahme.h"

namespace morvane {
namespace {

// Message and position of the parse error of `script`.
std::string Fehler(const std::string& script) {
  return test::MeldungMitPosition<EScriptParseError>([&] { TScriptParser parser(script); });
}

const TBefehl& Erster(const TScriptParser& p) {
  return p.Befehle().front();
}

TEST(ScriptParser, StringsDoubleTheirQuotesAndKeepComments) {
  TScriptParser p(R"(suche("a""b") suche("x//y", 3) /* Block */ Suche // Zeile
                     ("z"))");
  ASSERT_EQ(p.Befehle().size(), 3u);
  EXPECT_EQ(std::get<TSucheParameter>(p.Befehle()[0].Parameter).Text, "a\"b");
  const auto& zweite = std::get<TSucheParameter>(p.Befehle()[1].Parameter);
  EXPECT_EQ(zweite.Text, "x//y");
  EXPECT_EQ(zweite.Anzahl, 3);
  EXPECT_EQ(std::get<TSucheParameter>(p.Befehle()[2].Parameter).Text, "z");
}

TEST(ScriptParser, LeerzeileOnlyUnquoted) {
  for (const char* script : {"datensatz id Ende(leerzeile)", "DATENSATZ id ENDE(LeerZeile)"}) {
    TScriptParser p(script);
    EXPECT_EQ(std::get<TSchleifenParameter>(p.Befehle()[0].Parameter).Endetext, "\r\n") << script;
    EXPECT_EQ(std::get<TSchleifenParameter>(p.Befehle()[2].Parameter).DatensatzIndex, 0);
  }
  TScriptParser p(R"(datensatz id ende("leerzeile"))");
  EXPECT_EQ(std::get<TSchleifenParameter>(Erster(p).Parameter).Endetext, "leerzeile");
  EXPECT_TRUE(p.HatDatensatz());
  EXPECT_EQ(Fehler("datensatz id ende(a, b)"), "Unbekannter Parameter: \"b\". @22");
}

TEST(ScriptParser, PositionNumbers) {
  TScriptParser p("position(zeile +2, spalte 5) position(s -3) position(z 7)");
  const auto& a = std::get<TPositionParameter>(p.Befehle()[0].Parameter);
  EXPECT_EQ(a.Zeile, 2);
  EXPECT_TRUE(a.ZeileRelativ);
  EXPECT_EQ(a.Spalte, 5);
  EXPECT_FALSE(a.SpalteRelativ);
  const auto& b = std::get<TPositionParameter>(p.Befehle()[1].Parameter);
  EXPECT_EQ(b.Spalte, -3);
  EXPECT_TRUE(b.SpalteRelativ);
  EXPECT_EQ(b.Zeile, 0);
  EXPECT_FALSE(std::get<TPositionParameter>(p.Befehle()[2].Parameter).ZeileRelativ);

  EXPECT_EQ(Fehler("position(zeile 0)"), "Ungültige Zahl: \"0\". @16");
  EXPECT_EQ(Fehler("position(zeile x)"), "Ungültige Zahl: \"x\". @16");
  EXPECT_EQ(Fehler("position"), "Dieser Befehl benötigt mindestens einen Parameter. @1");
  EXPECT_EQ(Fehler("suche"), "Dieser Befehl benötigt mindestens einen Parameter. @1");
  EXPECT_EQ(Fehler("position(zeile 1 spalte 2)"), "')' erwartet, aber 'spalte' gefunden. @18");
  EXPECT_EQ(Fehler("position(reihe 1)"), "Unbekannter Parameter: \"reihe\". @10");
}

TEST(ScriptParser, DateFormats) {
  // The error points at column 14, just after `format "`.
  struct Fall {
    const char* format;
    bool gueltig;
    const char* grund;
  };
  const Fall faelle[] = {
      {"TT.MM.JJJJ", true, "day, month, four-digit year"},
      {"TTMMJJ", true, "no separators"},
      {"QQ/JJJJ", true, "quarter and year"},
      {"tt.mm.jj", true, "lower case"},
      {"JJJJ;", true, "trailing separator"},
      {"", true, "empty: no date part"},
      {"TT..MM", false, "two separators in a row"},
      {"TT.QQ", false, "quarter with a day"},
      {"QQ.MM", false, "quarter with a month"},
      {"TT.MM.TT", false, "day twice"},
      {"JJ.JJJJ", false, "year twice"},
      {"TT.M", false, "single M"},
      {"T", false, "single T"},
      {"XX", false, "unknown part"},
      {"JJJJJJ", false, "six Js"},
      {"TT.MM.JJJJ..", false, "two trailing separators"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.format) + ": " + f.grund);
    const std::string erwartet =
        f.gueltig ? "(keine Ausnahme)"
                  : "Datumsformat ungültig: \"" + std::string(f.format) + "\". @14";
    EXPECT_EQ(Fehler("datum(format \"" + std::string(f.format) + "\")"), erwartet);
  }
  TScriptParser p(
      R"(datum(format "tt.mm.jjjj", jahr 1800, setzetag letzter, setzemonat Erster, heute))");
  const auto& d = std::get<TDatumParameter>(Erster(p).Parameter);
  EXPECT_EQ(d.Format, "TT.MM.JJJJ");
  ASSERT_EQ(d.Gruppen.size(), 3u);
  EXPECT_EQ(d.Gruppen[2].Art, TDatumsgruppe::TArt::Jahr4);
  EXPECT_EQ(d.Gruppen[1].Trennzeichen, ".");
  EXPECT_EQ(d.Jahr, 1800);
  EXPECT_EQ(d.SetzeTag, TSetzeModus::Letzter);
  EXPECT_EQ(d.SetzeMonat, TSetzeModus::Erster);
  EXPECT_TRUE(d.Heute);
}

TEST(ScriptParser, MonthAndQuarterNames) {
  TScriptParser p(
      R"(datum(monat "Jan,Feb,MÄR,apr,mai,jun,jul,aug,sep,okt,nov,dez", quartal "I,II,III,IV"))");
  const auto& d = std::get<TDatumParameter>(Erster(p).Parameter);
  ASSERT_EQ(d.Monate.size(), 12u);
  EXPECT_EQ(d.Monate[2], "mär");
  EXPECT_EQ(d.Quartale[3], "iv");
  EXPECT_EQ(Fehler(R"(datum(monat "a,b,c,d,e,f,g,h,i,j,k"))"),
            "Monatsangaben ungültig: \"a,b,c,d,e,f,g,h,i,j,k\". @13");
  EXPECT_EQ(Fehler(R"(datum(monat "a,b,c,d,e,f,g,h,i,j,k,A"))"),
            "Monatsangaben ungültig: \"a,b,c,d,e,f,g,h,i,j,k,A\". @13");
  EXPECT_EQ(Fehler(R"(datum(monat "a,b,c,d,e,f,g,h,i,j,,k"))"),
            "Monatsangaben ungültig: \"a,b,c,d,e,f,g,h,i,j,,k\". @13");
  EXPECT_EQ(Fehler(R"(datum(quartal "1,2,3"))"), "Quartalssangaben ungültig: \"1,2,3\". @15");
  EXPECT_EQ(Fehler("datum(jahr 999)"), "Ungültige Zahl: \"999\". @12");
  EXPECT_EQ(Fehler("datum(jahr 5000)"), "Ungültige Zahl: \"5000\". @12");
  EXPECT_EQ(Fehler("datum(setzetag mitte)"),
            "Ungültige Tages- bzw. Monatsbestimmung: \"mitte\". Erwarte \"erster\" oder "
            "\"letzter\". @16");
}

TEST(ScriptParser, FieldParameters) {
  TScriptParser p(
      R"(schlußkurs(trennzeichen ";", länge 12, faktor "0,01", summand -1.5, tausenderpunkt ".", bruchschreibweise) ID(Trennzeichen "|"))");
  const auto& f = std::get<TFeldParameter>(p.Befehle()[0].Parameter);
  EXPECT_EQ(p.Befehle()[0].Typ, TBefehlsTyp::Schluss);
  EXPECT_EQ(f.Trennzeichen, ";");
  EXPECT_EQ(f.Laenge, 12);
  EXPECT_DOUBLE_EQ(f.Faktor, 0.01);
  EXPECT_DOUBLE_EQ(f.Summand, -1.5);
  EXPECT_EQ(f.Tausenderzeichen, ".");
  EXPECT_TRUE(f.Bruchschreibweise);
  EXPECT_EQ(std::get<TFeldParameter>(p.Befehle()[1].Parameter).Trennzeichen, "|");

  EXPECT_EQ(Fehler(R"(id(trennzeichen ";;"))"), "Trennzeichen erwartet. @17");
  EXPECT_EQ(Fehler("id(faktor 2)"), "Unbekannter Parameter: \"faktor\". @4");
  EXPECT_EQ(Fehler("kassa(länge 0)"), "Ungültige Zahl: \"0\". @13");
  EXPECT_EQ(Fehler("kassa(länge 256)"), "Ungültige Zahl: \"256\". @13");
  EXPECT_EQ(Fehler("umsatz(faktor 0)"), "Ungültige Zahl: \"0\". @15");
  EXPECT_EQ(Fehler(R"(suche(""))"), "Suchstring fehlt. @7");
  EXPECT_EQ(Fehler(R"(suche("a", 0))"), "Ungültige Zahl: \"0\". @12");
  EXPECT_EQ(Fehler("onvistahistorie(x)"), "Die OnvistaHistorie-Anweisung hat keine Parameter. @17");
  EXPECT_EQ(Fehler("datensatz(x) id ende"), "Die Datensatz-Anweisung hat keine Parameter. @11");
}

TEST(ScriptParser, StructureAndTokenErrors) {
  EXPECT_EQ(Fehler("/* nur */ // Kommentare"), "Es wurde kein Script angegeben. @24");
  EXPECT_EQ(Fehler(""), "Es wurde kein Script angegeben. @1");
  EXPECT_EQ(Fehler("datensatz id"),
            "Es fehlt die 'Ende'-Anweisung, um den Datensatz abzuschließen. @13");
  EXPECT_EQ(Fehler("id ende"),
            "Vor der 'Ende'-Anweisung muss die 'Datensatz'-Anweisung angegeben werden. @8");
  EXPECT_EQ(
      Fehler("datensatz ende"),
      "Die 'Ende'-Anweisung darf nicht unmittelbar auf die 'Datensatz'-Anweisung folgen. @15");
  EXPECT_EQ(Fehler("datensatz id datensatz"),
            "Der aktuelle Datensatz muss zuerst mit 'Ende' abgeschlossen werden, bevor ein neuer "
            "definiert wird. @23");
  EXPECT_EQ(Fehler("kurs"), "Unbekannter Script-Befehl: \"kurs\". @1");
  EXPECT_EQ(Fehler("suche(\"abc\n\")"), "Unerwartetes Zeilenende im String. @7");
  EXPECT_EQ(Fehler("suche(\"abc"), "Unerwartetes Zeilenende im String. @7");
}

TEST(ScriptParser, PositionsCountCharacters) {
  // "ä" is one character whether the script comes as UTF-8 or Windows-1252.
  EXPECT_EQ(Fehler("// ä\nkurs"), "Unbekannter Script-Befehl: \"kurs\". @6");
  EXPECT_EQ(Fehler("// \xE4\nkurs"), "Unbekannter Script-Befehl: \"kurs\". @6");
  TScriptParser p("Höchst Eröffnungskurs STÜCKUMSATZ Schluß");
  EXPECT_EQ(p.Befehle()[1].Typ, TBefehlsTyp::Eroeffnung);
  EXPECT_EQ(p.Befehle()[1].Start, 8);
  EXPECT_EQ(p.Befehle()[2].Typ, TBefehlsTyp::Umsatz);
  EXPECT_EQ(p.Befehle()[3].Typ, TBefehlsTyp::Schluss);

  const std::string lang = "id /*" + std::string(65530, 'x') + "*/";
  EXPECT_EQ(Fehler(lang),
            "Das Script ist zu lang: Es darf höchstens 65535 Zeichen enthalten. @65535");
}

TEST(ScriptParser, CursorWalksAndJumpsBack) {
  TScriptParser p("id datensatz schluss kassa ende umsatz");
  std::string folge;
  int spruenge = 0;
  while (const TBefehl* b = p.NaechsterBefehl()) {
    folge += std::to_string(static_cast<int>(b->Typ)) + " ";
    if (b->Typ == TBefehlsTyp::Ende && spruenge++ == 0) p.Zurueckspringen();
  }
  EXPECT_EQ(folge, "5 0 9 10 1 9 10 1 11 ");
  EXPECT_EQ(p.NaechsterBefehl(), nullptr);
  p.Zuruecksetzen();
  EXPECT_EQ(p.NaechsterBefehl()->Typ, TBefehlsTyp::Id);
}

}  // namespace
}  // namespace morvane
