#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace morvane {

// {highest, lowest} of wert(von)..wert(bis), started from hoch and tief and
// taken with std::max and std::min, so that NaN never counts. Where values
// that compare equal have the same bits (no 0 beside -0) the order of the
// comparisons does not matter, and four running extremes side by side leave
// the processor four independent chains instead of one long one.
template <typename Wert>
std::pair<double, double> Extreme(int von, int bis, double hoch, double tief, Wert wert) {
  std::array<double, 4> h;
  std::array<double, 4> t;
  h.fill(hoch);
  t.fill(tief);
  int r = von;
  for (; r + 3 <= bis; r += 4) {
    for (int j = 0; j < 4; ++j) {
      const double w = wert(r + j);
      h[static_cast<std::size_t>(j)] = std::max(h[static_cast<std::size_t>(j)], w);
      t[static_cast<std::size_t>(j)] = std::min(t[static_cast<std::size_t>(j)], w);
    }
  }
  for (; r <= bis; ++r) {
    const double w = wert(r);
    h[0] = std::max(h[0], w);
    t[0] = std::min(t[0], w);
  }
  return {std::max(std::max(h[0], h[1]), std::max(h[2], h[3])),
          std::min(std::min(t[0], t[1]), std::min(t[2], t[3]))};
}

}  // namespace morvane
