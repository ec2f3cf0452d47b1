#pragma once

#include <optional>
#include <string>

#include "chart/chartebene.h"
#include "indicators/indanalyse.h"

namespace morvane {

// Draws the indicators selected in the indicator bar into the price chart,
// each with its scale on the right and its legend lines, below a subtitle that
// names them. The chart and the working copy (the bar's Analyse) are not owned
// and must outlive the layer; the owner adds the layer to the chart with
// NeueEbene.
class TChart_WPChart_IndikatorenEbene : public TChart_WPChart_Ebene {
 public:
  TChart_WPChart_IndikatorenEbene(TChart_WPChart& chart, TIndAnalyse& analyse);

  // Asks the chart for a full repaint.
  void Geaendert() override;
  void Zeichne(TGrafikfenster& fenster) override;

  TIndAnalyse& Analyse() const { return analyse_; }

 private:
  TIndAnalyse& analyse_;
};

// The subtitle naming the displayed indicators: "Indikator: " and the title of
// a single one, "Indikatoren: " and the codes of several joined by ", "; none
// when nothing is displayed.
std::optional<std::string> IndikatorUntertitel(const TIndAnalyse& analyse);

}  // namespace morvane
