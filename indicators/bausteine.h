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

// basis^exponent; whole exponents by repeated squaring.
double Potenz(double basis, double exponent);

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

// Weights of the window positions 1..n (position j at index j - 1; empty for
// an unweighted window) and their sum over a whole window, added once.
struct TFenstergewichte {
  std::vector<double> Gewicht;
  double Summe = 0;
};

// A series as plain arrays for the window loops: position i is the date
// Von() + i, or for the closes of a price series the record index i. It keeps
// the present values alone, in order, so that a window visits only values
// that exist, and the exact count of present values before each position,
// which finds them. The sums run in four independent lanes so
// that the additions do not wait on one another.
class TDichteReihe {
 public:
  explicit TDichteReihe(const TZeitreihe& reihe);
  // The closes of the records; a missing close is absent.
  static TDichteReihe Schlusskurse(const TKurse& kurse);

  Boersentag Von() const { return von_; }
  int Laenge() const { return static_cast<int>(davor_.size()) - 1; }
  bool Da(int i) const { return davor_[Index(i) + 1] != davor_[Index(i)]; }
  // 0 where missing.
  double Wert(int i) const { return Da(i) ? vorhanden_[Index(davor_[Index(i)])] : 0.0; }

  // Weighted mean of the present values at positions von..bis (clipped to the
  // series), position p weighted with the weight of window position
  // p - von + 1 (all 1 for an unweighted window). The values are summed as
  // distances from the first present value, so equal values give exactly that
  // value. None when no position has one.
  std::optional<double> Mittel(int von, int bis, const TFenstergewichte& gewichte) const {
    double mittel;
    if (!MittelBilden(von, bis, gewichte, mittel)) return std::nullopt;
    return mittel;
  }

  struct TAbweichung {
    double Summe = 0;  // sum of |v - bezug| or of (v - bezug)^2
    int Anzahl = 0;    // number of present values
  };
  TAbweichung Betragsabweichung(int von, int bis, double bezug) const;
  TAbweichung Quadratabweichung(int von, int bis, double bezug) const;

 private:
  TDichteReihe() = default;
  // Mittel without an optional in the way of the hot loops.
  bool MittelBilden(int von, int bis, const TFenstergewichte& gewichte, double& mittel) const;
  static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
  // Fills the series from wert(i), an optional value of position i.
  template <typename Quelle>
  void Fuellen(std::size_t laenge, Quelle wert);
  // The present values of positions von..bis: indices [erster, ende) of
  // vorhanden_.
  std::pair<int, int> Bereich(int von, int bis) const;
  template <typename Beitrag>
  TAbweichung Abweichung(int von, int bis, double bezug, Beitrag beitrag) const;

  Boersentag von_ = 0;
  std::vector<double> vorhanden_;  // the present values in order
  std::vector<int> position_;      // their positions
  std::vector<int> davor_ = {0};   // present values before position i, and in all
};

}  // namespace morvane
