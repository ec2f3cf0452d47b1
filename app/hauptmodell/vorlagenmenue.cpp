#include "app/hauptmodell/vorlagenmenue.h"

namespace morvane {

std::string OhneKuerzel(const std::string& text) {
  std::string ergebnis;
  ergebnis.reserve(text.size());
  for (char c : text) {
    ergebnis += c;
    if (c == '&') ergebnis += '&';
  }
  return ergebnis;
}

TVorlagenMenue VorlagenMenue(const TChartVorlagen& vorlagen) {
  TVorlagenMenue menue;
  for (int slot = 1; slot <= kAnzahlChartVorlagen; ++slot) {
    TVorlagenEintrag& e = menue.Eintraege[static_cast<std::size_t>(slot - 1)];
    const bool belegt = vorlagen.Ansicht(slot).has_value();
    const std::string& name = vorlagen.Name(slot);
    e.Menuetext = "&" + VorlagenBeschriftung(slot) + ": " + OhneKuerzel(name);
    e.Sichtbar = belegt;
    e.Hinweis = belegt ? name : "leere Chartvorlage";
    e.Aktiv = belegt;
    menue.TrennerSichtbar = menue.TrennerSichtbar || belegt;
  }
  return menue;
}

}  // namespace morvane
