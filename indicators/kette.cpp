#include "indicators/kette.h"

#include "indicators/exaktsumme.h"

namespace morvane {

namespace {

// |d| as its two parts, into the window or out of it.
void BetragBuchen(const TDifferenz& d, TFenstersumme& summe, bool abziehen) {
  const double wert = d.Wert < 0 ? -d.Wert : d.Wert;
  const double fehler = d.Wert < 0 ? -d.Fehler : d.Fehler;
  if (abziehen) {
    summe.Minus(wert);
    summe.Minus(fehler);
  } else {
    summe.Plus(wert);
    summe.Plus(fehler);
  }
}

}  // namespace

void TKettensummen::Aendern(double vorher, double nachher, bool abziehen) {
  const TDifferenz d = ExakteDifferenz(nachher, vorher);
  if (d.Wert == 0) return;
  BetragBuchen(d, d.Wert > 0 ? Auf : Ab, abziehen);
  BetragBuchen(d, Weg, abziehen);
}

}  // namespace morvane
