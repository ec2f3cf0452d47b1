#include "zeitsteuerung/dateien.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"
#include "zeitsteuerung/sperre.h"

namespace morvane::test {
namespace {

TEST(ZeitsteuerungDateien, HerunterfahrBefehlAusDerKonfiguration) {
  const struct {
    const char* inhalt;  // nullptr: no file
    const char* erwartet;
  } faelle[] = {
      {nullptr, "systemctl poweroff"},
      {"# nichts\n", "systemctl poweroff"},
      {"Herunterfahren=touch /tmp/aus\n", "touch /tmp/aus"},
      {"Herunterfahren=a\r\nHerunterfahren=shutdown -h +1 \"Kurse sind da\"\r\n",
       "shutdown -h +1 \"Kurse sind da\""},
      {"Herunterfahren=\n", ""},
  };
  for (const auto& f : faelle) {
    TTempVerzeichnis dir;
    if (f.inhalt) dir.Schreibe("zeitsteuerung.cfg", f.inhalt);
    EXPECT_EQ(HerunterfahrBefehl(dir.Pfad()), f.erwartet) << (f.inhalt ? f.inhalt : "(keine)");
  }
  TTempVerzeichnis dir;
  ::mkdir(dir.Datei("zeitsteuerung.cfg").c_str(), 0700);
  EXPECT_THROW(HerunterfahrBefehl(dir.Pfad()), EZeitsteuerung);
}

TEST(ZeitsteuerungDateien, StandUeberlebtDenNeustartUndBeschaedigtGiltAlsFehlend) {
  TTempVerzeichnis dir;
  EXPECT_EQ(StandLesen(dir.Pfad()), std::nullopt);
  StandSchreiben(dir.Pfad(), 1774287000);
  EXPECT_EQ(StandLesen(dir.Pfad()), 1774287000);
  EXPECT_EQ(dir.Lies("zeitsteuerung.stand"), "Geprueft=1774287000\n");
  for (const char* kaputt : {"", "Geprueft=\n", "Geprueft=12x\n", "Gepr"}) {
    dir.Schreibe("zeitsteuerung.stand", kaputt);
    EXPECT_EQ(StandLesen(dir.Pfad()), std::nullopt) << kaputt;
  }
  const std::string verzeichnis = dir.Datei("fehlt/");
  EXPECT_THROW(StandSchreiben(verzeichnis, 1), EZeitsteuerung);
}

}  // namespace
}  // namespace morvane::test
