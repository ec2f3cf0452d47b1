#include "indicators/exaktsumme.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace morvane {

namespace {

constexpr std::uint64_t kZifferMaske = 0xFFFFFFFFu;
constexpr int kMantissenbits = 52;
constexpr int kKleinsterExponent = -1074;  // weight of digit 0's lowest bit

// x * 2^exponent for an x that holds it exactly, as std::ldexp but without the
// library call where 2^exponent is a normal double.
double Skalieren(double x, int exponent) {
  if (exponent < -1022 || exponent > 1023) return std::ldexp(x, exponent);
  return x * std::bit_cast<double>(static_cast<std::uint64_t>(exponent + 1023) << kMantissenbits);
}

// (m + sticky) * 2^exponent with m's top bit at 63, rounded once to a double
// (nearest, ties to even); sticky says that something below m is not zero.
double Runden(std::uint64_t m, bool sticky, int exponent) {
  const int oberstes = exponent + 63;  // exponent of m's top bit
  int stellen = 53;
  if (oberstes < -1022) stellen -= -1022 - oberstes;  // subnormal result
  if (stellen <= 0) {
    const bool aufrunden = stellen == 0 && (m > (1ull << 63) || (m == (1ull << 63) && sticky));
    return aufrunden ? std::ldexp(1.0, oberstes + 1) : 0.0;
  }
  const int weg = 64 - stellen;
  std::uint64_t behalten = m >> weg;
  const std::uint64_t rest = m & ((1ull << weg) - 1);
  const std::uint64_t haelfte = 1ull << (weg - 1);
  if (rest > haelfte || (rest == haelfte && (sticky || (behalten & 1u)))) ++behalten;
  return Skalieren(static_cast<double>(behalten), exponent + weg);
}

// Divides by a teiler below 2^32 with a reciprocal taken once: the product's
// high half undershoots the quotient by at most 2, which the remainder
// corrects, so quotient and remainder are exactly those of n / teiler.
class TKehrwertTeiler {
 public:
  explicit TKehrwertTeiler(std::uint64_t teiler)
      : teiler_(teiler), kehrwert_(teiler > 1 ? ~std::uint64_t{0} / teiler : 0) {}
  std::uint64_t Teile(std::uint64_t n, std::uint64_t& rest) const {
    auto q = static_cast<std::uint64_t>((static_cast<unsigned __int128>(n) * kehrwert_) >> 64);
    rest = n - q * teiler_;
    while (rest >= teiler_) {
      ++q;
      rest -= teiler_;
    }
    return q;
  }

 private:
  std::uint64_t teiler_;
  std::uint64_t kehrwert_;
};

// Plain division, for teiler of 2^32 and above.
class TLangTeiler {
 public:
  explicit TLangTeiler(std::uint64_t teiler) : teiler_(teiler) {}
  std::uint64_t Teile(unsigned __int128 n, unsigned __int128& rest) const {
    rest = n % teiler_;
    return static_cast<std::uint64_t>(n / teiler_);
  }

 private:
  std::uint64_t teiler_;
};

// Long division of the digits by teiler from the top, far enough below the
// lowest digit to hold 64 significant bits; rounds the quotient once.
template <typename Wort, typename Teiler>
double Teilen(const TExakteSumme::TBetrag& b, std::uint64_t teiler) {
  const Teiler durch(teiler);
  std::uint64_t q[3] = {0, 0, 0};  // the top quotient digits, from the first non-zero one
  int gefunden = 0;
  int letzte = 0;  // position of the last quotient digit taken
  Wort rest = 0;
  bool sticky = false;
  for (int c = b.Oben; gefunden < 3; --c) {
    const Wort teil = (rest << 32) | (c >= b.Unten ? b.Ziffer[c] : 0u);
    // A plain sum needs no division.
    const auto ziffer = teiler == 1 ? static_cast<std::uint64_t>(teil) : durch.Teile(teil, rest);
    if (gefunden > 0 || ziffer != 0) {
      q[gefunden++] = ziffer;
      letzte = c;
    }
    if (gefunden == 3) {
      for (int u = b.Unten; u < c && !sticky; ++u)
        sticky = b.Ziffer[u] != 0;
    }
  }
  sticky = sticky || rest != 0;
  const unsigned __int128 m = (static_cast<unsigned __int128>(q[0]) << 64) | (q[1] << 32) | q[2];
  // q[0] holds 1 to 32 bits; keep the top 64 of the three digits.
  const int schieben = 32 - std::countl_zero(static_cast<std::uint32_t>(q[0]));
  const auto kopf = static_cast<std::uint64_t>(m >> schieben);
  sticky = sticky || (m & ((static_cast<unsigned __int128>(1) << schieben) - 1)) != 0;
  return Runden(kopf, sticky, 32 * letzte + kKleinsterExponent + schieben);
}

}  // namespace

void TExakteSumme::Buchen(double x, bool abziehen) {
  const auto bits = std::bit_cast<std::uint64_t>(x);
  const auto exponent = static_cast<int>((bits >> kMantissenbits) & 0x7FF);
  if (exponent == 0x7FF) {
    nichtEndlich_ += abziehen ? -1 : 1;
    return;
  }
  std::uint64_t mantisse = bits & ((1ull << kMantissenbits) - 1);
  if (exponent != 0) mantisse |= 1ull << kMantissenbits;
  if (mantisse == 0) return;
  const int stelle = exponent == 0 ? 0 : exponent - 1;
  const int c = stelle >> 5;
  const unsigned __int128 wert = static_cast<unsigned __int128>(mantisse) << (stelle & 31);
  const bool negativ = (bits >> 63) != abziehen;
  for (int i = 0; i < 3; ++i) {
    const auto ziffer =
        static_cast<std::int64_t>(static_cast<std::uint64_t>(wert >> (32 * i)) & kZifferMaske);
    zelle_[c + i] += negativ ? -ziffer : ziffer;
  }
  unten_ = std::min(unten_, c);
  oben_ = std::max(oben_, c + 2);
  Gebucht(1);
}

void TExakteSumme::Gebucht(int anzahl) {
  // Settled cells stay below 2^32; 2^26 additions of less than 2^33 keep
  // every cell far from 2^63.
  offen_ += anzahl;
  if (offen_ >= (1 << 26)) Ausgleichen();
}

void TExakteSumme::Ausgleichen() {
  offen_ = 0;
  if (oben_ < unten_) return;
  for (int c = unten_; c < oben_; ++c) {
    const std::int64_t uebertrag = zelle_[c] >> 32;
    zelle_[c] -= uebertrag * (std::int64_t{1} << 32);
    zelle_[c + 1] += uebertrag;
  }
  while (oben_ + 1 < kZellen && (zelle_[oben_] >> 31) != 0 && (zelle_[oben_] >> 31) != -1) {
    const std::int64_t uebertrag = zelle_[oben_] >> 32;
    zelle_[oben_] -= uebertrag * (std::int64_t{1} << 32);
    zelle_[++oben_] += uebertrag;
  }
}

void TExakteSumme::Minus(const TExakteSumme& andere) {
  if (andere.oben_ < andere.unten_) return;
  nichtEndlich_ -= andere.nichtEndlich_;
  for (int c = andere.unten_; c <= andere.oben_; ++c)
    zelle_[c] -= andere.zelle_[c];
  unten_ = std::min(unten_, andere.unten_);
  oben_ = std::max(oben_, andere.oben_);
  // Each cell of the other moved by less than 2^33 per addition it holds.
  Gebucht(static_cast<int>(std::min<std::int64_t>(andere.offen_ + (1 << 20), 1 << 26)));
}

void TExakteSumme::PlusProdukt(double x, double y) {
  const double p = x * y;
  Plus(p);
  if (std::isfinite(p)) Plus(std::fma(x, y, -p));
}

void TExakteSumme::PlusVielfaches(const TExakteSumme& andere, double f) {
  const TBetrag b = andere.Betrag();
  if (!b.Endlich) nichtEndlich_ += 1;
  const double vorzeichen = b.Negativ ? -f : f;
  for (int c = b.Unten; c <= b.Oben; ++c) {
    if (b.Ziffer[c] != 0)
      PlusProdukt(std::ldexp(static_cast<double>(b.Ziffer[c]), 32 * c + kKleinsterExponent),
                  vorzeichen);
  }
}

void TExakteSumme::Leeren() {
  for (int c = unten_; c <= oben_; ++c)
    zelle_[c] = 0;
  unten_ = kZellen;
  oben_ = -1;
  nichtEndlich_ = 0;
}

TExakteSumme::TBetrag TExakteSumme::Betrag() const {
  TBetrag b;
  b.Endlich = nichtEndlich_ == 0;
  if (oben_ < unten_) return b;
  // Settle the carries upwards; what is left above the top is the sign.
  std::int64_t uebertrag = 0;
  int c = unten_;
  for (; c <= oben_ || (uebertrag != 0 && uebertrag != -1); ++c) {
    const std::int64_t v = (c <= oben_ ? zelle_[c] : 0) + uebertrag;
    b.Ziffer[c] = static_cast<std::uint32_t>(static_cast<std::uint64_t>(v) & kZifferMaske);
    uebertrag = v >> 32;
  }
  b.Unten = unten_;
  b.Oben = c - 1;
  b.Negativ = uebertrag < 0;
  if (b.Negativ) {
    // Two's complement over the digits: the magnitude.
    std::uint64_t borgen = 1;
    for (int i = b.Unten; i <= b.Oben; ++i) {
      const std::uint64_t v = static_cast<std::uint64_t>(~b.Ziffer[i]) + borgen;
      b.Ziffer[i] = static_cast<std::uint32_t>(v & kZifferMaske);
      borgen = v >> 32;
    }
  }
  while (b.Oben >= b.Unten && b.Ziffer[b.Oben] == 0)
    --b.Oben;
  return b;
}

int TExakteSumme::Vorzeichen() const {
  const TBetrag b = Betrag();
  if (b.Oben < b.Unten) return 0;
  return b.Negativ ? -1 : 1;
}

double TExakteSumme::Quotient(std::uint64_t teiler) const {
  const TBetrag b = Betrag();
  const bool null = b.Oben < b.Unten;
  if (!b.Endlich || (null && teiler == 0)) return std::numeric_limits<double>::quiet_NaN();
  if (null) return 0.0;
  if (teiler == 0) {
    const double unendlich = std::numeric_limits<double>::infinity();
    return b.Negativ ? -unendlich : unendlich;
  }
  const double q = teiler >> 32 ? Teilen<unsigned __int128, TLangTeiler>(b, teiler)
                                : Teilen<std::uint64_t, TKehrwertTeiler>(b, teiler);
  return b.Negativ ? -q : q;
}

TDifferenz ExakteDifferenz(double a, double b) {
  TDifferenz d;
  d.Wert = a - b;
  const double z = d.Wert - a;
  d.Fehler = (a - (d.Wert - z)) + (-b - z);
  return d;
}

void TDifferenz::BetragBuchen(TExakteSumme& summe, bool abziehen) const {
  const bool negativ = (Wert < 0) != abziehen;
  summe.Plus(negativ ? -Wert : Wert);
  summe.Plus(negativ ? -Fehler : Fehler);
}

}  // namespace morvane
