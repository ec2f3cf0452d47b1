#include "indicators/fensterextrem.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace morvane {
namespace {

std::uint64_t Bits(double x) {
  return std::bit_cast<std::uint64_t>(x);
}

TEST(Extreme, WieDieFaltungInReihenfolge) {
  // Few distinct values, so that ties, NaN and the infinities come up often;
  // windows of every length around the four chains, empty ones included.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<double> auswahl = {0.0, 1.5, -2.0, 3.25, nan, inf, -inf, 1.5, 7.0, -0.5};
  std::mt19937 zufall(3);
  std::uniform_int_distribution<std::size_t> wahl(0, auswahl.size() - 1);
  std::vector<double> werte(200);
  for (double& w : werte)
    w = auswahl[wahl(zufall)];
  for (const auto& [hoch, tief] :
       {std::pair{-inf, inf}, std::pair{1.5, 1.5}, std::pair{nan, nan}}) {
    for (int laenge = 0; laenge <= 13; ++laenge) {
      for (int von = 0; von + laenge <= std::ssize(werte); von += 7) {
        const int bis = von + laenge - 1;
        double h = hoch;
        double t = tief;
        for (int r = von; r <= bis; ++r) {
          h = std::max(h, werte[static_cast<std::size_t>(r)]);
          t = std::min(t, werte[static_cast<std::size_t>(r)]);
        }
        const auto [ist_h, ist_t] = Extreme(
            von, bis, hoch, tief, [&](int r) { return werte[static_cast<std::size_t>(r)]; });
        ASSERT_EQ(Bits(ist_h), Bits(h)) << von << ".." << bis << " ab " << hoch;
        ASSERT_EQ(Bits(ist_t), Bits(t)) << von << ".." << bis << " ab " << tief;
      }
    }
  }
}

}  // namespace
}  // namespace morvane
