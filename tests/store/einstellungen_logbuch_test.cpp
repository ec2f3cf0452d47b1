#include <gtest/gtest.h>

#include <filesystem>

#include "core/uhr.h"
#include "store/einstellungen.h"
#include "store/logbuch.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

using test::TTempVerzeichnis;

class Logbuch : public ::testing::Test {
 protected:
  void SetUp() override {
    UhrErsetzen([] { return TUhrzeit{{5, 1, 1998}, 9, 3, 7}; });
  }
  void TearDown() override { UhrErsetzen({}); }
  TTempVerzeichnis dir;
};

TEST_F(Logbuch, NeueDateiBeginntMitTitelzeileBestehendeWirdErgaenzt) {
  TEinstellungen e(dir.Pfad());
  {
    TLogbuch log(e);
    EXPECT_EQ(log.Dateiname(), dir.Pfad() + "logbuch.txt");
    log.Schreiben("Programm gestartet");
    log.Schreiben("Zwei\nZeilen");
    EXPECT_EQ(dir.Lies("logbuch.txt"),
              "Morvane 3.5 Logdatei\n"
              "05.01.1998 09:03:07 Programm gestartet\n"
              "05.01.1998 09:03:07 Zwei Zeilen\n");
  }
  TLogbuch spaeter(e);
  spaeter.Schreiben("weiter");
  spaeter.Schliessen();
  spaeter.Schreiben("nach dem Schließen");
  EXPECT_EQ(dir.Lies("logbuch.txt"),
            "Morvane 3.5 Logdatei\n"
            "05.01.1998 09:03:07 Programm gestartet\n"
            "05.01.1998 09:03:07 Zwei Zeilen\n"
            "05.01.1998 09:03:07 weiter\n"
            "05.01.1998 09:03:07 nach dem Schließen\n");
}

TEST_F(Logbuch, AusgeschaltetEntstehtKeineDatei) {
  TEinstellungen e(dir.Pfad());
  e.Protokollieren = false;
  TLogbuch log(e);
  log.Schreiben("nichts");
  EXPECT_FALSE(log.Offen());
  EXPECT_FALSE(std::filesystem::exists(dir.Datei("logbuch.txt")));
}

TEST_F(Logbuch, OeffnungsfehlerErreichtNurDenErstenAufruf) {
  TEinstellungen e(dir.Pfad() + "fehlt");
  TLogbuch log(e);
  const std::string fehlt =
      "Konnte Datei '" + dir.Pfad() +
      "fehlt/logbuch.txt' nicht öffnen: Datei oder Verzeichnis nicht gefunden";
  EXPECT_THROW_MSG(log.Schreiben("eins"), ELogbuch, fehlt);
  EXPECT_NO_THROW(log.Schreiben("zwei"));
  log.Schliessen();
  EXPECT_THROW_MSG(log.Schreiben("drei"), ELogbuch, fehlt);
}

}  // namespace
}  // namespace morvane
