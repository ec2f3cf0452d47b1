#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/datum.h"
#include "core/exception.h"
#include "core/kurse.h"
#include "core/zeitreihe.h"

namespace morvane {

// The series operations the indicator kinds are built from. Every window is
// computed afresh (no running sums), so that flat prices give exact results.

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

// 100 - 100 / (1 + (a / b)^s): 50 when a = b. b = 0 raises the division error.
double Verhaeltnisoszillator(double a, double b, double s);

// 100 - 100 / (d*s + 2) for d >= 0, 100 / (-d*s + 2) below: 50 at d = 0.
double Differenzoszillator(double d, double s);

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

// A plain copy of a series in two arrays, for loops over windows of date
// positions (position i is the date Von() + i).
class TDichteReihe {
 public:
  explicit TDichteReihe(const TZeitreihe& reihe);

  Boersentag Von() const { return von_; }
  int Laenge() const { return static_cast<int>(werte_.size()); }
  bool Da(int i) const { return da_[static_cast<std::size_t>(i)] != 0; }
  double Wert(int i) const { return werte_[static_cast<std::size_t>(i)]; }

 private:
  Boersentag von_ = 0;
  std::vector<double> werte_;
  std::vector<std::uint8_t> da_;
};

// Weighted mean of a window. The values are summed as distances from the first
// value of the window, so a window of equal values yields exactly that value.
class TFenstermittel {
 public:
  void Hinzu(double wert, double gewicht = 1.0) {
    if (!angefangen_) {
      bezug_ = wert;
      angefangen_ = true;
    }
    summe_ += gewicht * (wert - bezug_);
    gewichte_ += gewicht;
  }
  bool Leer() const { return !angefangen_; }
  // Undefined for an empty window.
  double Mittel() const { return bezug_ + summe_ / gewichte_; }

 private:
  double bezug_ = 0;
  double summe_ = 0;
  double gewichte_ = 0;
  bool angefangen_ = false;
};

}  // namespace morvane
