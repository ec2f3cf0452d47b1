#pragma once

#include <optional>
#include <string_view>

#include "core/datum.h"
#include "grafik/grafikfenster.h"

namespace morvane {

// What a chart offers the indicators that draw into its price plot. The
// security chart implements it; the indicators know nothing else of the chart.
// Every position is in the chart's field coordinates, as of its last paint.
class TIndikatorChart {
 public:
  virtual ~TIndikatorChart() = default;

  // The first and the last visible date (0 without a security).
  virtual Boersentag ErstesDatum() const = 0;
  virtual Boersentag LetztesDatum() const = 0;
  // The x of a date; none when the date has no position in the current mode.
  virtual std::optional<int> DatumZuX(Boersentag datum) const = 0;
  // A price on the chart's price axis.
  virtual int WertZuY(double wert) = 0;
  // A value on a scale from min to max, spread over the price plot.
  virtual int SkalaZuY(double max, double min, double wert) const = 0;
  // A value scale on the right of the price plot, labels followed by `einheit`.
  virtual void Skalenachse(TGrafikfenster& f, std::string_view einheit, TFarbe farbe, double max,
                           double min) = 0;
  // Dotted lines at `niveau` and 100 - `niveau` of a 0..100 scale.
  virtual void Bandlinien(TGrafikfenster& f, double niveau, TFarbe farbe) = 0;
  // One legend line in the top right corner, below the previous one.
  virtual void Legende(TGrafikfenster& f, std::string_view text, TFarbe farbe) = 0;
  // A centred line below the chart's title.
  virtual void Untertitel(TGrafikfenster& f, std::string_view text) = 0;
  // Whether scales cover the visible range only (else all records).
  virtual bool GraphStrecken() const = 0;
};

}  // namespace morvane
