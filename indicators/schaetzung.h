#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace morvane {

// A floating-point estimate of an exact sum: the sum lies within Fehler of
// Hoch + Tief.
struct TSchaetzung {
  double Hoch = 0;
  double Tief = 0;
  double Fehler = 0;
};

// a + b as the rounded sum and its error, exactly (without overflow).
struct TZweiSumme {
  double Summe;
  double Rest;
};
inline TZweiSumme ZweiSumme(double a, double b) {
  const double s = a + b;
  const double b2 = s - a;
  return {s, (a - (s - b2)) + (b - b2)};
}

// A running sum of doubles as two doubles, with a bound on how far they lie
// from the exact sum: far cheaper than the exact sum, and enough to round
// most quotients of it once.
class TSchaetzsumme {
 public:
  void Plus(double x) {
    const auto [s, e] = ZweiSumme(hoch_, x);
    const auto [t, f] = ZweiSumme(tief_, e);
    hoch_ = s;
    tief_ = t;
    fehler_ += std::fabs(f);
  }
  // x*y, this += andere and this -= andere, each exactly up to the tracked
  // error. A product so small that its error may fall below the doubles
  // makes the estimate useless until it starts over.
  void PlusProdukt(double x, double y) {
    const double p = x * y;
    Plus(p);
    Plus(std::fma(x, y, -p));
    if (p != 0 && std::fabs(p) < 0x1p-960) fehler_ = std::numeric_limits<double>::infinity();
  }
  void Plus(const TSchaetzsumme& andere) {
    Plus(andere.hoch_);
    Plus(andere.tief_);
    fehler_ += andere.fehler_;
  }
  void Minus(const TSchaetzsumme& andere) {
    Plus(-andere.hoch_);
    Plus(-andere.tief_);
    fehler_ += andere.fehler_;
  }
  TSchaetzung Schaetzung() const {
    const auto [h, t] = ZweiSumme(hoch_, tief_);
    // fehler_ sums exactly known losses; its own rounding stays far below
    // this margin for any number of additions below 2^30.
    return {h, t, fehler_ * (1 + 0x1p-20)};
  }

 private:
  double hoch_ = 0;
  double tief_ = 0;
  double fehler_ = 0;  // sum of the magnitudes the low part lost
};

// The exact sum the estimate stands for divided by teiler, rounded once (to
// nearest, ties to even), where the estimate proves it: none near a tie
// unless the estimate is exact, for sums beyond 2^±900, and for teiler 0 or
// above 2^53. An estimate that is exactly 0 gives +0.
std::optional<double> BelegterQuotient(TSchaetzung s, std::uint64_t teiler);

}  // namespace morvane
