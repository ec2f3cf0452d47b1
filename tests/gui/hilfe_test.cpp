#include "platform/hilfe.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>
#include <QUrl>
#include <filesystem>

#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

std::string Normal(const fs::path& p) {
  return p.lexically_normal().string();
}

// Two help folders: "a" holds index.html and chart.html, "b ü" (a blank and an
// umlaut in the path) holds index.html and depotlisten.html.
class HilfeAdresseTest : public testing::Test {
 protected:
  void SetUp() override {
    tmp_.Schreibe("a/index.html", "a");
    tmp_.Schreibe("a/chart.html", "a");
    tmp_.Schreibe("b ü/index.html", "b");
    tmp_.Schreibe("b ü/depotlisten.html", "b");
    tmp_.Schreibe("b ü/unterordner/x.html", "b");
  }
  std::vector<std::string> Orte() const { return {tmp_.Datei("a"), tmp_.Datei("b ü")}; }
  std::string Url(const std::string& datei, const std::string& anker = "") const {
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(tmp_.Datei(datei)));
    if (!anker.empty()) url.setFragment(QString::fromStdString(anker));
    return url.toString(QUrl::FullyEncoded).toStdString();
  }
  test::TTempVerzeichnis tmp_;
};

TEST_F(HilfeAdresseTest, FirstFolderHoldingThePageWins) {
  const struct {
    std::string seite, datei, anker, warum;
  } faelle[] = {
      {"index.html", "a/index.html", "", "both hold it: the first folder wins"},
      {"depotlisten.html", "b ü/depotlisten.html", "", "only the second holds it"},
      {"chart.html#tastatur", "a/chart.html", "tastatur", "the anchor stays on the URL"},
      {"unterordner/x.html", "b ü/unterordner/x.html", "", "a page below the help folder"},
  };
  for (const auto& f : faelle) {
    const std::string adresse = HilfeAdresse(Orte(), f.seite);
    EXPECT_EQ(adresse, Url(f.datei, f.anker)) << f.seite << ": " << f.warum;
    // The encoded URL leads back to the very file, blank and umlaut included.
    EXPECT_EQ(QUrl(QString::fromStdString(adresse)).toLocalFile().toStdString(),
              tmp_.Datei(f.datei))
        << f.seite;
  }
}

TEST_F(HilfeAdresseTest, MissingPageNamesEverySearchedPath) {
  EXPECT_THROW_MSG(HilfeAdresse(Orte(), "zeitsteuerung.html#x"), EHilfe,
                   "Die Hilfeseite 'zeitsteuerung.html' wurde nicht gefunden; gesucht in: '" +
                       tmp_.Datei("a/zeitsteuerung.html") + "', '" +
                       tmp_.Datei("b ü/zeitsteuerung.html") + "'.");
  // A folder with the page's name is no page.
  EXPECT_THROW(HilfeAdresse(Orte(), "unterordner"), EHilfe);
  EXPECT_THROW_MSG(HilfeAdresse({}, "index.html"), EHilfe,
                   "Die Hilfe wurde nicht gefunden: kein Hilfeverzeichnis bekannt.");
}

TEST_F(HilfeAdresseTest, PageNamesLeavingTheHelpFolderAreRefused) {
  tmp_.Schreibe("geheim.html", "nicht Teil der Hilfe");
  for (const std::string seite :
       {"", "#anker", "../geheim.html", "unterordner/../../geheim.html", "/etc/passwd"}) {
    SCOPED_TRACE(seite);
    EXPECT_THROW_MSG(HilfeAdresse(Orte(), seite), EHilfe, "Ungültige Hilfeseite '" + seite + "'.");
  }
}

TEST(HilfeVerzeichnisse, ProgramDirectoryFirstThenBesideTheExecutableThenSourceTree) {
  const fs::path programm = QCoreApplication::applicationDirPath().toStdString();
  const auto orte = HilfeVerzeichnisse("/opt/morvane/./daten/");
  ASSERT_EQ(orte.size(), 4u);
  EXPECT_EQ(orte[0], "/opt/morvane/daten/hilfe");
  EXPECT_EQ(orte[1], Normal(programm / "hilfe"));
  EXPECT_EQ(orte[2], Normal(programm.parent_path() / "share" / "morvane" / "hilfe"));
  EXPECT_TRUE(fs::is_regular_file(fs::path(orte[3]) / "index.html")) << orte[3];

  // The program directory being the executable's own is searched once.
  EXPECT_EQ(HilfeVerzeichnisse(programm.string()).size(), 3u);
  EXPECT_EQ(HilfeVerzeichnisse("").front(), orte[1]);
}

TEST(HilfeOeffnen, MissingPageIsReportedBeforeAnythingOpens) {
  const auto orte = HilfeVerzeichnisse("/nirgends");
  std::string gesucht;
  for (const auto& ort : orte)
    gesucht += (gesucht.empty() ? "'" : ", '") + ort + "/fehlt.html'";
  EXPECT_THROW_MSG(
      HilfeOeffnen("/nirgends", "fehlt.html"), EHilfe,
      "Die Hilfeseite 'fehlt.html' wurde nicht gefunden; gesucht in: " + gesucht + ".");
}

TEST(HilfeOeffnen, DesktopWithoutBrowserIsAnErrorNamingThePage) {
  // The offscreen platform has no desktop services: opening must fail loudly
  // rather than pass for success.
  if (QGuiApplication::platformName() != "offscreen") GTEST_SKIP() << "needs offscreen";
  const std::string seite = HilfeVerzeichnisse("/nirgends").back() + "/chart.html";
  EXPECT_THROW_MSG(HilfeOeffnen("/nirgends", "chart.html#tastatur"), EHilfe,
                   "Die Hilfe '" + seite +
                       "' konnte nicht geöffnet werden. Bitte öffnen Sie die Datei in Ihrem "
                       "Browser.");
}

}  // namespace
}  // namespace morvane
