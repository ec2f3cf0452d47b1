#include "indicators/indsto.h"

#include <algorithm>
#include <limits>

namespace morvane {

const TArtBeschreibung<TParamSTO>& TIndSTO::Beschreibung() {
  using P = TParamSTO;
  static const TArtBeschreibung<P> beschreibung{
      {
          {&P::Zeitraum, WordFeld("Berechnungszeitraum:", kMeldungZeitraum), {}},
          {&P::Glaettung, WordFeld("Glättung:", kMeldungGlaettungszeitraum, "Tage"), {}},
          {&P::ZeigeOszillator, {}, "Oszillator"},
          {&P::ZeigeK, {}, "%K-Linie"},
      },
      // The stored record, in file order.
      {&P::Zeitraum, &P::Glaettung, &P::ZeigeOszillator, &P::ZeigeK}};
  return beschreibung;
}

void TIndSTO::Rechnen(const TKurse& kurse) {
  const auto k = kurse.Alle();
  const int n = Param.Zeitraum;
  kLinie_ = Preisbereich(kurse);
  for (int i = 0; i < std::ssize(k); ++i) {
    // A missing close of the window counts with 0 here.
    double tief = std::numeric_limits<double>::infinity();
    double hoch = -std::numeric_limits<double>::infinity();
    for (int r = std::max(0, i - n + 1); r <= i; ++r) {
      tief = std::min(tief, k[r].Schluss);
      hoch = std::max(hoch, k[r].Schluss);
    }
    const double schluss = k[i].Schluss;
    if (!(hoch > 0) || !Vorhanden(schluss)) continue;
    kLinie_->Setzen(k[i].Datum, hoch > tief ? (schluss - tief) / (hoch - tief) * 100.0 : 50.0);
  }
  oszillator_ = Durchschnitt(*kLinie_, Param.Glaettung);
  SignalBerechnen();
}

std::string TIndSTO::Info(Boersentag datum) const {
  return InfoSignalOszillator(datum) + kInfoZeilenende +
         InfoZeile("%K-Linie", KLinie(), datum, 1, " Punkte");
}

void TIndSTO::Darstellen(TIndikatorZeichnen& z) {
  if (!z.SignalUndOszillatorZeichnen(Param.ZeigeOszillator)) return;
  if (Param.ZeigeK) z.Hilfslinie({KLinie(), kHellgruen, "%K-Linie"});
}

}  // namespace morvane
