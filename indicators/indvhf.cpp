#include "indicators/indvhf.h"

#include <cmath>
#include <limits>

#include "indicators/fensterextrem.h"
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
    // The highest and lowest present close of the window. Present closes are
    // positive, so the order of comparing them does not matter; a missing
    // one is left out as NaN.
    const double c = schluss[static_cast<std::size_t>(a)];
    const auto [hoch, tief] = Extreme(a - n + 1, a - 1, c, c, [&](int r) {
      const double w = schluss[static_cast<std::size_t>(r)];
      return Vorhanden(w) ? w : std::numeric_limits<double>::quiet_NaN();
    });
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
