#pragma once

#include <bit>
#include <cstdint>
#include <optional>
#include <span>

namespace morvane {

// Sums of doubles as whole multiples of one unit 2^einheit in 128-bit
// integers: exact, an integer addition each, read rounded once. Where the
// values of a series span too many digits for that, callers keep to the
// estimated sums and TExakteSumme.
using TGanz = __int128;

// Room kept below the top of TGanz for sums and their remainders.
inline constexpr int kGanzStellen = 124;

// v = ±Mantisse * 2^Exponent, Mantisse below 2^53.
struct TZerlegung {
  std::uint64_t Mantisse = 0;
  int Exponent = 0;
  bool Negativ = false;
};

inline TZerlegung Zerlegen(double v) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  const auto e = static_cast<int>((bits >> 52) & 0x7FF);
  TZerlegung z;
  z.Mantisse = bits & ((std::uint64_t{1} << 52) - 1);
  if (e != 0) z.Mantisse |= std::uint64_t{1} << 52;
  z.Exponent = (e == 0 ? 1 : e) - 1075;
  z.Negativ = (bits >> 63) != 0;
  return z;
}

// v in whole units of 2^einheit: v must be finite, a multiple of the unit and
// below 2^(einheit + 126).
inline TGanz InEinheiten(double v, int einheit) {
  const TZerlegung z = Zerlegen(v);
  if (z.Mantisse == 0) return 0;
  // The unit may lie above the mantissa's lowest digit, when those are 0.
  const int schieben = z.Exponent - einheit;
  const TGanz g = schieben >= 0 ? static_cast<TGanz>(z.Mantisse) << schieben
                                : static_cast<TGanz>(z.Mantisse >> -schieben);
  return z.Negativ ? -g : g;
}

// v in whole units of 2^einheit where it is a multiple of the unit and no
// larger than 2^(einheit + kGanzStellen - 33), as the values GemeinsameEinheit
// admits for weights up to 2^32.
std::optional<TGanz> AlsGanz(double v, int einheit);

// A unit in which every value of `werte` is whole, when each window sum
// weighing at most `gewicht` in all (a sum of values times whole weights)
// stays far inside TGanz and the doubles: the last place of the smallest
// exponent, or where that spans too far, the values' lowest digit. None for
// wider spans or a value that is not finite. All zeros give the unit 1.
std::optional<int> GemeinsameEinheit(std::span<const double> werte, std::uint64_t gewicht);

// 2^e for a normal double.
inline double Zweihoch(int e) {
  return std::bit_cast<double>(static_cast<std::uint64_t>(e + 1023) << 52);
}

// a rounded to a double, twice: its top part converts exactly below 2^115.
inline double Naeherung(unsigned __int128 a) {
  constexpr unsigned __int128 kTief = (static_cast<unsigned __int128>(1) << 62) - 1;
  return static_cast<double>(static_cast<std::int64_t>(a >> 62)) * 0x1p62 +
         static_cast<double>(static_cast<std::int64_t>(a & kTief));
}

// z * 2^einheit / teiler, rounded once (nearest, ties to even); +0 for z = 0.
// teiler from 1 to 2^62; |z| below 2^124.
double GanzQuotientAllgemein(TGanz z, int einheit, std::uint64_t teiler);

// The same, settling the usual case inline: |z| below 2^115, teiler below
// 2^40 and a quotient whose unit 2^f is at most 2^20 units of z. The estimate
// lies within three units of the quotient, so the remainder
// a * 2^-min(f, 0) - m * teiler * 2^max(f, 0) is exact modulo 2^64; one step
// to a neighbour settles most misses. Everything is computed before the one
// test that decides whether it holds.
inline double GanzQuotient(TGanz z, int einheit, std::uint64_t teiler) {
  constexpr std::uint64_t kVersteckt = std::uint64_t{1} << 52;
  const TGanz vorzeichen = z >> 127;  // 0 or -1
  const auto a = static_cast<unsigned __int128>((z ^ vorzeichen) - vorzeichen);
  const auto bits = std::bit_cast<std::uint64_t>(Naeherung(a) / static_cast<double>(teiler));
  const int f = static_cast<int>(bits >> 52) - 1075;
  const std::uint64_t m = (bits & (kVersteckt - 1)) | kVersteckt;
  const int links = (f < 0 ? -f : 0) & 63;
  const int rechts = (f > 0 ? f : 0) & 63;
  // Unsigned arithmetic, read as two's complement: where the test fails the
  // values may have wrapped, and nothing uses them.
  const std::uint64_t h = teiler << rechts;
  const std::uint64_t d = (static_cast<std::uint64_t>(a) << links) - ((m * teiler) << rechts);
  const auto plus = static_cast<std::int64_t>(h);
  const auto minus = static_cast<std::int64_t>(0 - h);
  const auto doppelt = static_cast<std::int64_t>(d << 1);
  const std::int64_t schritt = (doppelt > plus) - (doppelt < minus);
  const auto rest =
      static_cast<std::int64_t>((d << 1) - static_cast<std::uint64_t>(schritt) * (h << 1));
  const std::uint64_t q = m + static_cast<std::uint64_t>(schritt);
  const bool sicher = (a >> 115) == 0 && static_cast<unsigned>(f + 63) <= 83 &&
                      (teiler >> 40) == 0 && rest < plus && rest > minus && q > kVersteckt &&
                      q < 2 * kVersteckt - 1 && z != 0 &&
                      static_cast<unsigned>(einheit + f + 1000) <= 1960 &&
                      static_cast<unsigned>(einheit + 1022) <= 2045;
  if (!sicher) return GanzQuotientAllgemein(z, einheit, teiler);
  // q keeps the estimate's binade: its bits are the estimate's moved by the
  // step; the power of two keeps the result normal, so scaling is exact.
  const std::uint64_t ergebnis = (bits + static_cast<std::uint64_t>(schritt)) |
                                 (static_cast<std::uint64_t>(vorzeichen != 0) << 63);
  return std::bit_cast<double>(ergebnis) * Zweihoch(einheit);
}

}  // namespace morvane
