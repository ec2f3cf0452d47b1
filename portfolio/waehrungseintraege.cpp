#include "portfolio/waehrungseintraege.h"

#include "core/textvergleich.h"

namespace morvane {

TWaehrungEintrag& TWaehrungEintraege::Eintrag(std::string_view waehrung) {
  for (TWaehrungEintrag& eintrag : eintraege_) {
    if (GleichOhneGross(eintrag.Waehrung, waehrung)) return eintrag;
  }
  eintraege_.push_back(TWaehrungEintrag{std::string(waehrung)});
  return eintraege_.back();
}

}  // namespace morvane
