#pragma once

#include <bit>
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

constexpr std::uint64_t kMantisse = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t kExponent = std::uint64_t{0x7FF} << 52;
constexpr std::uint64_t kKopf = ~((std::uint64_t{1} << 27) - 1);  // sign, exponent, top 25 bits

// hoch - q*n exactly, as a rounded difference and its error, for a q within
// a few units of hoch / n and n below 2^26: n times either half of q's digits
// is exact, and hoch less the first product cancels exactly.
inline TZweiSumme KleinerRest(double hoch, double q, double n) {
  const double kopf = std::bit_cast<double>(std::bit_cast<std::uint64_t>(q) & kKopf);
  return ZweiSumme(hoch - kopf * n, -((q - kopf) * n));
}

// For an exactly known sum Hoch + Tief, n below 2^26 and q = Hoch / n
// rounded: replaces q by the sum's quotient rounded once where that is q or
// its neighbour. hoch - q*n is then a double (the remainder of a correctly
// rounded quotient), and so is the neighbour's; adding Tief rounds once, and
// that rounding keeps the remainder strictly inside q's rounding interval
// only if the exact one is (the interval's ends are doubles). False near a
// tie, at a power of two or for a lost remainder.
inline bool ExakterQuotient(const TSchaetzung& s, double n, double& q) {
  const auto [b, eb] = KleinerRest(s.Hoch, q, n);
  const auto bits = std::bit_cast<std::uint64_t>(q);
  if (eb != 0 || (bits & kMantisse) == 0) return false;
  const double einheit = std::bit_cast<double>(bits & kExponent) * 0x1p-52;
  const double halb = einheit * 0.5 * n;
  const double rest = b + s.Tief;
  if (rest < halb && rest > -halb) return true;
  // One unit over: q's remainder and the neighbour's are multiples of that
  // unit below 2^28 of them, so moving by n units is exact.
  const double schritt = rest > 0 ? einheit : -einheit;
  const double nachbar = q + schritt;
  if ((std::bit_cast<std::uint64_t>(nachbar) & kMantisse) == 0) return false;
  const double nachbarRest = (b - (rest > 0 ? 2 * halb : -2 * halb)) + s.Tief;
  if (!(nachbarRest < halb && nachbarRest > -halb)) return false;
  q = nachbar;
  return true;
}

// QuotientBelegen for every estimate, or nothing where it cannot prove it.
std::optional<double> BelegterQuotientAllgemein(TSchaetzung s, std::uint64_t teiler);

// The exact sum the estimate stands for divided by teiler, rounded once (to
// nearest, ties to even), into q where the estimate proves it: none near a
// tie unless the estimate is exact, for sums beyond 2^±900, and for teiler 0
// or above 2^53. An estimate that is exactly 0 gives +0. Exact estimates and
// small teilers, nearly all of them, are settled here without a call.
inline bool QuotientBelegen(const TSchaetzung& s, std::uint64_t teiler, double& q) {
  const double betrag = std::fabs(s.Hoch);
  if (s.Fehler == 0 && teiler - 1 < (std::uint64_t{1} << 26) - 1 && betrag >= 0x1p-900 &&
      betrag <= 0x1p900) {
    const auto n = static_cast<double>(teiler);
    q = s.Hoch / n;
    // IEEE division rounds an exactly known double sum once.
    if (s.Tief == 0 || ExakterQuotient(s, n, q)) return true;
  }
  const auto allgemein = BelegterQuotientAllgemein(s, teiler);
  if (allgemein) q = *allgemein;
  return allgemein.has_value();
}

// QuotientBelegen as an optional.
inline std::optional<double> BelegterQuotient(const TSchaetzung& s, std::uint64_t teiler) {
  double q;
  if (QuotientBelegen(s, teiler, q)) return q;
  return std::nullopt;
}

}  // namespace morvane
