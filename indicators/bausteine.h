#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/datum.h"
#include "core/exception.h"
#include "core/kurse.h"
#include "core/zeitreihe.h"
#include "indicators/exaktsumme.h"
#include "indicators/festkomma.h"
#include "indicators/schaetzung.h"

namespace morvane {

// The series operations the indicator kinds are built from. Every window sum
// is exact and rounded once, so that windows holding the same values give the
// same result in any order, and flat prices give exactly that price.

// Failures of an indicator computation.
MORVANE_EXCEPTION(EIndikator, Exception);

inline constexpr std::string_view kMeldungDivisionDurchNull = "Fließkomma-Division durch 0";

// Raises the division error of the indicator formulas (floating-point division
// in C++ does not trap by itself).
[[noreturn]] void DivisionDurchNull();

// A needed price counts only when it is positive; 0 (and below) is missing.
inline bool Vorhanden(double preis) {
  return preis > 0;
}

// Weighting of Kursdurchschnitt.
enum TKursgewichtung : std::uint8_t {
  kgUngewichtet = 0,
  kgLinear = 1,
  kgExponentiell = 2,
};

// An empty series from the first to the last price date.
TZeitreihe Preisbereich(const TKurse& kurse);

// Moving average of the close over the records i-n+1..i, stored at the date of
// every record with a close; records without a close are skipped together with
// their weight. Linear weighting gives window position j (1 = oldest) the
// weight j, exponential weighting 2 to the power j. An unknown weighting is
// taken as unweighted.
TZeitreihe Kursdurchschnitt(const TKurse& kurse, int gewichtung, int n);

// Mean of the values at the date positions d-n+1..d (over the range of the
// series, holidays included); no value where none of them has one.
TZeitreihe Durchschnitt(const TZeitreihe& reihe, int n);

// As Durchschnitt, position d-n+j weighted with j; divides by the weights of
// the positions that have a value.
TZeitreihe LinearerDurchschnitt(const TZeitreihe& reihe, int n);

// std::pow, kept out of line.
double PotenzAllgemein(double basis, double exponent);

// basis^exponent; whole exponents by repeated squaring.
inline double Potenz(double basis, double exponent) {
  // The sensitivities are whole numbers: square and multiply, far cheaper
  // than the general power.
  if (exponent >= 0 && exponent <= 4096 && exponent == std::floor(exponent)) {
    auto rest = static_cast<unsigned>(exponent);
    double ergebnis = 1.0;
    for (; rest != 0; rest >>= 1, basis *= basis) {
      if (rest & 1u) ergebnis *= basis;
    }
    return ergebnis;
  }
  return PotenzAllgemein(basis, exponent);
}

// 100 - 100 / (1 + (a / b)^s): 50 when a = b. b = 0 raises the division error.
inline double Verhaeltnisoszillator(double a, double b, double s) {
  if (b == 0) DivisionDurchNull();
  return 100.0 - 100.0 / (1.0 + Potenz(a / b, s));
}

// 100 - 100 / (d*s + 2) for d >= 0, 100 / (-d*s + 2) below: 50 at d = 0.
inline double Differenzoszillator(double d, double s) {
  if (d >= 0) return 100.0 - 100.0 / (d * s + 2.0);
  return 100.0 / (-d * s + 2.0);
}

// The close of record i against the close of record i-n+1, both present, at
// the date of every record i >= n-1: formel(close, earlier close). Nothing for
// n < 1.
template <typename Formel>
void KursVergleich(const TKurse& kurse, int n, TZeitreihe& ziel, Formel formel) {
  const auto k = kurse.Alle();
  if (n < 1) return;
  for (std::size_t i = static_cast<std::size_t>(n) - 1; i < k.size(); ++i) {
    const double jetzt = k[i].Schluss;
    const double frueher = k[i - static_cast<std::size_t>(n) + 1].Schluss;
    if (Vorhanden(jetzt) && Vorhanden(frueher)) ziel.Setzen(k[i].Datum, formel(jetzt, frueher));
  }
}

// The integer weight of window position j (1 = oldest) of n: j for linear
// weighting; 2^(j - n + 63) for exponential weighting, which keeps the
// quotients of 2^j and lets the newest 64 positions alone count; 1 otherwise.
std::uint64_t Fenstergewicht(int gewichtung, int n, int j);

// A series as a plain array for the window loops: position i is the date
// Von() + i, or for the closes of a price series the record index i.
class TDichteReihe {
 public:
  explicit TDichteReihe(const TZeitreihe& reihe);
  // The closes of the records; a missing close is absent.
  static TDichteReihe Schlusskurse(const TKurse& kurse);

  Boersentag Von() const { return von_; }
  int Laenge() const { return static_cast<int>(da_.size()); }
  bool Da(int i) const { return da_[Index(i)] != 0; }
  // 0 where missing.
  double Wert(int i) const { return wert_[Index(i)]; }
  std::span<const double> Werte() const { return wert_; }

  // The unit in which every value is whole, with room for sums of values
  // times whole weights of up to kGewichtsgrenze in all; none where the
  // values span too many digits.
  static constexpr std::uint64_t kGewichtsgrenze = std::uint64_t{1} << 32;
  std::optional<int> Einheit() const;
  // The values in that unit, 0 where absent; only where there is a unit.
  std::span<const TGanz> Ganzwerte() const;

  // The exact weighted mean of the present values at positions von..bis
  // (clipped to the series), position p weighted with Fenstergewicht of
  // window position p - von + 1, rounded once. None when no position has a
  // value (or all present weights are 0).
  std::optional<double> Mittel(int von, int bis, int gewichtung) const;
  // The exact mean of |v - bezug| and of (v - bezug)^2 over the present
  // values of von..bis, rounded once; none without a value.
  std::optional<double> MittlereBetragsabweichung(int von, int bis, double bezug) const;
  std::optional<double> MittlereQuadratabweichung(int von, int bis, double bezug) const;

 private:
  TDichteReihe() = default;
  static std::size_t Index(int i) { return static_cast<std::size_t>(i); }

  Boersentag von_ = 0;
  std::vector<double> wert_;
  std::vector<char> da_;
  // Found on first use.
  mutable std::optional<std::optional<int>> einheit_;
  mutable std::vector<TGanz> ganz_;
};

// The means of the windows d-n+1..d for every position d of `werte`, as
// TDichteReihe::Mittel gives them, computed running: each step adds the value
// that enters and removes the one that leaves, exactly. None where the window
// holds no value or n < 1.
std::vector<std::optional<double>> Fenstermittel(const TDichteReihe& werte, int n, int gewichtung);

// The exact sum of (v - bezug)^2 over values given by their count, exact sum
// and exact sum of squares, divided by the count and rounded once.
double MittlereQuadratabweichung(const TExakteSumme& summe, const TExakteSumme& quadrate,
                                 std::uint64_t anzahl, double bezug);
// The same from estimates of the sums; none where they cannot decide it.
std::optional<double> MittlereQuadratabweichung(const TSchaetzsumme& summe,
                                                const TSchaetzsumme& quadrate, std::uint64_t anzahl,
                                                double bezug);

}  // namespace morvane
