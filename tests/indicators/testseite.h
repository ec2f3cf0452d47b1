// Changing a kind's parameters the way a user does: through its dialog.
#pragma once

#include <cmath>

#include "indicators/parameterseite.h"

namespace morvane::test {

// Another valid value of a page field: the next radio item, else one more (one
// less at the field's maximum).
inline double AndererWert(const TEingabefeld& feld, double wert) {
  if (feld.Art == TFeldart::Auswahl) return std::fmod(wert + 1, feld.Auswahl.size());
  return wert + 1 > feld.Maximum ? wert - 1 : wert + 1;
}

}  // namespace morvane::test
