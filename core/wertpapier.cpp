#include "core/wertpapier.h"

#include <cmath>

#include "core/transaktion.h"

namespace morvane {

void TWertpapier::SplitEinfuegen(Boersentag datum, double von, double nach) {
  // Infinite or NaN ratios would wipe the holding or the prices.
  if (!(von > 0) || !(nach > 0) || !std::isfinite(von) || !std::isfinite(nach)) {
    throw EWertpapier("Ungültiges Split-Verhältnis.");
  }
  const int index = Transaktionen.Einfuegen(TTransaktionSplit(datum, von, nach));
  if (!Transaktionen.BestandGueltig()) {
    Transaktionen.Entfernen(index);
    throw EWertpapier("Durch das Einfügen des Split würden negative Bestände auftreten.");
  }
  KurseSplitAnpassen(Kurse, datum, von, nach);
}

void KurseSplitAnpassen(TKurse& kurse, Boersentag datum, double von, double nach) {
  const Boersentag erster = kurse.ErsterTag();
  kurse.MitFaktorMultiplizieren(erster, datum - 1, kfPreise, von / nach);
  kurse.MitFaktorMultiplizieren(erster, datum - 1, kfUmsatz, nach / von);
}

}  // namespace morvane
