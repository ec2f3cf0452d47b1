#include "indicators/festkomma.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "indicators/exaktsumme.h"

namespace morvane {

namespace {

using TNatuerlich = unsigned __int128;

int Bitbreite(TNatuerlich a) {
  const auto hoch = static_cast<std::uint64_t>(a >> 64);
  return static_cast<int>(hoch != 0 ? 64 + std::bit_width(hoch)
                                    : std::bit_width(static_cast<std::uint64_t>(a)));
}

// The exact quotient through TExakteSumme, for what the fast way leaves.
double ExaktGeteilt(TNatuerlich a, bool negativ, int einheit, std::uint64_t teiler) {
  TExakteSumme summe;
  constexpr std::uint64_t kTeil = (std::uint64_t{1} << 48) - 1;
  // Every part has at most 48 bits at a weight of 2^-1074 or more: exact.
  for (int stelle = 0; a != 0; stelle += 48, a >>= 48) {
    const double teil =
        std::ldexp(static_cast<double>(static_cast<std::uint64_t>(a) & kTeil), einheit + stelle);
    summe.Plus(negativ ? -teil : teil);
  }
  return summe.Quotient(teiler);
}

bool Passt(int unten, int oben, std::uint64_t gewicht) {
  const auto breite = static_cast<int>(std::bit_width(gewicht));
  return oben - unten + breite <= kGanzStellen && oben + breite <= 1000;
}

// The coarsest unit, from every value's lowest digit.
std::optional<int> KleinsteStelle(std::span<const double> werte, std::uint64_t gewicht) {
  int unten = INT_MAX;
  int oben = INT_MIN;
  for (const double v : werte) {
    const TZerlegung z = Zerlegen(v);
    if (z.Mantisse == 0) continue;
    unten = std::min(unten, z.Exponent + std::countr_zero(z.Mantisse));
    oben = std::max(oben, z.Exponent + static_cast<int>(std::bit_width(z.Mantisse)));
  }
  if (oben == INT_MIN) return 0;
  if (!Passt(unten, oben, gewicht)) return std::nullopt;
  return unten;
}

}  // namespace

std::optional<int> GemeinsameEinheit(std::span<const double> werte, std::uint64_t gewicht) {
  // First from the exponents alone, a few instructions a value: the lowest
  // digit of a value lies at or above its exponent's last place. Only where
  // that spans too far do the lowest digits themselves count.
  std::uint64_t unten = 0x7FF;
  std::uint64_t oben = 0;
  bool endlich = true;
  for (const double v : werte) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(v) & ~(std::uint64_t{1} << 63);
    const std::uint64_t e = bits >> 52;
    endlich = endlich && e != 0x7FF;
    if (bits == 0) continue;
    unten = std::min(unten, e);
    oben = std::max(oben, e);
  }
  if (!endlich) return std::nullopt;
  if (oben == 0 && unten == 0x7FF) return 0;
  // A subnormal's last place is that of the smallest exponent.
  const int einheit = static_cast<int>(std::max<std::uint64_t>(unten, 1)) - 1075;
  if (Passt(einheit, static_cast<int>(std::max<std::uint64_t>(oben, 1)) - 1022, gewicht))
    return einheit;
  return KleinsteStelle(werte, gewicht);
}

std::optional<TGanz> AlsGanz(double v, int einheit) {
  if (!std::isfinite(v)) return std::nullopt;
  const TZerlegung z = Zerlegen(v);
  if (z.Mantisse == 0) return 0;
  if (z.Exponent + std::countr_zero(z.Mantisse) < einheit ||
      z.Exponent + static_cast<int>(std::bit_width(z.Mantisse)) > einheit + kGanzStellen - 33)
    return std::nullopt;
  return InEinheiten(v, einheit);
}

double GanzQuotientAllgemein(TGanz z, int einheit, std::uint64_t teiler) {
  if (z == 0) return 0.0;
  const bool negativ = z < 0;
  const TNatuerlich a = negativ ? -static_cast<TNatuerlich>(z) : static_cast<TNatuerlich>(z);
  const double schaetzung = Naeherung(a) / static_cast<double>(teiler);
  const auto bits = std::bit_cast<std::uint64_t>(schaetzung);
  const int f = static_cast<int>(bits >> 52) - 1075;  // the estimate's unit, 2^f
  auto m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  // a - m * teiler * 2^f in units of 2^min(f, 0) is below four times h, one
  // unit of the quotient times teiler: with h below 2^60 it is exact in
  // 64-bit arithmetic modulo 2^64. It must end within half of h.
  const int links = std::max(-f, 0);
  const int rechts = std::max(f, 0);
  if (Bitbreite(a) > kGanzStellen || links > 63 ||
      static_cast<int>(std::bit_width(teiler)) + rechts > 60 || einheit + f < -1000 ||
      einheit + f > 960)
    return ExaktGeteilt(a, negativ, einheit, teiler);
  const auto h = static_cast<std::int64_t>(teiler << rechts);
  auto d = static_cast<std::int64_t>((static_cast<std::uint64_t>(a) << links) -
                                     ((m * teiler) << rechts));
  for (int schritt = 0; 2 * d > h || 2 * d < -h; ++schritt) {
    if (schritt == 4) return ExaktGeteilt(a, negativ, einheit, teiler);
    m += d > 0 ? 1 : -1;
    d += d > 0 ? -h : h;
  }
  // Below a power of two the units are half as wide; leaving the binade
  // changes the unit.
  constexpr std::uint64_t kUnten = std::uint64_t{1} << 52;
  if (m < kUnten || m >= 2 * kUnten || (m == kUnten && d < 0))
    return ExaktGeteilt(a, negativ, einheit, teiler);
  if ((2 * d == h || 2 * d == -h) && (m & 1) != 0) m += d > 0 ? 1 : -1;
  if (m == 2 * kUnten) return ExaktGeteilt(a, negativ, einheit, teiler);
  const double q = static_cast<double>(m) * Zweihoch(f + einheit);
  return negativ ? -q : q;
}

}  // namespace morvane
