#include "online/ui/onlinedialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "store/einstellungen.h"
#include "testhilfe/serverprozess.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

class OnlineDialog : public ::testing::Test {
 protected:
  test::TTempVerzeichnis tmp_;
  TEinstellungen einstellungen_{tmp_.Pfad()};
};

TEST_F(OnlineDialog, ZeigtQuelleUndStatus) {
  TOnlineDialog d(einstellungen_);
  EXPECT_EQ(d.windowTitle(), "Status der Kursaktualisierung");
  d.Progress("Testbörse", 5, 2, 1);
  EXPECT_TRUE(d.isVisible());
  QStringList texte;
  for (const QLabel* l : d.findChildren<QLabel*>())
    texte << l->text();
  EXPECT_TRUE(texte.contains("Testbörse"));
  EXPECT_TRUE(texte.contains("Adresse 2 von 5 (Lauf 1)"));
  EXPECT_EQ(d.findChild<QProgressBar*>()->maximum(), 5);
  EXPECT_EQ(d.findChild<QProgressBar*>()->value(), 2);
  std::string dokument;
  EXPECT_EQ(
      d.Download(test::RohServer().Url("/gross?7"), [&](std::string_view s) { dokument += s; }), 0);
  EXPECT_EQ(dokument, "xxxxxxx");
  texte.clear();
  for (const QLabel* l : d.findChildren<QLabel*>())
    texte << l->text();
  EXPECT_TRUE(texte.contains("Empfangen: 7 von 7 Bytes.")) << texte.join("|").toStdString();
}

TEST_F(OnlineDialog, AbbrechenWaehrendDesDownloads) {
  TOnlineDialog d(einstellungen_);
  d.Progress("Quelle", 1, 1, 1);
  std::vector<std::string> protokoll;
  d.Protokoll = [&](const std::string& z) { protokoll.push_back(z); };
  bool geklickt = false;
  EXPECT_EQ(d.Download(test::RohServer().Url("/endlos"),
                       [&](std::string_view) {
                         if (!geklickt) d.findChild<QPushButton*>()->click();
                         geklickt = true;
                       }),
            1);
  EXPECT_TRUE(protokoll.empty());
}

}  // namespace
}  // namespace morvane
