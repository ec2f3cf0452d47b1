#include "indicators/schaetzung.h"

#include <bit>

namespace morvane {

namespace {

// Four times the unit roundoff: the margin every rounding bound here carries
// (bounds are also widened by it, against their own rounding).
constexpr double kFehlerfaktor = 0x1p-51;
// Sums the quotient accepts: quotients, products and their errors stay
// normal doubles.
constexpr double kKleinste = 0x1p-900;
constexpr double kGroesste = 0x1p900;

double Nachbar(double q, int richtung) {
  return std::bit_cast<double>(std::bit_cast<std::uint64_t>(q) +
                               static_cast<std::uint64_t>(richtung));
}

bool Gerade(double q) {
  return (std::bit_cast<std::uint64_t>(q) & 1u) == 0;
}

// hoch - q*n exactly, as a rounded difference and its error, for a q within
// a few units of hoch / n (so that hoch and the products nearly cancel).
TZweiSumme Rest(double hoch, double q, double n) {
  if (n < 0x1p26) return KleinerRest(hoch, q, n);
  const double p = q * n;
  return ZweiSumme(hoch - p, -std::fma(q, n, -p));
}

// Where the exact quotient lies against q: 0 inside q's rounding interval,
// +1/-1 beyond its upper/lower end, 2 on a tie resolved to the upper
// neighbour, -2 to the lower one, or nothing where the estimate cannot tell.
std::optional<int> Lage(const TSchaetzung& s, double n, double q) {
  // The remainder sum - q*n = r + er + eb (+ the estimate's error).
  const auto [b, eb] = Rest(s.Hoch, q, n);
  const auto [r, er] = ZweiSumme(b, s.Tief);
  const double oben = Nachbar(q, 1);
  const double unten = Nachbar(q, -1);
  const double halbOben = (oben - q) * n * 0.5;  // exact: n below 2^53
  const double halbUnten = (q - unten) * n * 0.5;
  if (s.Fehler == 0 && eb == 0 && er == 0) {
    // The remainder is exactly r.
    if (r == halbOben) return Gerade(q) ? 0 : 2;
    if (r == -halbUnten) return Gerade(q) ? 0 : -2;
    return r > halbOben ? 1 : r < -halbUnten ? -1 : 0;
  }
  const double grenze = (s.Fehler + std::fabs(eb) + std::fabs(er)) * (1 + kFehlerfaktor) +
                        kFehlerfaktor * std::fabs(r);
  if (halbOben - r > grenze && r + halbUnten > grenze) return 0;
  if (r - halbOben > grenze) return 1;
  if (-halbUnten - r > grenze) return -1;
  return std::nullopt;
}

// The common case in one check: the remainder (into `rest`) lies well inside
// q's rounding interval, which is n units wide around q unless q is a power
// of two.
bool KlarInnen(const TSchaetzung& s, double n, double q, double& rest) {
  const auto [b, eb] = Rest(s.Hoch, q, n);
  rest = b + s.Tief;
  const auto bits = std::bit_cast<std::uint64_t>(q);
  if ((bits & kMantisse) == 0) return false;
  const double grenze =
      (s.Fehler + std::fabs(eb)) * (1 + kFehlerfaktor) + kFehlerfaktor * std::fabs(rest);
  const double einheit = std::bit_cast<double>(bits & kExponent) * 0x1p-52;
  return std::fabs(rest) + grenze < einheit * n * 0.5;
}

}  // namespace

std::optional<double> BelegterQuotientAllgemein(TSchaetzung s, std::uint64_t teiler) {
  if (teiler == 0 || teiler > (std::uint64_t{1} << 53)) return std::nullopt;
  if (s.Hoch == 0 && s.Tief == 0 && s.Fehler == 0) return 0.0;
  const bool negativ = s.Hoch < 0;
  if (negativ) {
    s.Hoch = -s.Hoch;
    s.Tief = -s.Tief;
  }
  if (!(s.Hoch >= kKleinste && s.Hoch <= kGroesste)) return std::nullopt;
  const auto n = static_cast<double>(teiler);
  double q = s.Hoch / n;
  // hoch / n may be a unit off the quotient of hoch + tief: one correction
  // step from the remainder mostly finds it.
  for (int versuch = 0; versuch < 2; ++versuch) {
    double rest;
    if (KlarInnen(s, n, q, rest)) return negativ ? -q : q;
    if (versuch == 0) q += rest / n;
  }
  // q is off by at most a unit or so: move it at most twice.
  for (int schritt = 0; schritt < 3; ++schritt) {
    const auto lage = Lage(s, n, q);
    if (!lage) return std::nullopt;
    if (*lage == 0 || *lage == 2 || *lage == -2) {
      const double ergebnis = *lage == 0 ? q : Nachbar(q, *lage / 2);
      return negativ ? -ergebnis : ergebnis;
    }
    q = Nachbar(q, *lage);
  }
  return std::nullopt;
}

}  // namespace morvane
