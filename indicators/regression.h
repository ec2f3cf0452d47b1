#pragma once

#include <optional>
#include <span>
#include <vector>

#include "core/kurse.h"

namespace morvane {

// Least-squares line through the closes of a window of records.
struct TRegression {
  double XMittel = 0;  // mean of the window positions 1..n that have a close
  double YMittel = 0;  // mean of those closes
  double Steigung = 0;
  // The line's value at window position x.
  double Wert(double x) const { return YMittel + (x - XMittel) * Steigung; }
};

// The closes of the records in one flat array (0 where missing), for the
// window loops.
std::vector<double> Schlussfolge(const TKurse& kurse);

// The line over the records a-n+1..a (positions 1..n) of `schluss`, using the
// points whose close is positive. None before the n-th record, when the close
// of record a is missing (so there is always one point), and when only one
// point remains. The means and the slope are exact, each rounded once, so
// that equal closes give exactly that mean and a slope of exactly 0.
std::optional<TRegression> Regression(std::span<const double> schluss, int a, int n);

// Regression(schluss, a, n) for every record a, computed running: each step
// adds the close that enters and removes the one that leaves, exactly.
std::vector<std::optional<TRegression>> Regressionen(std::span<const double> schluss, int n);

}  // namespace morvane
