#pragma once

// Walks over the records of the security chart for the drawings of the chart
// types.
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "chart/wpchart.h"

namespace morvane {

// The price scale over the visible records when the graph is stretched, else
// over all. `spanne`(record, tief, hoch) sets a record's low and high and
// returns false to pass the record over. False when there is nothing to scale.
template <class F>
bool Wertebereich(const TChart_WPChart& chart, F spanne, double& max, double& min) {
  const TKurse& kurse = chart.Wertpapier()->Kurse;
  const bool gestreckt = chart.Ansicht().GraphStrecken;
  const int von = gestreckt ? chart.ErsterIndex() : 0;
  const int bis = gestreckt ? chart.LetzterIndex() : kurse.Anzahl() - 1;
  min = std::numeric_limits<double>::infinity();
  max = -std::numeric_limits<double>::infinity();
  for (int i = std::max(0, von); i <= bis; ++i) {
    double tief = 0, hoch = 0;
    if (!spanne(*kurse.Kurs(i), tief, hoch)) continue;
    min = std::min(min, tief);
    max = std::max(max, hoch);
  }
  return min > 0 && max > 0 && std::isfinite(max);
}

// The scale of the high-low types (bar, candle, equivolume): records with
// a high and a low.
inline bool HochTiefBereich(const TChart_WPChart& chart, double& max, double& min) {
  return Wertebereich(
      chart,
      [](const TKurs& k, double& tief, double& hoch) {
        tief = k.Tief;
        hoch = k.Hoch;
        return k.Hoch != 0 && k.Tief != 0;
      },
      max, min);
}

// Calls f(record, x) for every visible record with a high and a low that has
// an x position: the days a bar or a candle is drawn for.
template <class F>
void FuerSichtbareSpannen(const TChart_WPChart& chart, F f) {
  const TKurse& kurse = chart.Wertpapier()->Kurse;
  const int bis = chart.LetzterIndex();
  for (int i = chart.ErsterIndex(); i <= bis; ++i) {
    const TKurs& k = *kurse.Kurs(i);
    if (k.Hoch <= 0 || k.Tief <= 0) continue;
    if (const std::optional<int> x = chart.IndexZuX(i)) f(k, *x);
  }
}

}  // namespace morvane
