#include "indicators/fenstersumme.h"

#include <bit>
#include <cassert>

#include "indicators/exaktsumme.h"

namespace morvane {

void TFenstersumme::Minus(double x) {
  assert(anfang_ < werte_.size() &&
         std::bit_cast<std::uint64_t>(werte_[anfang_]) == std::bit_cast<std::uint64_t>(x));
  schaetzung_.Plus(-x);
  ++anfang_;
  // Drop what left once it outweighs what is held.
  if (anfang_ >= 64 && 2 * anfang_ >= werte_.size()) {
    werte_.erase(werte_.begin(), werte_.begin() + static_cast<std::ptrdiff_t>(anfang_));
    anfang_ = 0;
  }
}

double TFenstersumme::Quotient(std::uint64_t teiler) const {
  double q;
  if (QuotientBelegen(schaetzung_.Schaetzung(), teiler, q)) return q;
  return Exakt(teiler);
}

double TFenstersumme::Exakt(std::uint64_t teiler) const {
  TExakteSumme summe;
  schaetzung_ = {};
  for (std::size_t i = anfang_; i < werte_.size(); ++i) {
    summe.Plus(werte_[i]);
    schaetzung_.Plus(werte_[i]);
  }
  return summe.Quotient(teiler);
}

}  // namespace morvane
