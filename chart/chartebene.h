#pragma once

#include "grafik/grafikfenster.h"

namespace morvane {

class TChart_WPChart;

// Something painted into the security chart after everything else (the
// indicator layer). The chart holds layers without owning them.
class TChart_WPChart_Ebene {
 public:
  explicit TChart_WPChart_Ebene(TChart_WPChart& chart) : chart_(chart) {}
  virtual ~TChart_WPChart_Ebene() = default;
  TChart_WPChart_Ebene(const TChart_WPChart_Ebene&) = delete;
  TChart_WPChart_Ebene& operator=(const TChart_WPChart_Ebene&) = delete;

  // The layer's content changed.
  virtual void Geaendert() = 0;
  // Paints into the chart's surface, in the chart's field coordinates.
  virtual void Zeichne(TGrafikfenster& fenster) = 0;

  TChart_WPChart& Chart() const { return chart_; }

 private:
  TChart_WPChart& chart_;
};

}  // namespace morvane
