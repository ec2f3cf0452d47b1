#include "indicators/indvhf.h"

#include <algorithm>
#include <cmath>

#include "indicators/indrti.h"

namespace morvane {

const TArtBeschreibung<TParamVHF>& TIndVHF::Beschreibung() {
  using P = TParamVHF;
  static const TArtBeschreibung<P> beschreibung{
      {
          {&P::Zeitraum, WordFeld("Berechnungszeitraum für VHF:", kMeldungZeitraum), {}},
      },
      // The stored record, in file order.
      {&P::Zeitraum}};
  return beschreibung;
}

void TIndVHF::Rechnen(const TKurse& kurse) {
  const auto k = kurse.Alle();
  const int n = Param.Zeitraum;
  signal_ = Preisbereich(kurse);
  for (int a = std::max(0, n - 1); n >= 1 && a < std::ssize(k); ++a) {
    double letzter = k[a].Schluss;
    if (!Vorhanden(letzter)) continue;
    double hoch = letzter;
    double tief = letzter;
    double weg = 0;
    for (int r = a - 1; r >= a - n + 1; --r) {
      const double c = k[r].Schluss;
      if (!Vorhanden(c)) continue;
      hoch = std::max(hoch, c);
      tief = std::min(tief, c);
      weg += std::fabs(c - letzter);
      letzter = c;
    }
    signal_->Setzen(k[a].Datum, weg == 0 ? 0.0 : std::fabs(hoch - tief) / weg * 100.0);
  }
}

std::string TIndVHF::Info(Boersentag datum) const {
  return TrendintensitaetInfo(*this, datum, 0);
}

void TIndVHF::Darstellen(TIndikatorZeichnen& z) {
  if (Anzeige != 0) z.IntensitaetZeichnen();
}

}  // namespace morvane
