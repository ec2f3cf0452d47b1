#include <gtest/gtest.h>

#include <sstream>

#include "app/cli/befehle.h"
#include "online/konto.h"
#include "online/onlineupdate.h"
#include "online/quellendatei.h"
#include "online/signatur.h"
#include "online/updateverzeichnis.h"
#include "testhilfe/serverprozess.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

std::string Quellen(int tag) {
  TQuelle q;
  q.Name = "Beispiel [WKN]";
  q.UrlVorlage = "https://kurse.example/<wkn>";
  q.Script = "datensatz\n  schluss(trennzeichen \";\")\nende\n";
  return QuellenSchreiben({q}, TQuellenKopf::Programm, KalendertagAusDatum(tag, 12, 2026));
}

// `morvane-cli online-update` against nginx serving a folder signed with a
// test key that the command is given as --schluessel.
TEST(CliOnlineUpdate, AusgangProErgebnis) {
  test::TTempVerzeichnis programm;
  const test::TTlsServer& server = test::TlsServer();
  if (!server.Fehlt().empty()) GTEST_SKIP() << server.Fehlt() << " fehlt";
  const std::string wurzel = server.Wurzel() + "cli/";
  const TSchluesselpaar paar = SchluesselpaarErzeugen();
  programm.Schreibe("test.pem", paar.PrivatPem);
  programm.Schreibe("Quellen35.mvq", Quellen(1));
  TKonto konto;
  konto.UpdateAdresse = server.Https("/cli/index.txt");
  KontoSpeichern(programm.Pfad(), konto);

  struct Fall {
    const char* was;
    std::function<void()> vorbereiten;
    std::vector<std::string> argumente;
    int code;
    TUpdateAusgang ausgang;
    int installiert;  // day of the installed file's version date afterwards
  };
  const auto veroeffentlichen = [&](int tag, bool deaktiviert) {
    test::DateiAnlegen(wurzel + "Quellen35.mvq", Quellen(tag));
    UpdateVerzeichnisSignieren(wurzel, paar.PrivatPem, deaktiviert);
  };
  const std::vector<std::string> schluessel = {"--schluessel", programm.Datei("test.pem")};
  const Fall faelle[] = {
      {"verändert",
       [&] {
         veroeffentlichen(2, false);
         test::DateiAnlegen(wurzel + "Quellen35.mvq", Quellen(3));
       },
       schluessel, 1, TUpdateAusgang::Fehlgeschlagen, 1},
      {"eingebauter Schlüssel",
       [&] { veroeffentlichen(2, false); },
       {},
       1,
       TUpdateAusgang::Fehlgeschlagen,
       1},
      {"unverschlüsselt",
       [] {},
       {"--adresse", server.Http("/cli/index.txt"), "--schluessel", programm.Datei("test.pem")},
       1,
       TUpdateAusgang::Fehlgeschlagen,
       1},
      {"deaktiviert", [&] { veroeffentlichen(2, true); }, schluessel, 4,
       TUpdateAusgang::Deaktiviert, 1},
      {"neuer", [&] { veroeffentlichen(2, false); }, schluessel, 0, TUpdateAusgang::Erfolgreich, 2},
      {"gleich alt", [] {}, schluessel, 3, TUpdateAusgang::NichtNotwendig, 2},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    f.vorbereiten();
    std::vector<std::string> argumente = {"--programmverzeichnis", programm.Pfad(),
                                          "online-update"};
    argumente.insert(argumente.end(), f.argumente.begin(), f.argumente.end());
    std::ostringstream aus, meldung;
    EXPECT_EQ(CliAusfuehren(argumente, aus, meldung), f.code) << meldung.str();
    EXPECT_EQ(aus.str(), UpdateAusgangText(f.ausgang) + "\n");
    std::vector<TQuelle> quellen;
    EXPECT_EQ(QuellenLesen(programm.Lies("Quellen35.mvq"), quellen),
              KalendertagAusDatum(f.installiert, 12, 2026));
  }
}

TEST(CliOnlineUpdate, FalscherAufruf) {
  test::TTempVerzeichnis programm;
  for (const std::vector<std::string>& rest :
       {std::vector<std::string>{"jetzt"}, std::vector<std::string>{"--adresse"}}) {
    std::vector<std::string> argumente = {"--programmverzeichnis", programm.Pfad(),
                                          "online-update"};
    argumente.insert(argumente.end(), rest.begin(), rest.end());
    std::ostringstream aus, meldung;
    EXPECT_EQ(CliAusfuehren(argumente, aus, meldung), 2);
    EXPECT_NE(meldung.str().find("Aufruf: morvane-cli online-update [--adresse URL]"),
              std::string::npos)
        << meldung.str();
  }
  std::ostringstream aus, meldung;
  EXPECT_EQ(CliAusfuehren({"--programmverzeichnis", programm.Pfad(), "online-update",
                           "--schluessel", programm.Datei("fehlt.pem")},
                          aus, meldung),
            1);
}

}  // namespace
}  // namespace morvane
