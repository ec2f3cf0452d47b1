#include <gtest/gtest.h>

#include "core/binaer.h"
#include "core/datei.h"
#include "core/textkodierung.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"

#include <filesystem>
#include <fstream>
#include <limits>

namespace morvane {
namespace {

TEST(Textkodierung, Win1252HinUndZurueck) {
  const std::string utf8 = "Börse € Müller – „Zitat“ ß";
  const std::string bytes = Utf8ZuWin1252(utf8);
  EXPECT_EQ(bytes, "B\xF6rse \x80 M\xFCller \x96 \x84Zitat\x93 \xDF");
  EXPECT_EQ(Win1252ZuUtf8(bytes), utf8);
  EXPECT_EQ(Utf8ZuWin1252("日本"), "??");
  EXPECT_EQ(Utf8ZuWin1252("a\xC3"), "a?");  // cut sequence
  EXPECT_EQ(Cp850ZuUtf8("\x81\x84\x94\xE1"), "üäöß");
}

TEST(Textkodierung, ExternUndLaengen) {
  EXPECT_EQ(ExternZuUtf8("M\xFCller"), "Müller");
  EXPECT_EQ(ExternZuUtf8("Müller"), "Müller");
  EXPECT_FALSE(IstGueltigesUtf8("\xED\xA0\x80"));  // surrogate
  EXPECT_FALSE(IstGueltigesUtf8("\xC0\x80"));      // overlong
  EXPECT_EQ(Utf8Laenge("Mär"), 3u);
  EXPECT_EQ(Utf8Offset("Mär", 2), 3u);
  EXPECT_EQ(Utf8Offset("Mär", 5), 4u);
  EXPECT_EQ(Utf8Kuerzen("aä", 2), "a");
}

TEST(Binaer, HinUndZurueckUndGrenzen) {
  TBinaerSchreiber s;
  s.Byte(7);
  s.Int32(-5);
  s.Double(1.25);
  s.Text("Müller");
  s.Int32(2);
  TBinaerLeser l(s.Daten());
  EXPECT_EQ(l.Byte(), 7);
  EXPECT_EQ(l.Int32(), -5);
  EXPECT_EQ(l.Double(), 1.25);
  EXPECT_EQ(l.Text(), "Müller");
  EXPECT_THROW_MSG(l.Anzahl(1), ELesefehler,
                   "Lesefehler: ungültige Anzahl 2");  // two elements cannot follow
  EXPECT_TRUE(l.AmEnde());
  EXPECT_THROW_MSG(l.Byte(), ELesefehler, "Lesefehler: unerwartetes Dateiende");

  TBinaerSchreiber lang;
  lang.Text(std::string(70000, 'x'));
  TBinaerLeser l2(lang.Daten());
  EXPECT_EQ(l2.Text().size(), 65535u);

  const std::string negativ("\xFF\xFF\xFF\xFF", 4);
  TBinaerLeser l3(negativ);
  EXPECT_THROW_MSG(l3.Anzahl(0), ELesefehler, "Lesefehler: ungültige Anzahl -1");
}

TEST(Datei, AtomarSchreibenUndLesen) {
  const test::TTempVerzeichnis temp;
  const std::filesystem::path verzeichnis = temp.Pfad();
  const std::string pfad = (verzeichnis / "a.bin").string();
  DateiAtomarSchreiben(pfad, std::string("eins\0zwei", 9));
  EXPECT_EQ(DateiLesen(pfad), std::string("eins\0zwei", 9));
  DateiAtomarSchreiben(pfad, "neu", 0600);
  EXPECT_EQ(DateiLesen(pfad), "neu");
  EXPECT_EQ(std::filesystem::status(pfad).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  EXPECT_THROW_MSG(DateiLesen((verzeichnis / "fehlt").string()), EDatei,
                   "Datei oder Verzeichnis nicht gefunden");
  EXPECT_THROW_MSG(DateiAtomarSchreiben((verzeichnis / "x" / "y").string(), "z"), EDatei,
                   "Datei oder Verzeichnis nicht gefunden");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(verzeichnis),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace
}  // namespace morvane
