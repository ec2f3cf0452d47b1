#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/zeitreihe.h"
#include "grafik/grafikfenster.h"
#include "indicators/indikatorchart.h"

namespace morvane {

class TIndikator;

// max = min = kPreisachse tells Linie to draw on the chart's price axis.
inline constexpr double kPreisachse = -1;

// A value range of a scale.
struct TWertebereich {
  double Min = 0;
  double Max = 0;
};

// A line of a kind as the chart shows it: the series, its colour, its legend
// text and the unit its scale is labelled with.
struct TIndLinie {
  const TZeitreihe* Reihe = nullptr;
  TFarbe Farbe;
  std::string_view Legende;
  std::string_view Einheit = {};
};

// One draw pass of one indicator into the chart's price plot: the surface, the
// chart, the indicator (its display mode, its zone bound, its oscillator and
// signal) and the state of the pass. The first scaled line of a pass labels
// the pane's scale; every pass starts with the scale unlabelled. Nothing is
// owned; surface, chart and indicator must outlive the pass.
class TIndikatorZeichnen {
 public:
  TIndikatorZeichnen(TGrafikfenster& f, TIndikatorChart& chart, const TIndikator& indikator)
      : f_(f), chart_(chart), indikator_(indikator) {}
  TIndikatorZeichnen(const TIndikatorZeichnen&) = delete;
  TIndikatorZeichnen& operator=(const TIndikatorZeichnen&) = delete;

  TGrafikfenster& Fenster() const { return f_; }
  TIndikatorChart& Chart() const { return chart_; }
  // Whether a line of this pass labelled the scale.
  bool SkalaGezeichnet() const { return skalaGezeichnet_; }

  // Whether the kind's own lines are shown (Anzeige 1 or 2).
  bool LinienAngezeigt() const;
  // Whether the signal (for a trend-intensity kind: the intensity) is shown
  // (Anzeige 2 or 3).
  bool SignalAngezeigt() const;

  // Draws a series with a solid pen of width 1. max != min: a fixed scale;
  // max = min = 0: a scale over the series' values (visible ones when the chart
  // scales to the visible range); max = min = -1: on the chart's price axis.
  // The first scaled line of the pass labels the scale (and, with `zonen`,
  // draws the extreme-zone lines). Nothing is drawn without a series or values;
  // values that are not finite are skipped like missing ones.
  void Linie(TFarbe farbe, bool zonen, std::string_view einheit, double max, double min,
             const TZeitreihe* reihe);
  // As Linie on the scale `bereich`, taken as it is: a common scale of several
  // lines stays fixed even when it collapses to 0..0 or -1..-1.
  void LinieAufSkala(TFarbe farbe, bool zonen, std::string_view einheit, TWertebereich bereich,
                     const TZeitreihe* reihe);
  // One legend line of the pane.
  void Legende(std::string_view text, TFarbe farbe);

  // The signal line (Anzeige 2 or 3), then, when the kind's lines are shown
  // (Anzeige 1 or 2), the oscillator if `oszillator`. Returns whether the
  // kind's own lines follow.
  bool SignalUndOszillatorZeichnen(bool oszillator);
  // The oscillator line: blue, 0..100 points with the zone lines, legend
  // "Oszillator".
  void OszillatorZeichnen();
  // The signal in red on -100..100 % with the legend "Signalverlauf".
  void SignalverlaufZeichnen();
  // The intensity (the Signal series) in red on 0..100 % with the legend
  // "Trendintensität".
  void IntensitaetZeichnen();

  // An auxiliary line with its legend: on its own scale over its values, on the
  // price axis, or on a scale it shares with other lines.
  void Hilfslinie(const TIndLinie& linie);
  void Preislinie(const TIndLinie& linie);
  void LinienAufSkala(std::span<const TIndLinie> linien, TWertebereich bereich);

 private:
  TGrafikfenster& f_;
  TIndikatorChart& chart_;
  const TIndikator& indikator_;
  bool skalaGezeichnet_ = false;
};

// Smallest and largest value of a series over the dates a scale covers: the
// visible dates when the chart scales to the visible range, else the whole
// series. None without a series or without a finite value there.
std::optional<TWertebereich> Wertebereich(const TZeitreihe* reihe, const TIndikatorChart& chart);

// One scale over several lines: from the smallest to the largest of their
// values. None as soon as one of the lines has no value in the scaled range.
std::optional<TWertebereich> GemeinsamerBereich(std::span<const TIndLinie> linien,
                                                const TIndikatorChart& chart);
// The range widened to take in `weiterer` (unchanged when that is none).
TWertebereich Vereinigung(TWertebereich bereich, const std::optional<TWertebereich>& weiterer);

}  // namespace morvane
