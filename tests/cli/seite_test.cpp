#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/cli/befehle.h"
#include "testhilfe/serverprozess.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

struct TLauf {
  int Code;
  std::string Aus;
  std::string Meldung;
};

TLauf Lauf(const test::TTempVerzeichnis& tmp, std::vector<std::string> argumente) {
  argumente.insert(argumente.begin(), {"--programmverzeichnis", tmp.Pfad(), "seite"});
  std::ostringstream aus, meldung;
  const int code = CliAusfuehren(argumente, aus, meldung);
  return {code, aus.str(), meldung.str()};
}

TEST(CliSeite, SchreibtDokumentUndStatus) {
  test::TTempVerzeichnis tmp;
  const TLauf lauf = Lauf(tmp, {test::RohServer().Url("/gross?1000")});
  EXPECT_EQ(lauf.Code, 0) << lauf.Meldung;
  EXPECT_EQ(lauf.Aus, std::string(1000, 'x'));
  EXPECT_TRUE(lauf.Meldung.ends_with("HTTP 200 OK, 1000 Bytes\n")) << lauf.Meldung;

  const std::string datei = tmp.Pfad() + "seite.html";
  std::ofstream(datei) << "alt";
  const TLauf inDatei = Lauf(tmp, {test::RohServer().Url("/relativ"), "--ausgabe", datei});
  EXPECT_EQ(inDatei.Code, 0) << inDatei.Meldung;
  EXPECT_EQ(inDatei.Aus, "");
  std::stringstream inhalt;
  inhalt << std::ifstream(datei).rdbuf();
  EXPECT_TRUE(inhalt.str().starts_with("GET /echo?relativ HTTP/1.0\r\n")) << inhalt.str();
  EXPECT_NE(inDatei.Meldung.find("Weitergeleitet nach http://127.0.0.1:"), std::string::npos);
}

TEST(CliSeite, FehlerUndFalscherAufruf) {
  test::TTempVerzeichnis tmp;
  const std::string datei = tmp.Pfad() + "bleibt.html";
  std::ofstream(datei) << "alt";
  struct Fall {
    std::vector<std::string> argumente;
    int code;
    const char* meldung;
  };
  const Fall faelle[] = {
      {{test::RohServer().Url("/fehlt"), "--ausgabe", datei}, 1, "Not Found\n"},
      {{test::RohServer().Url("/kurz"), "--ausgabe", datei},
       1,
       "Dokument unvollständig: 10 von 100 Bytes empfangen\n"},
      {{}, 2, "Aufruf: morvane-cli seite URL [--ausgabe DATEI]\n"},
      {{"http://a/", "--unbekannt", "x"}, 2, "Aufruf: morvane-cli seite URL [--ausgabe DATEI]\n"},
  };
  for (const auto& f : faelle) {
    const TLauf lauf = Lauf(tmp, f.argumente);
    EXPECT_EQ(lauf.Code, f.code) << lauf.Meldung;
    EXPECT_TRUE(lauf.Meldung.ends_with(f.meldung)) << lauf.Meldung;
  }
  std::stringstream inhalt;
  inhalt << std::ifstream(datei).rdbuf();
  EXPECT_EQ(inhalt.str(), "alt");  // a failed download leaves the file alone
}

}  // namespace
}  // namespace morvane
