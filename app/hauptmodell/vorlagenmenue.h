#pragma once

#include <array>
#include <string>

#include "chart/chartvorlagen.h"

namespace morvane {

// How one chart template slot appears in the view menu and on its toolbar
// button.
struct TVorlagenEintrag {
  // "&" + label + ": " + the name with every "&" doubled.
  std::string Menuetext;
  // Only a slot that holds a template shows its menu item.
  bool Sichtbar = false;
  // The button's hint: the name, or "leere Chartvorlage".
  std::string Hinweis;
  // The button is enabled only for a filled slot.
  bool Aktiv = false;
};

struct TVorlagenMenue {
  // Slots 1 ... 10 (slot 10 labelled "0") in this order.
  std::array<TVorlagenEintrag, kAnzahlChartVorlagen> Eintraege;
  // The separator above the items shows when any slot is filled.
  bool TrennerSichtbar = false;
};

TVorlagenMenue VorlagenMenue(const TChartVorlagen& vorlagen);

// A text shown as a menu caption, with "&" doubled so that it stays literal.
std::string OhneKuerzel(const std::string& text);

}  // namespace morvane
