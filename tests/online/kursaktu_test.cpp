#include <gtest/gtest.h>

#include "core/datum.h"
#include "kursaktutest.h"
#include "online/kurssprung.h"
#include "online/sessionantwort.h"

namespace morvane {
namespace {

using test::kMitID;
using test::kOhneID;
using test::Quelle;
using test::TAktuUmfeld;

const std::string kA = "Internet: Quelle A";
const std::string kB = "Internet: Quelle B";

TKurse Kurse(std::initializer_list<std::pair<int, double>> tage_schluss) {
  TKurse kurse;
  for (auto [tag, schluss] : tage_schluss)
    kurse.Setze({BoersentagAusDatum(tag, 1, 2024), 0, 0, schluss, 0, 0, 0}, TSetzModus::Ersetzen);
  return kurse;
}

TEST(Kursaktu, ManuelleQuellenFehlenAlleDrei) {
  TAktuUmfeld u;
  u.Quellen({Quelle(qaInternet, "Quelle A", "http://h/a", kOhneID)});
  const std::string id =
      u.Wertpapier("Alpha", {{"Internet: X", ""}, {"Internet: Y", ""}, {"Textdatei: Z", ""}});
  EXPECT_TRUE(u.Lauf({id}));
  EXPECT_EQ(u.OhneKurseNamen(), std::vector<std::string>{"Alpha"});
  EXPECT_EQ(u.ohneKurse[0].Grund, "Kursquellen haben keinen Kurs geliefert.");
  EXPECT_TRUE(u.umgebung.Anfragen.empty());
  EXPECT_EQ(u.verbindung.Wahlen, 0);
  EXPECT_EQ(u.umgebung.Stati, std::vector<std::string>{"Bereite Kursaktualisierung vor ..."});
  EXPECT_EQ(u.umgebung.Sperrungen, (std::vector<bool>{true, false}));
}

// One page for all securities of a source, in every pass: a record is taken
// by the securities of its identifier, or by the only security when neither
// names one.
TEST(Kursaktu, EineSeiteFuerAlle) {
  struct TFall {
    const char* script;
    const char* seite;
    int wertpapiere;
    std::vector<std::string> ohneKurse;
  };
  const TFall faelle[] = {
      {kMitID, "AAA;02.01.2024;10\nBBB;02.01.2024;20\n", 2, {}},
      {kMitID, "AAA;02.01.2024;10\nCCC;02.01.2024;20\n", 2, {"Beta"}},
      {kOhneID, "02.01.2024;10\n", 1, {}},
      {kOhneID, "02.01.2024;10\n", 2, {"Alpha", "Beta"}},
  };
  for (const TFall& f : faelle) {
    TAktuUmfeld u;
    u.Quellen({Quelle(qaInternet, "Quelle A", "http://h/alle<tag>.<monat>.<jahr kurz>", f.script)});
    u.umgebung.Seiten["http://h/alle5.1.24"] = f.seite;
    std::vector<std::string> ids = {u.Wertpapier("Alpha", {{kA, f.wertpapiere == 1 ? "" : "AAA"}})};
    if (f.wertpapiere == 2) ids.push_back(u.Wertpapier("Beta", {{kA, "BBB"}}));
    EXPECT_TRUE(u.Lauf(ids));
    EXPECT_EQ(u.umgebung.Anfragen, std::vector<std::string>{"http://h/alle5.1.24"}) << f.seite;
    EXPECT_EQ(u.OhneKurseNamen(), f.ohneKurse) << f.script << f.seite;
    EXPECT_EQ(u.verbindung.Wahlen, 1);
  }
}

// Per-security pages take records without identifier or with the security's
// own record identifier; the request identifier goes into the address.
TEST(Kursaktu, ErsteQuelleLeerZweiteImZweitenLauf) {
  TAktuUmfeld u;
  u.Quellen({Quelle(qaInternet, "Quelle A", "http://h/a/<wkn>", kOhneID),
             Quelle(qaInternet, "Quelle B", "http://h/b/<id>", kMitID)});
  const std::string alpha = u.Wertpapier("Alpha", {{kA, ""}, {kB, "X1,x-eins"}});
  const std::string beta = u.Wertpapier("Beta", {{kA, ""}, {kB, "X2"}});
  u.umgebung.Seiten = {{"http://h/a/WKNAlpha", "kein Kurs\n"},
                       {"http://h/a/WKNBeta", "03.01.2024;7\n"},
                       {"http://h/b/x-eins", "X1;02.01.2024;10\nX2;02.01.2024;99\n"}};
  EXPECT_TRUE(u.Lauf({alpha, beta}));
  EXPECT_TRUE(u.ohneKurse.empty());
  EXPECT_EQ(u.umgebung.Fortschritte,
            (std::vector<std::string>{kA + ": 1 von 2 (Lauf 1)", kA + ": 2 von 2 (Lauf 1)",
                                      kB + ": 1 von 1 (Lauf 2)"}));
  EXPECT_EQ(u.Schlusskurse(alpha), std::vector<double>{10});
  EXPECT_EQ(u.Schlusskurse(beta), std::vector<double>{7});
  EXPECT_NE(u.Log().find("Kursquelle '" + kA +
                         "': keine Kurse in der Seite (Status 200, text/html): kein Kurs \n"),
            std::string::npos)
      << u.Log();
}

TEST(Kursaktu, BeideModiJeEinmal) {
  TAktuUmfeld u;
  u.Quellen({Quelle(qaInternetAktuell, "Tag", "http://h/tag/<wkn>", kOhneID),
             Quelle(qaInternetHistorisch, "Hist", "http://h/hist/<wkn>", kOhneID)});
  std::vector<std::string> ids;
  for (const char* name : {"Alpha", "Beta"}) {
    ids.push_back(u.Wertpapier(name, {{"Internet (aktuell): Tag", ""}},
                               {{"Internet (historisch): Hist", ""}}));
    u.umgebung.Seiten["http://h/tag/WKN" + std::string(name)] = "05.01.2024;12\n";
    u.umgebung.Seiten["http://h/hist/WKN" + std::string(name)] = "03.01.2024;10\n04.01.2024;11\n";
  }
  EXPECT_TRUE(u.Lauf(ids, true, true));
  EXPECT_EQ(u.umgebung.Anfragen,
            (std::vector<std::string>{"http://h/tag/WKNAlpha", "http://h/tag/WKNBeta",
                                      "http://h/hist/WKNAlpha", "http://h/hist/WKNBeta"}));
  for (const std::string& id : ids)
    EXPECT_EQ(u.Schlusskurse(id), (std::vector<double>{10, 11, 12}));
}

TEST(Kursaktu, NurTextdateienWaehltNie) {
  TAktuUmfeld u;
  u.tmp.Schreibe("kurse/WKNalpha.txt", "02.01.2024;10\n03.01.2024;10,5\n");
  u.Quellen({Quelle(qaTextdatei, "CSV", u.tmp.Pfad() + "kurse/<wkn>.txt", kOhneID)});
  const std::string alpha = u.Wertpapier("alpha", {{"Textdatei: CSV", ""}});
  const std::string fehlt = u.Wertpapier("fehlt", {{"Textdatei: CSV", ""}});
  EXPECT_TRUE(u.Lauf({alpha, fehlt}));
  EXPECT_EQ(u.verbindung.Wahlen, 0);
  EXPECT_TRUE(u.umgebung.Anfragen.empty());
  EXPECT_EQ(u.Schlusskurse(alpha), (std::vector<double>{10, 10.5}));
  EXPECT_EQ(u.OhneKurseNamen(), std::vector<std::string>{"fehlt"});
  const std::string pfad = u.tmp.Pfad() + "kurse/WKNfehlt.txt";
  EXPECT_EQ(u.umgebung.Meldungen,
            std::vector<std::string>{"Konnte die Datei " + pfad + " nicht öffnen."});
  EXPECT_NE(
      u.Log().find("EFOpenError (Datei oder Verzeichnis nicht gefunden) beim Öffnen von " + pfad),
      std::string::npos)
      << u.Log();
}

// The login goes first, once per run, with the account in the request's
// credential fields; the identifier between "<XID ...>" and the next "<"
// fills <sessionid>. None of the account values reaches the log book.
TEST(Kursaktu, Sitzung) {
  struct TFall {
    const char* antwort;
    const char* adresse;
  };
  const TFall faelle[] = {
      {"<?xml version=\"1.0\"?>\n<RESULT><XID\ttyp=\"a\">S-42</XID></RESULT>",
       "http://h/k?s=S-42&w=WKNAlpha"},
      {"<RESULT><FEHLER>Zugang gesperrt</FEHLER></RESULT>", "http://h/k?s=&w=WKNAlpha"},
  };
  for (const TFall& f : faelle) {
    TAktuUmfeld u;
    u.konto = {"4711", "anna", "Ge<heim>!", "Testagent/1.0", ""};
    u.Quellen({Quelle(qaInternet, "Quelle A", "http://h/k?s=<sessionid>&w=<wkn>", kOhneID)});
    const std::string alpha = u.Wertpapier("Alpha", {{kA, ""}});
    const std::string beta = u.Wertpapier("Beta", {{kA, ""}});
    const std::string anmeldung = "http://h/session.xml?ID_CUST_XML=4711\tanna\tGe<heim>!";
    u.umgebung.Seiten = {{anmeldung, f.antwort}, {f.adresse, "02.01.2024;10\n"}};
    EXPECT_TRUE(u.Lauf({alpha, beta}, true, false, "http://h/session.xml?ID_CUST_XML="));
    ASSERT_EQ(u.umgebung.Anfragen.size(), 3u);
    EXPECT_EQ(u.umgebung.Anfragen[0], anmeldung);
    EXPECT_EQ(u.umgebung.Anfragen[1], f.adresse);
    EXPECT_EQ(u.umgebung.Agenten, std::vector<std::string>(3, "Testagent/1.0"));
    // Beta's page is missing: it is not asked for a second login.
    EXPECT_EQ(u.OhneKurseNamen(), std::vector<std::string>{"Beta"});
    EXPECT_EQ(u.Log().find("anna"), std::string::npos) << u.Log();
    EXPECT_EQ(u.Log().find("heim"), std::string::npos) << u.Log();
  }
}

TEST(Kursaktu, SessionIDLesen) {
  const std::pair<const char*, std::optional<std::string>> faelle[] = {
      {"<XID>abc</XID>", "abc"},
      {"<A><XID x=\"1\">a\tb</XID>", "a b"},
      {"<XID></XID>", ""},
      {"<XID>ohne Ende", std::nullopt},
      {"<XID ohne Klammer", std::nullopt},
      {"<xid>klein</xid>", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [antwort, id] : faelle)
    EXPECT_EQ(SessionIDLesen(antwort), id) << antwort;
}

TEST(Kursaktu, AbbruchNachDerZweitenVonVierSeiten) {
  TAktuUmfeld u;
  std::vector<std::string> ids;
  for (const char* name : {"A1", "A2", "A3", "A4"}) {
    ids.push_back(u.Wertpapier(name, {{kA, ""}, {kB, ""}}));
    u.umgebung.Seiten["http://h/WKN" + std::string(name)] = "02.01.2024;10\n";
  }
  u.Quellen({Quelle(qaInternet, "Quelle A", "http://h/<wkn>", kOhneID),
             Quelle(qaInternet, "Quelle B", "http://h/b", kOhneID)});
  u.umgebung.AbbruchBei = 3;
  EXPECT_FALSE(u.Lauf(ids));
  EXPECT_FALSE(u.keineVerbindung);
  EXPECT_EQ(u.umgebung.Anfragen.size(), 3u);
  EXPECT_EQ(u.Schlusskurse(ids[0]), std::vector<double>{10});
  EXPECT_EQ(u.Schlusskurse(ids[1]), std::vector<double>{10});
  EXPECT_TRUE(u.Schlusskurse(ids[2]).empty());
  EXPECT_EQ(u.OhneKurseNamen(), (std::vector<std::string>{"A3", "A4"}));
}

// No connection after two attempts: the status of each, the message, the
// log line, no request; what the text files delivered is merged all the same.
TEST(Kursaktu, KeineVerbindung) {
  TAktuUmfeld u;
  u.verbindung.Erfolg = false;
  u.einstellungen.Wahlwiederholungen = 1;
  u.einstellungen.Wahlpause = 0;
  u.tmp.Schreibe("WKNText.csv", "02.01.2024;10\n");
  u.Quellen({Quelle(qaInternet, "Quelle A", "http://h/<wkn>", kOhneID),
             Quelle(qaTextdatei, "CSV", u.tmp.Pfad() + "<wkn>.csv", kOhneID)});
  const std::string netz = u.Wertpapier("Netz", {{kA, ""}});
  const std::string text = u.Wertpapier("Text", {{"Textdatei: CSV", ""}});
  EXPECT_FALSE(u.Lauf({netz, text}));
  EXPECT_TRUE(u.keineVerbindung);
  EXPECT_TRUE(u.umgebung.Anfragen.empty());
  EXPECT_EQ(u.verbindung.Wahlen, 2);
  EXPECT_EQ(u.umgebung.Stati,
            (std::vector<std::string>{"Bereite Kursaktualisierung vor ...",
                                      "Mit dem Internet verbinden ...",
                                      "Mit dem Internet verbinden (2. Versuch) ..."}));
  EXPECT_EQ(u.umgebung.Meldungen,
            std::vector<std::string>{
                "Es konnte keine Verbindung zum Internet hergestellt werden.\rBitte überprüfen "
                "Sie Ihr Modem und die Einstellungen im Menü Extras / Optionen / "
                "Internet-Verbindung und versuchen Sie es erneut."});
  EXPECT_NE(u.Log().find("Kursaktu: Fehler beim Aufbau der Internet-Verbindung (Beim Wählen gab "
                         "es Probleme)"),
            std::string::npos)
      << u.Log();
  EXPECT_EQ(u.Schlusskurse(text), std::vector<double>{10});
  EXPECT_EQ(u.OhneKurseNamen(), std::vector<std::string>{"Netz"});
}

// A faulty template or script is logged with both texts and left out; its
// securities fall through to their next candidate.
TEST(Kursaktu, FehlerhafteQuelleWirdUebersprungen) {
  struct TFall {
    const char* vorlage;
    const char* script;
    const char* zeile;
  };
  const TFall faelle[] = {
      {"http://h/<kurs>", kOhneID,
       "Fehler in Internetadresse/Pfad bei Kursquelle 'Internet: Quelle A': Unbekannte "
       "Inline-Anweisung: 'kurs'. (Position "},
      {"http://h/a", "datensatz schluss(",
       "Fehler im Script bei Kursquelle 'Internet: Quelle A': "},
  };
  for (const TFall& f : faelle) {
    TAktuUmfeld u;
    u.Quellen({Quelle(qaInternet, "Quelle A", f.vorlage, f.script),
               Quelle(qaInternet, "Quelle B", "http://h/b", kOhneID)});
    u.umgebung.Seiten["http://h/b"] = "02.01.2024;10\n";
    const std::string id = u.Wertpapier("Alpha", {{kA, ""}, {kB, ""}});
    EXPECT_TRUE(u.Lauf({id}));
    EXPECT_EQ(u.umgebung.Anfragen, std::vector<std::string>{"http://h/b"});
    EXPECT_EQ(u.Schlusskurse(id), std::vector<double>{10});
    EXPECT_NE(u.Log().find(f.zeile), std::string::npos) << u.Log();
  }
}

// While a page is fetched another writer merges prices into the same
// security: both land. A security whose file went away meanwhile is logged
// and the run goes on. A jump by more than a factor of five is merged and
// logged.
TEST(Kursaktu, MischenNebenAnderenSchreibern) {
  TAktuUmfeld u;
  u.Quellen({Quelle(qaInternet, "Quelle A", "http://h/<wkn>", kOhneID)});
  const std::string alpha = u.Wertpapier("Alpha", {{kA, ""}}, {}, Kurse({{2, 10}}));
  const std::string weg = u.Wertpapier("Weg", {{kA, ""}});
  u.umgebung.Seiten = {{"http://h/WKNAlpha", "04.01.2024;60\n"},
                       {"http://h/WKNWeg", "04.01.2024;1\n"}};
  u.umgebung.BeiAnfrage = [&](const std::string& anfrage) {
    if (anfrage != "http://h/WKNAlpha") return;
    TWPVerwaltung(u.tmp.Pfad() + "daten/").KurseMischen(alpha, Kurse({{3, 11}}));
    std::filesystem::remove(weg);
  };
  EXPECT_TRUE(u.Lauf({alpha, weg}));
  EXPECT_EQ(u.Schlusskurse(alpha), (std::vector<double>{10, 11, 60}));
  EXPECT_TRUE(u.ohneKurse.empty());
  EXPECT_NE(u.Log().find("Konnte neue Kurse nicht dem Wertpapier hinzufügen: "), std::string::npos);
  EXPECT_NE(u.Log().find("Kursaktu: unplausibler Kurssprung bei 'Depot / Alpha' am 04.01.2024: "
                         "Schlusskurs 60,00 nach 11,00 zuvor (übernommen)"),
            std::string::npos)
      << u.Log();
}

TEST(Kursaktu, Kurssprunge) {
  struct TFall {
    TKurse gespeichert, neu;
    std::vector<std::string> tage;  // of the lines expected
  };
  const TFall faelle[] = {
      {Kurse({{2, 10}}), Kurse({{3, 50}}), {}},            // exactly five times
      {Kurse({{2, 10}}), Kurse({{3, 50.01}}), {"03.01"}},  // above
      {Kurse({{2, 10}}), Kurse({{3, 1.99}}), {"03.01"}},   // below a fifth
      {Kurse({{2, 10}, {4, 100}}), Kurse({{3, 11}}), {}},  // the stored close before the day
      {Kurse({}), Kurse({{3, 11}, {4, 60}, {5, 11}}), {"04.01", "05.01"}},
      {Kurse({{2, 10}}), Kurse({{3, 0}, {4, 11}}), {}},  // no close is no jump
  };
  for (const TFall& f : faelle) {
    const std::vector<std::string> zeilen = Kurssprunge("K / X", f.gespeichert, f.neu);
    ASSERT_EQ(zeilen.size(), f.tage.size());
    for (std::size_t i = 0; i < zeilen.size(); ++i)
      EXPECT_NE(zeilen[i].find(" am " + f.tage[i] + ".2024: "), std::string::npos) << zeilen[i];
  }
}

}  // namespace
}  // namespace morvane
