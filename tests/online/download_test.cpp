#include "online/download.h"

#include <gtest/gtest.h>

#include "store/einstellungen.h"
#include "testhilfe/serverprozess.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

using test::RohServer;

struct TLauf {
  test::TTempVerzeichnis tmp;
  TEinstellungen einstellungen{tmp.Pfad()};
  std::vector<std::string> status, protokoll;
  std::string dokument;

  TDownload::TErgebnis Laden(const std::string& anfrage,
                             const std::function<void(TDownload&)>& einrichten = {}) {
    TDownload d(einstellungen);
    d.OnStatus = [&](const std::string& s) { status.push_back(s); };
    d.Protokoll = [&](const std::string& z) { protokoll.push_back(z); };
    if (einrichten) einrichten(d);
    return d.Download(anfrage, [&](std::string_view s) { dokument += s; });
  }
};

TEST(Download, StatustexteUndAnmeldungAusDerAnfrage) {
  TLauf lauf;
  EXPECT_EQ(lauf.Laden(RohServer().Url("/gross?10")), TDownload::Fertig);
  EXPECT_EQ(lauf.status,
            (std::vector<std::string>{"Suche Host ...", "Mit Host verbunden. Fordere Seite an ...",
                                      "Empfangen: 10 von 10 Bytes."}));
  EXPECT_EQ(lauf.dokument, std::string(10, 'x'));

  EXPECT_EQ(lauf.Laden(RohServer().Url("/geschuetzt") + "\tanna\tgeheim"), TDownload::Fertig);
  EXPECT_TRUE(lauf.protokoll.empty());
  // Without tabs no credentials are sent; the failure goes to the log book
  // with the URL only.
  EXPECT_EQ(lauf.Laden(RohServer().Url("/geschuetzt")), TDownload::Fehlgeschlagen);
  EXPECT_EQ(lauf.protokoll, std::vector<std::string>{"EHttpException (Unauthorized) bei " +
                                                     RohServer().Url("/geschuetzt")});
}

TEST(Download, AbbruchUndTimer) {
  TLauf abbruch;
  EXPECT_EQ(abbruch.Laden(RohServer().Url("/endlos"),
                          [](TDownload& d) {
                            d.OnStatus = [&d](const std::string& s) {
                              if (s.starts_with("Empfangen")) d.Abbrechen();
                            };
                          }),
            TDownload::Abgebrochen);
  EXPECT_TRUE(abbruch.protokoll.empty());

  TLauf timer;
  timer.einstellungen.Timeout = 1;
  int pumpen = 0;
  EXPECT_EQ(
      timer.Laden(RohServer().Url("/stau?3"), [&](TDownload& d) { d.Pumpe = [&] { ++pumpen; }; }),
      TDownload::Fehlgeschlagen);
  EXPECT_EQ(timer.protokoll,
            std::vector<std::string>{"Online-Dialog: Timer abgelaufen, breche Download ab"});
  EXPECT_GT(pumpen, 10);
  EXPECT_EQ(timer.dokument, "anfang");
}

}  // namespace
}  // namespace morvane
