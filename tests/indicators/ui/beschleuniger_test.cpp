#include "indicators/ui/beschleuniger.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(Beschleuniger, ErsterFreierBuchstabeUndVerdoppeltesUnd) {
  const std::vector<std::string> texte = {
      "Linie", "Liste", "lila", "Signal & Linie", "n1:", "n2:", "n2:", "-", ""};
  std::string belegt = "H";
  EXPECT_EQ(MitBeschleunigern(texte, belegt),
            (std::vector<std::string>{"&Linie", "L&iste", "lil&a", "&Signal && Linie",
                                      "&n1:", "n&2:", "n2:", "-", ""}));
  EXPECT_EQ(belegt, "hliasn2");
  std::string voll = "abcdefghijklmnopqrstuvwxyz";
  EXPECT_EQ(MitBeschleunigern(std::vector<std::string>{"Xy"}, voll),
            std::vector<std::string>{"Xy"});
  EXPECT_EQ(OhneBeschleuniger("A & B"), "A && B");
}

}  // namespace
}  // namespace morvane
