#include "indicators/indrsi.h"

#include <algorithm>

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
  for (int i = 0; i < std::ssize(k); ++i) {
    if (!Vorhanden(k[i].Schluss)) continue;
    // Plain sums of the rises and falls between the closes of the window; a
    // missing close is skipped without breaking the chain.
    double steigungen = 0;
    double rueckgaenge = 0;
    double letzter = 0;
    for (int r = std::max(0, i - n + 1); r <= i; ++r) {
      const double schluss = k[r].Schluss;
      if (!Vorhanden(schluss)) continue;
      if (letzter > 0) {
        if (schluss > letzter) steigungen += schluss - letzter;
        if (schluss < letzter) rueckgaenge += letzter - schluss;
      }
      letzter = schluss;
    }
    const double summe = steigungen + rueckgaenge;
    oszillator_->Setzen(k[i].Datum, summe == 0 ? 50.0 : steigungen / summe * 100.0);
  }
  SignalBerechnen();
}

void TIndRSI::Darstellen(TIndikatorZeichnen& z) {
  z.SignalUndOszillatorZeichnen(Param.ZeigeOszillator);
}

}  // namespace morvane
