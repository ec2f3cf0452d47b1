#include "zeitsteuerung/anwenden.h"

#include <sys/stat.h>

#include "prozesstest.h"
#include "store/logbuch.h"
#include "testhilfe/ausnahme.h"
#include "zeitsteuerung/prozess.h"

namespace morvane::test {
namespace {

using Anwenden = ZeitsteuerungProzess;

TEST_F(Anwenden, EingeschaltetEinEintragUndGenauEineZeitsteuerungAusgeschaltetKeine) {
  const TZeitplaner plan = Plan({Punkt(18, 30, "xxxxx--", false, {"Aktien"})});
  PlanSpeichern(plan);
  TEinstellungen einstellungen(prog_.Pfad());
  TLogbuch logbuch(einstellungen);

  EXPECT_EQ(ZeitsteuerungAnwenden(Ort(), plan, logbuch), std::nullopt);
  EXPECT_NE(DateiInhalt(Eintrag()).find("\nExec=" + kProgramm + " --programmverzeichnis "),
            std::string::npos);
  ASSERT_TRUE(Bis([this] { return LaufendeZeitsteuerung(prog_.Pfad()).value_or(0) > 0; }));
  const pid_t erste = *LaufendeZeitsteuerung(prog_.Pfad());
  EXPECT_TRUE(IstZeitsteuerung(erste, kProgramm));
  EXPECT_EQ(Laufende(), std::vector<pid_t>{erste});

  // Applied again (the options confirmed once more): the old one ends, one new runs.
  EXPECT_EQ(ZeitsteuerungAnwenden(Ort(), plan, logbuch), std::nullopt);
  ASSERT_TRUE(Bis([&] {
    const auto pid = LaufendeZeitsteuerung(prog_.Pfad());
    return pid && *pid > 0 && *pid != erste;
  }));
  EXPECT_TRUE(Bis([&] { return Laufende().size() == 1; }));
  EXPECT_NE(Laufende(), std::vector<pid_t>{erste});

  TZeitplaner aus = plan;
  aus.Aktiv = false;
  EXPECT_EQ(ZeitsteuerungAnwenden(Ort(), aus, logbuch), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(Eintrag()));
  EXPECT_EQ(LaufendeZeitsteuerung(prog_.Pfad()), std::nullopt);
  EXPECT_TRUE(Bis([this] { return Laufende().empty(); }));
  EXPECT_NE(Logbuch().find("Zeitsteuerung: Gestartet (Prozess " + std::to_string(erste) + ")."),
            std::string::npos);
  EXPECT_EQ(Anzahl(Logbuch(), "Zeitsteuerung: Beendet."), 2u);
}

TEST_F(Anwenden, FehlerMeldenUndProtokollieren) {
  TZeitplaner plan = Plan({Punkt(18, 30, "xxxxx--")});
  TEinstellungen einstellungen(prog_.Pfad());
  TLogbuch logbuch(einstellungen);
  TZeitsteuerungOrt ort = Ort();
  prog_.Schreibe("blockiert", "");
  ort.Autostart = prog_.Datei("blockiert/autostart/");
  EXPECT_EQ(ZeitsteuerungAnwenden(ort, plan, logbuch),
            "Fehler beim Einrichten der Zeitsteuerung in die Autostart-Liste. (Kein Verzeichnis)");
  EXPECT_TRUE(Laufende().empty()) << "nothing started when the entry failed";
  plan.Aktiv = false;
  ::mkdir(prog_.Datei("voll").c_str(), 0700);
  prog_.Schreibe("voll/morvane-zeitsteuerung.desktop/darin", "");
  ort.Autostart = prog_.Datei("voll/");
  EXPECT_EQ(ZeitsteuerungAnwenden(ort, plan, logbuch),
            "Fehler beim Entfernen der Zeitsteuerung aus der Autostart-Liste. (Ist ein "
            "Verzeichnis)");
  const std::string log = Logbuch();
  EXPECT_NE(log.find(" Fehler beim Einrichten der Zeitsteuerung in die Autostart-Liste. (Kein "
                     "Verzeichnis)\n"),
            std::string::npos);
  EXPECT_NE(log.find(" Fehler beim Entfernen der Zeitsteuerung"), std::string::npos);
}

TEST_F(Anwenden, FehlendesProgrammWirdNurProtokolliert) {
  const TZeitplaner plan = Plan({Punkt(18, 30, "xxxxx--")});
  TEinstellungen einstellungen(prog_.Pfad());
  TLogbuch logbuch(einstellungen);
  TZeitsteuerungOrt ort = Ort();
  ort.Programm = prog_.Datei("zeitsteuerung");
  EXPECT_EQ(ZeitsteuerungAnwenden(ort, plan, logbuch), std::nullopt);
  EXPECT_TRUE(std::filesystem::exists(Eintrag()));
  EXPECT_NE(Logbuch().find("' fehlt oder ist nicht ausführbar; sie wurde nicht gestartet."),
            std::string::npos);
}

TEST_F(Anwenden, BeimStartNurWennEingeschaltetUndKeineLaeuft) {
  // The scheduler in the program directory, as the installed layout has it
  // beside the desktop program.
  std::filesystem::create_symlink(kProgramm, prog_.Datei("zeitsteuerung"));
  PlanSpeichern(Plan({Punkt(18, 30, "xxxxx--")}, false));
  {
    TEinstellungen einstellungen(prog_.Pfad());
    TLogbuch logbuch(einstellungen);
    EXPECT_EQ(ZeitsteuerungBeimStart(einstellungen, logbuch), std::nullopt);
    EXPECT_FALSE(LaufendeZeitsteuerung(prog_.Pfad()));
    EXPECT_FALSE(std::filesystem::exists(Eintrag()));
  }
  PlanSpeichern(Plan({Punkt(18, 30, "xxxxx--")}));
  TEinstellungen einstellungen(prog_.Pfad());
  TLogbuch logbuch(einstellungen);
  EXPECT_EQ(ZeitsteuerungBeimStart(einstellungen, logbuch), std::nullopt);
  ASSERT_TRUE(Bis([this] { return LaufendeZeitsteuerung(prog_.Pfad()).value_or(0) > 0; }));
  const pid_t pid = *LaufendeZeitsteuerung(prog_.Pfad());
  EXPECT_NE(DateiInhalt(Eintrag()).find("\nExec=" + prog_.Datei("zeitsteuerung")),
            std::string::npos);
  // Started once more (a second window): the running one is left alone.
  EXPECT_EQ(ZeitsteuerungBeimStart(einstellungen, logbuch), std::nullopt);
  EXPECT_EQ(Laufende(), std::vector<pid_t>{pid});
}

TEST_F(Anwenden, FremderProzessInDerSperreBekommtKeinSignal) {
  // This test process holds the lock: it is no scheduler and must survive.
  std::optional<TZeitsteuerungSperre> sperre = TZeitsteuerungSperre::Nehmen(prog_.Pfad());
  ASSERT_TRUE(sperre);
  const std::string grund = "Die Sperre der Zeitsteuerung hält Prozess " +
                            std::to_string(::getpid()) + ", der nicht die Zeitsteuerung ist.";
  EXPECT_THROW_MSG(ZeitsteuerungBeenden(Ort()), EZeitsteuerung, grund);
  // Switched off all the same: the entry goes, the failure is told.
  prog_.Schreibe("autostart/morvane-zeitsteuerung.desktop", "[Desktop Entry]\n");
  TZeitsteuerungOrt ort = Ort();
  ort.Autostart = prog_.Datei("autostart/");
  TEinstellungen einstellungen(prog_.Pfad());
  TLogbuch logbuch(einstellungen);
  EXPECT_EQ(ZeitsteuerungAnwenden(ort, Plan({}, false), logbuch),
            "Fehler beim Entfernen der Zeitsteuerung aus der Autostart-Liste. (" + grund + ")");
  EXPECT_FALSE(std::filesystem::exists(prog_.Datei("autostart/morvane-zeitsteuerung.desktop")));
}

}  // namespace
}  // namespace morvane::test
