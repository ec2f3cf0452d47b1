#include "core/stammdatenbearbeitung.h"

#include <cmath>
#include <optional>

#include "core/zahltext.h"

namespace morvane {

namespace {

double GebuehrLesen(const std::string& text, int dezimalen, double grenze, TGebuehrenfeld feld) {
  const std::optional<double> wert = TextZuZahl(text, dezimalen);
  if (!wert || !std::isfinite(*wert) || *wert < 0 || *wert >= grenze) {
    throw EGebuehreneingabe("Ungültigen Wert eingegeben.", feld);
  }
  return *wert;
}

constexpr double kUnbegrenzt = HUGE_VAL;

}  // namespace

TGebuehrenEingabe GebuehrenEingabe(const TWPStammdaten& s) {
  return {KursZuText(s.KaufRel * 100),    ZahlZuText(2, s.KaufAbs),    ZahlZuText(2, s.KaufMin),
          KursZuText(s.VerkaufRel * 100), ZahlZuText(2, s.VerkaufAbs), ZahlZuText(2, s.VerkaufMin)};
}

void GebuehrenLesen(const TGebuehrenEingabe& e, TWPStammdaten& s) {
  using F = TGebuehrenfeld;
  const double kaufRel = GebuehrLesen(e.KaufRel, 4, kUnbegrenzt, F::KaufRel);
  const double kaufAbs = GebuehrLesen(e.KaufAbs, 2, kUnbegrenzt, F::KaufAbs);
  const double kaufMin = GebuehrLesen(e.KaufMin, 2, kUnbegrenzt, F::KaufMin);
  // A sale fee of 100 % or more would leave nothing of the proceeds.
  const double verkaufRel = GebuehrLesen(e.VerkaufRel, 4, 100, F::VerkaufRel);
  const double verkaufAbs = GebuehrLesen(e.VerkaufAbs, 2, kUnbegrenzt, F::VerkaufAbs);
  const double verkaufMin = GebuehrLesen(e.VerkaufMin, 2, kUnbegrenzt, F::VerkaufMin);
  s.KaufRel = kaufRel * 0.01;
  s.KaufAbs = kaufAbs;
  s.KaufMin = kaufMin;
  s.VerkaufRel = verkaufRel * 0.01;
  s.VerkaufAbs = verkaufAbs;
  s.VerkaufMin = verkaufMin;
}

}  // namespace morvane
