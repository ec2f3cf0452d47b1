#include "online/entitaeten.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <utility>

namespace morvane {
namespace {

// The rule written out plainly: each kind in turn, replaced until it no longer
// occurs. Quadratic in the nesting depth, but obviously right.
std::string KindFuerKind(std::string text) {
  static constexpr std::pair<std::string_view, std::string_view> kArten[] = {
      {"&lt;", "<"},   {"&gt;", ">"},    {"&amp;", "&"},  {"&quot;", "\""},
      {"&nbsp;", " "}, {"&szlig;", "ß"}, {"&auml;", "ä"}, {"&Auml;", "Ä"},
      {"&ouml;", "ö"}, {"&Ouml;", "Ö"},  {"&uuml;", "ü"}, {"&Uuml;", "Ü"},
  };
  for (const auto& [name, zeichen] : kArten) {
    for (auto pos = text.find(name); pos != std::string::npos; pos = text.find(name))
      text.replace(pos, name.size(), zeichen);
  }
  return text;
}

TEST(Entitaeten, NestingAndEnds) {
  const std::pair<std::string, std::string> faelle[] = {
      {"&amp;amp;x", "&x"},
      {"&amp;lt;", "&lt;"},  // "&lt;" had its turn before "&amp;" made it
      {"&amp;amp;gt;", "&gt;"},
      {"&amp;quot;", "\""},  // later kinds are replaced where "&amp;" made them
      {"&amp;amp;amp;Uuml;", "Ü"},
      {"&amp;&lt;", "&<"},
      {"&&lt;", "&<"},
      {"&amp;amp", "&amp"},
      {"x&amp;", "x&"},
      {"x&amp", "x&amp"},
      {"&", "&"},
      {"&;amp;", "&;amp;"},
      {"&copy;&LT;&Amp;&auml", "&copy;&LT;&Amp;&auml"},
      {"&Auml&auml;", "&Aumlä"},
      {"M&uuml;ller&nbsp;&amp;&nbsp;S&ouml;hne", "Müller & Söhne"},
      {"", ""},
  };
  for (const auto& [ein, aus] : faelle) {
    EXPECT_EQ(EntitaetenDekodieren(ein), aus) << ein;
    EXPECT_EQ(KindFuerKind(ein), aus) << ein;
  }
}

TEST(Entitaeten, SameAsKindByKindOnRandomTexts) {
  const std::string_view stuecke[] = {"&", "amp;", "lt;", "gt;", "quot;", "nbsp;", "uml;",
                                      "a", "m",    "p",   ";",   "A",     "o",     "ä"};
  std::mt19937 zufall(4711);
  std::uniform_int_distribution<std::size_t> stueck(0, std::size(stuecke) - 1);
  std::uniform_int_distribution<int> laenge(0, 30);
  for (int i = 0; i < 5000; ++i) {
    std::string text;
    for (int n = laenge(zufall); n > 0; --n)
      text += stuecke[stueck(zufall)];
    ASSERT_EQ(EntitaetenDekodieren(text), KindFuerKind(text)) << text;
  }
}

TEST(Entitaeten, DeepNestingBecomesOneAmpersand) {
  std::string text = "&";
  for (int i = 0; i < 10000; ++i)
    text += "amp;";
  EXPECT_EQ(EntitaetenDekodieren(text + "lt;"), "&lt;");
  EXPECT_EQ(EntitaetenDekodieren(text + "ouml;"), "ö");
}

}  // namespace
}  // namespace morvane
