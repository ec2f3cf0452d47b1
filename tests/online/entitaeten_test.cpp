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
  std::string tief = "&";
  for (int i = 0; i < 10000; ++i)
    tief += "amp;";
  const std::pair<std::string, std::string> faelle[] = {
      {"&amp;amp;x", "&x"},
      {"&amp;lt;", "&lt;"},          // "&lt;" had its turn before "&amp;" made it
      {"&amp;amp;amp;quot;", "\""},  // later kinds are replaced where "&amp;" made them
      {"&amp;&lt;", "&<"},
      {"x&amp;", "x&"},
      {"x&amp", "x&amp"},
      {"&copy;&LT;&Amp;&Auml&auml;", "&copy;&LT;&Amp;&Aumlä"},
      {tief + "lt;", "&lt;"},
      {tief + "ouml;", "ö"},
  };
  for (const auto& [ein, aus] : faelle)
    EXPECT_EQ(EntitaetenDekodieren(ein), aus) << ein.substr(0, 40);
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

}  // namespace
}  // namespace morvane
