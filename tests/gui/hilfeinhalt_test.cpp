// The shipped help: every page well-formed enough for any browser, every link
// and anchor leading somewhere, nothing fetched from outside.
#include <gtest/gtest.h>

#include <QStringDecoder>
#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "platform/hilfe.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

// The source tree's help folder, as the build tree finds it.
fs::path Quelle() {
  return HilfeVerzeichnisse("").back();
}

std::map<std::string, std::string> Seiten() {
  std::map<std::string, std::string> seiten;
  for (const auto& eintrag : fs::directory_iterator(Quelle())) {
    if (eintrag.path().extension() == ".html") {
      seiten[eintrag.path().filename().string()] = test::DateiInhalt(eintrag.path().string());
    }
  }
  return seiten;
}

std::vector<std::string> Treffer(const std::string& text, const std::regex& muster) {
  std::vector<std::string> ergebnis;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), muster);
       it != std::sregex_iterator(); ++it) {
    ergebnis.push_back((*it)[1].str());
  }
  return ergebnis;
}

TEST(HilfeInhalt, IndexListsEveryTopicPage) {
  const auto seiten = Seiten();
  const std::set<std::string> themen = {"erste-schritte.html", "chart.html",
                                        "indikatoren.html",    "kursquellen.html",
                                        "depotlisten.html",    "zeitsteuerung.html"};
  ASSERT_TRUE(seiten.count("index.html"));
  std::set<std::string> verlinkt;
  for (const auto& ziel : Treffer(seiten.at("index.html"), std::regex(R"(href="([^"#]+))")))
    verlinkt.insert(ziel);
  for (const auto& thema : themen)
    EXPECT_TRUE(verlinkt.count(thema)) << thema;
  // No page lies in the folder unreachable from the contents.
  for (const auto& [name, inhalt] : seiten) {
    if (name != "index.html") {
      EXPECT_TRUE(themen.count(name)) << name;
    }
  }
}

TEST(HilfeInhalt, PagesAreGermanUtf8HtmlWithTheStyleSheet) {
  EXPECT_TRUE(fs::is_regular_file(Quelle() / "hilfe.css"));
  for (const auto& [name, inhalt] : Seiten()) {
    SCOPED_TRACE(name);
    EXPECT_EQ(inhalt.rfind("<!DOCTYPE html>\n<html lang=\"de\">", 0), 0u);
    EXPECT_NE(inhalt.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(inhalt.find("<link rel=\"stylesheet\" href=\"hilfe.css\">"), std::string::npos);
    EXPECT_NE(inhalt.find("</html>"), std::string::npos);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(QByteArrayView(inhalt.data(), qsizetype(inhalt.size())));
    EXPECT_FALSE(utf8.hasError());
    EXPECT_FALSE(text.isEmpty());
  }
}

TEST(HilfeInhalt, EveryLinkAndAnchorResolvesInsideTheFolder) {
  const auto seiten = Seiten();
  const std::regex verweis(R"re((?:href|src)="([^"]*)")re");
  const std::regex kennung(R"re(id="([^"]+)")re");
  int geprueft = 0;
  for (const auto& [name, inhalt] : seiten) {
    for (const std::string& ziel : Treffer(inhalt, verweis)) {
      SCOPED_TRACE(name + " -> " + ziel);
      ASSERT_EQ(ziel.find(':'), std::string::npos) << "no outside resource, no scheme";
      const auto raute = ziel.find('#');
      const std::string datei = raute == 0 ? name : ziel.substr(0, raute);
      ASSERT_TRUE(fs::is_regular_file(Quelle() / datei));
      if (raute != std::string::npos) {
        const auto ids = Treffer(seiten.at(datei), kennung);
        EXPECT_NE(std::find(ids.begin(), ids.end(), ziel.substr(raute + 1)), ids.end());
      }
      ++geprueft;
    }
  }
  EXPECT_GT(geprueft, 20);
}

}  // namespace
}  // namespace morvane
