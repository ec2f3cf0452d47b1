#include "indicators/indrsi.h"

#include <algorithm>

#include "indicators/kette.h"
#include "indicators/regression.h"

namespace morvane {

const TArtBeschreibung<TParamRSI>& TIndRSI::Beschreibung() {
  using P = TParamRSI;
  static const TArtBeschreibung<P> beschreibung{
      {
          {&P::Zeitraum, WordFeld("Berechnungszeitraum:", kMeldungZeitraum, "Tage"), {}},
          {&P::ZeigeOszillator, {}, "Oszillator"},
      },
      // The stored record, in file order.
      {&P::Zeitraum, &P::ZeigeOszillator}};
  return beschreibung;
}

void TIndRSI::Rechnen(const TKurse& kurse) {
  const auto k = kurse.Alle();
  const int n = Param.Zeitraum;
  oszillator_ = Preisbereich(kurse);
  // The sums of the rises and falls between the closes of the window; a
  // missing close is skipped without breaking the chain.
  const std::vector<double> schluss = Schlussfolge(kurse);
  Kettensummen(schluss, n, [&](int i, const TKettensummen& summen) {
    if (!Vorhanden(schluss[static_cast<std::size_t>(i)])) return;
    const double steigungen = summen.Auf.Wert();
    const double summe = steigungen + summen.Ab.Wert();
    oszillator_->Setzen(k[i].Datum, summe == 0 ? 50.0 : steigungen / summe * 100.0);
  });
  SignalBerechnen();
}

void TIndRSI::Darstellen(TIndikatorZeichnen& z) {
  z.SignalUndOszillatorZeichnen(Param.ZeigeOszillator);
}

}  // namespace morvane
