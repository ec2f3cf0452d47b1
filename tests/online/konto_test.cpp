#include "online/konto.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "core/datei.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

TEST(Konto, OhneDateiDieVorgaben) {
  test::TTempVerzeichnis programm;
  TKonto konto = KontoLaden(programm.Pfad());
  EXPECT_EQ(konto, TKonto{});
  EXPECT_EQ(konto.Agent, kStandardAgent);
  EXPECT_EQ(konto.UpdateAdresse, kStandardUpdateAdresse);
}

TEST(Konto, SpeichernUndLadenMitSonderzeichenUndNurFuerDenBenutzer) {
  test::TTempVerzeichnis programm;
  TKonto konto{"12345", "Jörg = Müller", "a\\b\r\nc=d\\n", "Agent/1.0", "https://127.0.0.1/i"};
  KontoSpeichern(programm.Pfad(), konto);
  EXPECT_EQ(KontoLaden(programm.Pfad()), konto);
  struct stat info {};
  ASSERT_EQ(::stat(programm.Datei("konto.cfg").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(Konto, FremdeZeilenUndLeereVorgabewerte) {
  TKonto konto = KontoAusText("# Kommentar\r\nOnvistaName=x\r\nUnbekannt=1\nAgent=\nohne Gleich\n");
  EXPECT_EQ(konto.OnvistaName, "x");
  EXPECT_EQ(konto.Agent, kStandardAgent);
  EXPECT_EQ(konto.OnvistaPasswort, "");
}

TEST(Konto, UnlesbareDateiIstEinFehler) {
  test::TTempVerzeichnis programm;
  ::mkdir(programm.Datei("konto.cfg").c_str(), 0700);
  EXPECT_THROW(KontoLaden(programm.Pfad()), EKonto);
  EXPECT_THROW(KontoSpeichern(programm.Pfad(), TKonto{}), EKonto);
}

}  // namespace
}  // namespace morvane
