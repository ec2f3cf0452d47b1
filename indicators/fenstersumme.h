#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "indicators/schaetzung.h"

namespace morvane {

// The exact sum of a sliding window of doubles, read rounded once as
// TExakteSumme gives it: values leave in the order they entered. A running
// estimate settles nearly every read; where it cannot, the window's values
// are summed exactly and the estimate starts over from them.
class TFenstersumme {
 public:
  void Plus(double x) {
    schaetzung_.Plus(x);
    werte_.push_back(x);
  }
  // x must be the oldest value still held.
  void Minus(double x);

  double Wert() const { return Quotient(1); }
  // The sum divided by teiler, rounded once (teiler 0 as a floating-point
  // division).
  double Quotient(std::uint64_t teiler) const;

 private:
  double Exakt(std::uint64_t teiler) const;

  mutable TSchaetzsumme schaetzung_;
  std::vector<double> werte_;  // the window from anfang_ on
  std::size_t anfang_ = 0;
};

}  // namespace morvane
