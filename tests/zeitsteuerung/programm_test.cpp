#include <sys/stat.h>

#include "prozesstest.h"
#include "zeitsteuerung/prozess.h"
#include "zeitsteuerung/termine.h"

namespace morvane::test {
namespace {

std::string Quote(const std::string& text) {
  return "'" + text + "'";
}

class Programm : public ZeitsteuerungProzess {
 protected:
  // Starts the scheduler detached, as the apply step does, and waits for its lock.
  pid_t Starten() const {
    ZeitsteuerungStarten(kProgramm, prog_.Pfad());
    pid_t pid = 0;
    EXPECT_TRUE(Bis([&] {
      pid = LaufendeZeitsteuerung(prog_.Pfad()).value_or(0);
      return pid > 0;
    }));
    return pid;
  }
  // Ends it with SIGTERM and waits until it let go of its lock.
  void Beenden(pid_t pid) const {
    ::kill(pid, SIGTERM);
    EXPECT_TRUE(Bis([this] { return !LaufendeZeitsteuerung(prog_.Pfad()); }));
  }
  void AufzeichnendesHerunterfahren() const {
    prog_.Schreibe("zeitsteuerung.cfg", "# nur für den Test\nHerunterfahren=echo aus >> " +
                                            Quote(prog_.Datei("aus.txt")) + "\n");
  }
  std::size_t Kurse(const std::string& id) const {
    return static_cast<std::size_t>(TWPVerwaltung(prog_.Pfad()).KurseLaden(id).Anzahl());
  }
};

TEST_F(Programm, ZweiteZeitsteuerungEndetSofortWegenDerSperre) {
  PlanSpeichern(Plan({Punkt(18, 30, "xxxxx--")}));
  const pid_t erste = Starten();
  const auto start = std::chrono::steady_clock::now();
  const int status = BefehlAusfuehren(Quote(kProgramm) + " --programmverzeichnis " +
                                      Quote(prog_.Pfad()) + " 2> " + Quote(prog_.Datei("fehler")));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  EXPECT_EQ(status, 0);
  EXPECT_EQ(prog_.Lies("fehler"), "Die Zeitsteuerung für " + prog_.Pfad() +
                                      " läuft bereits (Prozess " + std::to_string(erste) + ").\n");
  EXPECT_EQ(Laufende(), std::vector<pid_t>{erste});
  EXPECT_EQ(BefehlAusfuehren(Quote(kProgramm) + " --unbekannt 2>/dev/null"), 2);
}

TEST_F(Programm, AusgeschalteterPlanBeendetDieZeitsteuerung) {
  PlanSpeichern(Plan({Punkt(18, 30, "xxxxx--")}, false));
  EXPECT_EQ(BefehlAusfuehren(Quote(kProgramm) + " --programmverzeichnis " + Quote(prog_.Pfad())),
            0);
  EXPECT_NE(Logbuch().find("Die zeitgesteuerte Kursaktualisierung ist ausgeschaltet."),
            std::string::npos);
}

class VerpassterLauf : public Programm, public testing::WithParamInterface<bool> {};

TEST_P(VerpassterLauf, MischtDieKurseEinmalUndFaehrtNurAufWunschHerunter) {
  const bool herunterfahren = GetParam();
  TServerProzess server(
      {"python3", std::string(MORVANE_TESTDATA) + "/zeitsteuerung/kursserver.py"});
  QuelleAnlegen(server, "/kurs");
  const std::string id = WertpapierAnlegen("Aktien", "Alpha");
  WertpapierAnlegen("Renten", "Beta");  // a catalog of no time point
  AufzeichnendesHerunterfahren();
  PlanSpeichern(Plan({VerpassterZeitpunkt({"Aktien", "Weg"}, herunterfahren)}));

  const pid_t pid = Starten();
  ASSERT_TRUE(Bis([this] {
    return Logbuch().find("Wertpapiere aktualisiert.") != std::string::npos;
  })) << Logbuch();
  // February 2026 has 20 weekdays; day 27 closed at 127.
  ASSERT_EQ(Kurse(id), 20u);
  const TKurse kurse = TWPVerwaltung(prog_.Pfad()).KurseLaden(id);
  const TKurs* letzter = kurse.Suche(BoersentagAusDatum(27, 2, 2026));
  ASSERT_NE(letzter, nullptr);
  EXPECT_DOUBLE_EQ(letzter->Schluss, 127.0);
  EXPECT_EQ(Kurse(prog_.Pfad() + "Renten/Beta.mv3"), 0u);
  const std::string log = Logbuch();
  EXPECT_EQ(Anzahl(log, "Zeitsteuerung: Verpasster Zeitpunkt "), 1u) << log;
  EXPECT_NE(log.find("Zeitsteuerung: Den Katalog 'Weg' gibt es nicht; er wird übergangen."),
            std::string::npos);
  EXPECT_NE(log.find("Zeitsteuerung: Internet: Testquelle: Adresse 1 von 1 (Lauf 1)"),
            std::string::npos);
  EXPECT_NE(log.find("Zeitsteuerung: Kursaktualisierung erfolgreich durchgeführt. 1 Wertpapiere "
                     "aktualisiert."),
            std::string::npos);
  if (herunterfahren) {
    EXPECT_TRUE(Bis([this] { return prog_.Lies("aus.txt") == "aus\n"; }));
  }
  Beenden(pid);

  // Started again the same minute: the time point has run already.
  Beenden(Starten());
  EXPECT_EQ(Anzahl(Logbuch(), "Zeitpunkt "), 1u);
  EXPECT_EQ(prog_.Lies("aus.txt"), herunterfahren ? "aus\n" : "");
}

INSTANTIATE_TEST_SUITE_P(Herunterfahren, VerpassterLauf, testing::Bool());

TEST_F(Programm, WartetAufDenZeitpunktDerNaechstenMinute) {
  TServerProzess server(
      {"python3", std::string(MORVANE_TESTDATA) + "/zeitsteuerung/kursserver.py"});
  QuelleAnlegen(server, "/kurs");
  const std::string id = WertpapierAnlegen("Aktien", "Alpha");
  AufzeichnendesHerunterfahren();
  const std::time_t start = std::time(nullptr);
  std::tm naechste{};
  const std::time_t inEinerMinute = start + 60;
  localtime_r(&inEinerMinute, &naechste);
  PlanSpeichern(Plan({Punkt(naechste.tm_hour, naechste.tm_min, "xxxxxxx", true, {"Aktien"})}));

  const pid_t pid = Starten();
  ASSERT_TRUE(Bis([this] { return prog_.Lies("aus.txt") == "aus\n"; }, std::chrono::seconds(90)))
      << Logbuch();
  const std::time_t zeitpunkt = AmTag(inEinerMinute, naechste.tm_hour, naechste.tm_min);
  EXPECT_GE(std::time(nullptr), zeitpunkt) << "not before its time";
  EXPECT_EQ(Kurse(id), 20u);
  const std::string log = Logbuch();
  EXPECT_EQ(Anzahl(log, "Zeitsteuerung: Zeitpunkt "), 1u) << log;
  EXPECT_EQ(Anzahl(log, "Verpasster"), 0u) << log;
  EXPECT_NE(log.find("Zeitsteuerung: Rechner herunterfahren: echo aus >> "), std::string::npos);
  Beenden(pid);
}

TEST_F(Programm, SigtermImLaufLaesstJedeDateiLesbarUndFaehrtNichtHerunter) {
  TServerProzess server(
      {"python3", std::string(MORVANE_TESTDATA) + "/zeitsteuerung/kursserver.py"});
  QuelleAnlegen(server, "/langsam");
  std::vector<std::string> ids;
  for (const char* name : {"A", "B", "C", "D", "E", "F", "G", "H"})
    ids.push_back(WertpapierAnlegen("Aktien", name));
  AufzeichnendesHerunterfahren();
  PlanSpeichern(Plan({VerpassterZeitpunkt({"Aktien"}, true)}));

  const pid_t pid = Starten();
  ASSERT_TRUE(Bis([this] { return Logbuch().find("Adresse 3 von 8") != std::string::npos; }))
      << Logbuch();
  const auto signal = std::chrono::steady_clock::now();
  Beenden(pid);
  EXPECT_LT(std::chrono::steady_clock::now() - signal, std::chrono::seconds(5));
  EXPECT_EQ(Logbuch().find("Adresse 8 von 8"), std::string::npos) << "no request after SIGTERM";
  EXPECT_NE(Logbuch().find("Zeitsteuerung: Beendet; der Rechner wird nicht heruntergefahren."),
            std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(prog_.Datei("aus.txt")));
  std::size_t mitKursen = 0;
  for (const std::string& id : ids) {
    EXPECT_NO_THROW(TWPVerwaltung(prog_.Pfad()).WertpapierLaden(id)) << id;
    const std::size_t n = Kurse(id);
    EXPECT_TRUE(n == 0 || n == 20) << id << ": " << n;
    mitKursen += n == 20;
  }
  EXPECT_GE(mitKursen, 2u) << "what came before the signal is merged";
  EXPECT_LT(mitKursen, 8u);
}

TEST_F(Programm, GleichzeitigesMischenVerliertNichts) {
  TServerProzess server(
      {"python3", std::string(MORVANE_TESTDATA) + "/zeitsteuerung/kursserver.py"});
  QuelleAnlegen(server, "/kurs");
  const std::string id = WertpapierAnlegen("Aktien", "Alpha");
  std::vector<std::string> viele{id};
  // More of the same security's pages, so that the run merges into it again and again.
  for (int i = 0; i < 30; ++i)
    viele.push_back(WertpapierAnlegen("Aktien", "W" + std::to_string(i)));
  PlanSpeichern(Plan({VerpassterZeitpunkt({"Aktien"}, false)}));

  const pid_t pid = Starten();
  // Meanwhile the window merges January's prices into every one of them.
  const TWPVerwaltung verwaltung(prog_.Pfad());
  std::size_t januar = 0;
  for (int tag = 1; tag <= 31; ++tag) {
    if (!IstBoersentag(tag, 1, 2026)) continue;
    ++januar;
    TKurse kurse;
    TKurs k;
    k.Datum = BoersentagAusDatum(tag, 1, 2026);
    k.Schluss = k.Eroeffnung = k.Hoch = k.Tief = 50 + tag;
    kurse.Setze(k, TSetzModus::Ersetzen);
    for (const std::string& wp : viele)
      verwaltung.KurseMischen(wp, kurse);
  }
  ASSERT_TRUE(Bis([this] {
    return Logbuch().find("Wertpapiere aktualisiert.") != std::string::npos;
  })) << Logbuch();
  Beenden(pid);
  for (const std::string& wp : viele)
    EXPECT_EQ(Kurse(wp), 20u + januar) << wp;
}

}  // namespace
}  // namespace morvane::test
