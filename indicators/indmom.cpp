#include "indicators/indmom.h"

namespace morvane {

const TArtBeschreibung<TParamMOM>& TIndMOM::Beschreibung() {
  using P = TParamMOM;
  static const TArtBeschreibung<P> beschreibung{
      {
          {&P::Zeitraum, WordFeld("Berechnungszeitraum:", kMeldungZeitraum), {}},
          {&P::Empfindlichkeit, ByteFeld("Empfindlichkeit:", kMeldungEmpfindlichkeit), {}},
          {&P::ZeigeOszillator, {}, "Oszillator"},
          {&P::ZeigeRoc, {}, "Rate-of-Change (RoC)"},
      },
      // The stored record, in file order.
      {&P::Zeitraum, &P::Empfindlichkeit, &P::ZeigeOszillator, &P::ZeigeRoc}};
  return beschreibung;
}

void TIndMOM::Rechnen(const TKurse& kurse) {
  roc_ = Preisbereich(kurse);
  oszillator_ = Preisbereich(kurse);
  KursVergleich(kurse, Param.Zeitraum, *roc_,
                [](double c, double c0) { return (c - c0) / c0 * 100.0; });
  KursVergleich(kurse, Param.Zeitraum, *oszillator_, [this](double c, double c0) {
    return Verhaeltnisoszillator(c, c0, Param.Empfindlichkeit);
  });
  SignalBerechnen();
}

std::string TIndMOM::Info(Boersentag datum) const {
  return InfoSignalOszillator(datum) + kInfoZeilenende +
         InfoZeile("Rate-of-Change (RoC)", Roc(), datum, 2, " %");
}

void TIndMOM::Darstellen(TIndikatorZeichnen& z) {
  if (!z.SignalUndOszillatorZeichnen(Param.ZeigeOszillator)) return;
  if (Param.ZeigeRoc) z.Hilfslinie({Roc(), kHellgruen, "Rate-of-Change (RoC)", "%"});
}

}  // namespace morvane
