#include "indicators/indvhf.h"

#include <algorithm>
#include <cmath>

#include "indicators/indrti.h"
#include "indicators/kette.h"
#include "indicators/regression.h"

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
  const std::vector<double> schluss = Schlussfolge(kurse);
  Kettensummen(schluss, n, [&](int a, const TKettensummen& summen) {
    if (n < 1 || a < n - 1 || !Vorhanden(schluss[static_cast<std::size_t>(a)])) return;
    double hoch = schluss[static_cast<std::size_t>(a)];
    double tief = hoch;
    for (int r = a - n + 1; r < a; ++r) {
      const double c = schluss[static_cast<std::size_t>(r)];
      if (!Vorhanden(c)) continue;
      hoch = std::max(hoch, c);
      tief = std::min(tief, c);
    }
    const double weg = summen.Weg.Wert();
    signal_->Setzen(k[a].Datum, weg == 0 ? 0.0 : std::fabs(hoch - tief) / weg * 100.0);
  });
}

std::string TIndVHF::Info(Boersentag datum) const {
  return TrendintensitaetInfo(*this, datum, 0);
}

void TIndVHF::Darstellen(TIndikatorZeichnen& z) {
  if (Anzeige != 0) z.IntensitaetZeichnen();
}

}  // namespace morvane
