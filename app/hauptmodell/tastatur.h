#pragma once

#include <optional>

#include "chart/chartansicht.h"

namespace morvane {

// The keys the main window and both lists handle themselves.
enum class TTaste { BildAuf, BildAb, Pos1, Ende, Links, Rechts, Hoch, Runter };

// What a key does: scroll the chart with a scroll code of the chart, or move
// to the previous or next security.
struct TTastenAktion {
  std::optional<int> ScrollCode;
  int Wertpapierschritt = 0;  // -1 previous, +1 next
};

// Page keys page, Home and End go to the ends, Left and Right step a day, with
// Ctrl a page; Up and Down move through the securities.
TTastenAktion TastenAktion(TTaste taste, bool strg);

// The toggles of the toolbar and the view menu.
enum class TAnsichtSchalter { Umsatz, Infobereich, Indikatoren };

// The view with one toggle flipped.
TChartAnsicht Umgeschaltet(const TChartAnsicht& ansicht, TAnsichtSchalter schalter);

}  // namespace morvane
