#include "online/ui/fensterumgebung.h"

#include <gtest/gtest.h>

#include <QPushButton>

#include "online/internetverbindung.h"
#include "online/ui/onlinedialog.h"
#include "store/einstellungen.h"
#include "store/logbuch.h"
#include "testhilfe/qt/dialogtesthilfe.h"
#include "testhilfe/serverprozess.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

class FensterUmgebung : public testing::Test {
 protected:
  TFensterUmgebung& Neu() {
    umgebung_ = std::make_unique<TFensterUmgebung>(einstellungen_, logbuch_, verbindung_, nullptr,
                                                   [this](bool g) { sperren_.push_back(g); });
    return *umgebung_;
  }

  test::TTempVerzeichnis tmp_;
  TEinstellungen einstellungen_{tmp_.Pfad()};
  TLogbuch logbuch_{einstellungen_};
  TInternetVerbindung verbindung_;
  std::vector<bool> sperren_;
  std::unique_ptr<TFensterUmgebung> umgebung_;
};

TEST_F(FensterUmgebung, TheWindowIsLockedForTheObjectsLifeAndNestedLocksDoNotReachIt) {
  TFensterUmgebung& u = Neu();
  EXPECT_EQ(sperren_, std::vector<bool>{true});
  u.Sperren(true);  // as the run does
  u.Sperren(false);
  u.Sperren(true);
  EXPECT_EQ(sperren_, std::vector<bool>{true});
  umgebung_.reset();  // an unbalanced lock (an exception in the run) is released too
  EXPECT_EQ(sperren_, (std::vector<bool>{true, false}));
}

TEST_F(FensterUmgebung, FetchesWithTheAgentAndHandsBackStatusAndContentType) {
  TFensterUmgebung& u = Neu();
  std::string seite;
  TSeitenabruf abruf = u.Abrufen(test::RohServer().Url("/echo"), "Testbrowser/2",
                                 [&](std::string_view s) { seite += s; });
  EXPECT_EQ(abruf.Ergebnis, TDownload::Fertig);
  EXPECT_EQ(abruf.Status, 200);
  EXPECT_EQ(abruf.Inhaltstyp, "text/plain");
  EXPECT_NE(seite.find("User-Agent: Testbrowser/2\r\n"), std::string::npos) << seite;
  abruf = u.Abrufen(test::RohServer().Url("/fehlt"), "x", [](std::string_view) {});
  EXPECT_EQ(abruf.Status, 404);
}

TEST_F(FensterUmgebung, AnAbortHoldsForEveryLaterDownload) {
  TFensterUmgebung& u = Neu();
  u.Fortschritt("Testquelle", 2, 1, 1);
  EXPECT_TRUE(u.Dialog().isVisible());
  test::BildSpeichern(u.Dialog(), "onlinedialog-fortschritt");
  EXPECT_EQ(u.Abrufen(test::RohServer().Url("/endlos"), "x",
                      [&](std::string_view) { u.Dialog().findChild<QPushButton*>()->click(); })
                .Ergebnis,
            TDownload::Abgebrochen);
  EXPECT_TRUE(u.Abgebrochen());
  bool angefragt = false;
  EXPECT_EQ(
      u.Abrufen(test::RohServer().Url("/echo"), "x", [&](std::string_view) { angefragt = true; })
          .Ergebnis,
      TDownload::Abgebrochen);
  EXPECT_FALSE(angefragt);
}

TEST_F(FensterUmgebung, MessagesBreakTheirLinesInABoxOverTheProgressWindow) {
  TFensterUmgebung& u = Neu();
  u.Status("Bereite Kursaktualisierung vor ...");
  const QString text = test::Meldung([&] { u.Meldung("Erste Zeile.\rZweite Zeile."); });
  EXPECT_EQ(text, "Erste Zeile.\nZweite Zeile.");
  test::BildSpeichern(u.Dialog(), "onlinedialog");
}

}  // namespace
}  // namespace morvane
