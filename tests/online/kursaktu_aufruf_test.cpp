#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <sstream>

#include "kursaktutest.h"
#include "online/konsolenumgebung.h"
#include "testhilfe/serverprozess.h"

namespace morvane {
namespace {

using test::kOhneID;
using test::Quelle;
using test::TAktuUmfeld;

// The top-level update: the second run only after a successful program
// update, when the first was not aborted and AutoUpdate is set; hung up at
// the end in every case.
TEST(KursaktuMitUpdate, Ausgaenge) {
  struct TFall {
    bool seiteDa, autoUpdate, abbruch;
    int update;  // -1 no callback, 0 fails, 1 succeeds (and brings the page)
    TAktuAusgang ausgang;
    int aufrufe;
    std::size_t ohneKurse;
  };
  const TFall faelle[] = {
      {true, true, false, 1, TAktuAusgang::Erfolgreich, 0, 0},
      {false, true, false, 1, TAktuAusgang::MitUpdateErfolgreich, 1, 0},
      {false, true, false, 0, TAktuAusgang::OhneKurse, 1, 2},
      {false, true, false, -1, TAktuAusgang::OhneKurse, 0, 2},
      {false, false, false, 1, TAktuAusgang::OhneKurse, 0, 2},
      {false, true, true, 1, TAktuAusgang::OhneKurse, 0, 2},
  };
  for (const TFall& f : faelle) {
    TAktuUmfeld u;
    u.einstellungen.AutoUpdate = f.autoUpdate;
    u.Quellen({Quelle(qaInternet, "Quelle A", "http://h/<wkn>", kOhneID)});
    // Sorted by catalog and name: "Ärger" as "Arger".
    const std::string zebra = u.Wertpapier("Zebra", {{"Internet: Quelle A", ""}});
    const std::string aerger = u.Wertpapier("Ärger", {{"Internet: Quelle A", ""}});
    const auto seiten = [&u] {
      u.umgebung.Seiten["http://h/WKNZebra"] = u.umgebung.Seiten["http://h/WKNÄrger"] =
          "02.01.2024;10\n";
    };
    if (f.seiteDa) seiten();
    u.umgebung.AbbruchBei = f.abbruch ? 1 : 0;
    int aufrufe = 0;
    TProgrammUpdate update;
    if (f.update >= 0) {
      update = [&] {
        ++aufrufe;
        if (f.update == 1) seiten();
        return f.update == 1;
      };
    }
    const TAktuErgebnis e =
        KursaktuMitUpdate(u.kontext, u.umgebung, {zebra, aerger}, true, false, update);
    EXPECT_EQ(e.Ausgang, f.ausgang);
    EXPECT_EQ(aufrufe, f.aufrufe);
    EXPECT_EQ(e.Vollstaendig, !f.abbruch);
    EXPECT_FALSE(e.KeineVerbindung);
    ASSERT_EQ(e.OhneKurse.size(), f.ohneKurse);
    if (f.ohneKurse) {
      EXPECT_EQ(
          OhneKurseZeilen(e.OhneKurse),
          (std::vector<std::string>{"Depot / Ärger\tKursquellen haben keinen Kurs geliefert.",
                                    "Depot / Zebra\tKursquellen haben keinen Kurs geliefert."}));
    }
    EXPECT_EQ(u.verbindung.Aufgelegt, 1);
  }
  EXPECT_EQ(AusgangText(TAktuAusgang::Erfolgreich), "Kursaktualisierung erfolgreich durchgeführt.");
  EXPECT_EQ(AusgangText(TAktuAusgang::MitUpdateErfolgreich),
            "Kursaktualisierung und Update erfolgreich durchgeführt.");
}

TEST(KursaktuMitUpdate, KatalogIDsKatalogFuerKatalog) {
  TAktuUmfeld u;
  const std::string a = u.Wertpapier("A", {});
  std::filesystem::create_directories(u.tmp.Pfad() + "daten/Leer");
  EXPECT_EQ(KatalogIDs(u.verwaltung, {"Leer", "Depot"}), std::vector<std::string>{a});
  EXPECT_TRUE(KatalogIDs(u.verwaltung, {"Fehlt"}).empty());
}

// A port on which nothing listens.
std::string FreierPort() {
  const int s = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in adresse{};
  adresse.sin_family = AF_INET;
  adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t laenge = sizeof adresse;
  ::bind(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse);
  ::getsockname(s, reinterpret_cast<sockaddr*>(&adresse), &laenge);
  ::close(s);
  return std::to_string(ntohs(adresse.sin_port));
}

// The console surroundings over real sockets: the User-Agent goes out with
// every request, a page without records is logged with status and content
// type, a refused connection loses that page only and the text-file pass is
// merged all the same.
TEST(KonsolenUmgebung, AgentSeitenUndAbgewieseneVerbindung) {
  TAktuUmfeld u;
  u.einstellungen.DFUeVerbinden = false;
  std::ostringstream aus;
  TKonsolenUmgebung konsole(aus, u.einstellungen, u.logbuch);
  u.konto.Agent = "Kursagent/2.0 (Test)";
  u.tmp.Schreibe("WKNDatei.csv", "02.01.2024;10\n");
  u.Quellen({Quelle(qaInternet, "Echo", test::RohServer().Url("/echo?<wkn>"), kOhneID),
             Quelle(qaInternet, "Zu", "http://127.0.0.1:" + FreierPort() + "/<wkn>", kOhneID),
             Quelle(qaTextdatei, "CSV", u.tmp.Pfad() + "<wkn>.csv", kOhneID)});
  const std::string echo = u.Wertpapier("Echo", {{"Internet: Echo", ""}});
  const std::string zu = u.Wertpapier("Zu", {{"Internet: Zu", ""}});
  const std::string datei = u.Wertpapier("Datei", {{"Textdatei: CSV", ""}});
  TKursaktu lauf(u.kontext, konsole, TDatum{5, 1, 2024});
  EXPECT_TRUE(lauf.Ausfuehren({echo, zu, datei}, true, false));
  EXPECT_EQ(u.Schlusskurse(datei), std::vector<double>{10});
  ASSERT_EQ(lauf.OhneKurse().size(), 2u);
  EXPECT_EQ(aus.str(),
            "Bereite Kursaktualisierung vor ...\n"
            "Textdatei: CSV: Adresse 1 von 1 (Lauf 1)\n"
            "Mit dem Internet verbinden ...\n"
            "Internet: Echo: Adresse 1 von 2 (Lauf 1)\n"
            "Internet: Zu: Adresse 2 von 2 (Lauf 1)\n");
  const std::string log = u.Log();
  EXPECT_NE(log.find("Kursquelle 'Internet: Echo': keine Kurse in der Seite (Status 200, "
                     "text/plain): GET /echo?WKNEcho HTTP/1.0  User-Agent: Kursagent/2.0 (Test)  "),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("EHttpException (Keine Verbindung zu 127.0.0.1:"), std::string::npos) << log;
}

// A login that fails is logged without the account values, the customer
// number in the address included.
TEST(KonsolenUmgebung, FehlgeschlageneAnmeldungOhneKontodaten) {
  TAktuUmfeld u;
  u.einstellungen.DFUeVerbinden = false;
  u.konto = {"4711", "anna", "geheim", "Agent", ""};
  std::ostringstream aus;
  TKonsolenUmgebung konsole(aus, u.einstellungen, u.logbuch);
  u.Quellen({Quelle(qaInternet, "Abo", test::RohServer().Url("/fehlt?s=<sessionid>"), kOhneID)});
  const std::string id = u.Wertpapier("Abo", {{"Internet: Abo", ""}});
  TKursaktu lauf(u.kontext, konsole, TDatum{5, 1, 2024});
  lauf.SessionAdresse = test::RohServer().Url("/fehlt?ID_CUST_XML=");
  EXPECT_TRUE(lauf.Ausfuehren({id}, true, false));
  const std::string log = u.Log();
  EXPECT_NE(log.find("EHttpException (Not Found) bei " + test::RohServer().Url("/fehlt?...")),
            std::string::npos)
      << log;
  for (const char* wert : {"4711", "anna", "geheim"})
    EXPECT_EQ(log.find(wert), std::string::npos) << wert << '\n' << log;
}

}  // namespace
}  // namespace morvane
