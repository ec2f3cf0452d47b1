#include "indicators/ui/beschleuniger.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(Beschleuniger, ErsterFreierBuchstabeUndVerdoppeltesUnd) {
  const std::vector<std::string> texte = {"Linie", "Liste", "lila", "Signal & Linie", "123", ""};
  std::string belegt = "H";
  EXPECT_EQ(MitBeschleunigern(texte, belegt),
            (std::vector<std::string>{"&Linie", "L&iste", "lil&a", "&Signal && Linie", "123", ""}));
  EXPECT_EQ(belegt, "hlias");
  std::string voll = "abcdefghijklmnopqrstuvwxyz";
  EXPECT_EQ(MitBeschleunigern(std::vector<std::string>{"Xy"}, voll),
            std::vector<std::string>{"Xy"});
  EXPECT_EQ(OhneBeschleuniger("A & B"), "A && B");
}

}  // namespace
}  // namespace morvane
