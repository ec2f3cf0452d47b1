#pragma once

#include <optional>
#include <span>

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

// The line over the records a-n+1..a (positions 1..n), using the points whose
// close is positive. None before the n-th record, when the close of record a
// is missing, and when fewer than two points remain.
std::optional<TRegression> Regression(std::span<const TKurs> kurse, int a, int n);

}  // namespace morvane
