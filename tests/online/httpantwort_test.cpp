#include "online/httpantwort.h"

#include <gtest/gtest.h>

#include "online/httpfehler.h"
#include "testhilfe/ausnahme.h"

namespace morvane {
namespace {

// Feeds `text` in two pieces split at `schnitt` and returns the document.
std::string Lesen(THttpAntwort& antwort, std::string_view text, std::size_t schnitt) {
  std::string dokument;
  const auto senke = [&](std::string_view s) { dokument += s; };
  antwort.Fuettern(text.substr(0, schnitt), senke);
  antwort.Fuettern(text.substr(schnitt), senke);
  return dokument;
}

TEST(HttpAntwort, GleichesErgebnisBeiJedemSchnitt) {
  const std::string text =
      "HTTP/1.1 200 OK fine\r\nContent-Type: Text/HTML; charset=x\r\ncontent-length: 7\r\n"
      "WWW-Authenticate: Basic a\r\nwww-authenticate:  Digest b \r\nX: y\r\n\r\nab\r\n\ncd";
  for (std::size_t schnitt = 0; schnitt <= text.size(); ++schnitt) {
    THttpAntwort antwort;
    EXPECT_EQ(Lesen(antwort, text, schnitt), "ab\r\n\ncd") << schnitt;
    EXPECT_EQ(antwort.Phase(), THttpAntwort::TPhase::Rumpf);
    const THttpKopf& k = antwort.Kopf();
    EXPECT_EQ(k.Status, 200);
    EXPECT_EQ(k.Grund, "OK fine");
    EXPECT_EQ(k.Laenge, 7);
    EXPECT_EQ(k.Inhaltstyp, "text/html; charset=x");
    EXPECT_EQ(k.Authentifizierung, (std::vector<std::string>{"Basic a", "Digest b"}));
  }
}

TEST(HttpAntwort, OhneKopfIstAllesDokument) {
  const std::string text = "<Html>\n<p>x</p>\r\n";
  for (std::size_t schnitt = 0; schnitt <= text.size(); ++schnitt) {
    THttpAntwort antwort;
    EXPECT_EQ(Lesen(antwort, text, schnitt), text) << schnitt;
    EXPECT_EQ(antwort.Kopf().Inhaltstyp, "text/html");
  }
}

TEST(HttpAntwort, FehlerstatusUndWeiterleitungBeendenVorDemDokument) {
  struct Fall {
    const char* text;
    int status;
    const char* ort;
  };
  const Fall faelle[] = {
      {"HTTP/1.0 404 Not Found\r\nX: y\r\n\r\nKoerper", 404, ""},
      {"HTTP/1.0 302 Found\r\nLocation: /neu\r\n\r\nKoerper", 302, "/neu"},
      {"HTTP/1.0 200 OK\r\nLocation: /neu\r\n\r\nKoerper", 200, "/neu"},
  };
  for (const auto& f : faelle) {
    THttpAntwort antwort;
    std::string dokument;
    antwort.Fuettern(f.text, [&](std::string_view s) { dokument += s; });
    EXPECT_EQ(antwort.Phase(), THttpAntwort::TPhase::Fertig) << f.text;
    EXPECT_EQ(antwort.Kopf().Status, f.status);
    EXPECT_EQ(antwort.Kopf().Ort, f.ort);
    EXPECT_EQ(dokument, "");
  }
}

TEST(HttpAntwort, WeistUnlesbareAntwortenAb) {
  const auto nichts = [](std::string_view) {};
  struct Fall {
    std::string text;
    const char* meldung;
  };
  const Fall faelle[] = {
      {std::string(THttpAntwort::MaxZeile + 1, 'a'), "HTTP-Zeile zu lang"},
      {"HTTP/1.1 2x0 OK\r\n", "Ungültige Statuszeile: HTTP/1.1 2x0 OK"},
      {"HTTP/1.1\r\n", "Ungültige Statuszeile: HTTP/1.1"},
      {"Server: x\r\n\r\n", "Antwort ohne Statuszeile"},
  };
  for (const auto& f : faelle) {
    THttpAntwort antwort;
    EXPECT_THROW_MSG(antwort.Fuettern(f.text, nichts), EHttpException, f.meldung);
  }
  // Many short lines may not add up to an unbounded header either.
  THttpAntwort antwort;
  antwort.Fuettern("HTTP/1.0 200 OK\r\n", nichts);
  const std::string zeile = "X-Fuell: " + std::string(1000, 'f') + "\r\n";
  EXPECT_THROW_MSG(for (int i = 0; i < 1000; ++i) antwort.Fuettern(zeile, nichts), EHttpException,
                   "Kopf der Antwort zu groß");
}

}  // namespace
}  // namespace morvane
