#include "indicators/indsto.h"

#include <algorithm>
#include <limits>

#include "indicators/fensterextrem.h"

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
    // A missing close of the window counts with 0 here. Where 0 and -0 meet
    // the one taken may differ from a pass in date order, but either gives
    // the same line: a high of 0 gives none, and a low of 0 is subtracted.
    constexpr double kUnendlich = std::numeric_limits<double>::infinity();
    const auto [hoch, tief] =
        Extreme(std::max(0, i - n + 1), i, -kUnendlich, kUnendlich,
                [&](int r) { return k[static_cast<std::size_t>(r)].Schluss; });
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
