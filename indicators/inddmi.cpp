#include "indicators/inddmi.h"

#include <array>

#include <algorithm>
#include <cmath>

#include "indicators/bewegung.h"
#include "indicators/fenstersumme.h"

namespace morvane {

const TArtBeschreibung<TParamDMI>& TIndDMI::Beschreibung() {
  using P = TParamDMI;
  static const TArtBeschreibung<P> beschreibung{
      {
          {&P::Zeitraum,
           WordFeld("Berechnungszeitraum für posDI und negDI:", kMeldungZeitraum),
           {}},
          {&P::ZeigeDi, {}, "posDI und negDI-Linien"},
          {&P::ZeigeOszillator, {}, "Oszillator"},
      },
      // The stored record, in file order.
      {&P::Zeitraum, &P::ZeigeDi, &P::ZeigeOszillator}};
  return beschreibung;
}

void TIndDMI::Rechnen(const TKurse& kurse) {
  const auto k = kurse.Alle();
  const int n = Param.Zeitraum;
  const std::vector<TBewegung> b = Bewegungen(kurse);
  posDI_ = Preisbereich(kurse);
  negDI_ = Preisbereich(kurse);
  oszillator_ = Preisbereich(kurse);
  TFenstersumme summeAuf;
  TFenstersumme summeAb;
  TFenstersumme summeSpanne;
  for (int i = 1; n >= 1 && i < std::ssize(k); ++i) {
    // The window's sums, running: record i enters, record i-n leaves.
    if (i - n >= 1) {
      summeAuf.Minus(b[i - n].Auf);
      summeAb.Minus(b[i - n].Ab);
      summeSpanne.Minus(b[i - n].Spanne);
    }
    summeAuf.Plus(b[i].Auf);
    summeAb.Plus(b[i].Ab);
    summeSpanne.Plus(b[i].Spanne);
    if (!b[i].Alle()) continue;
    const double auf = summeAuf.Wert();
    const double ab = summeAb.Wert();
    const double spanne = summeSpanne.Wert();
    if (spanne != 0) {
      posDI_->Setzen(k[i].Datum, auf / spanne);
      negDI_->Setzen(k[i].Datum, ab / spanne);
    }
    oszillator_->Setzen(k[i].Datum, auf + ab == 0 ? 50.0 : auf / (auf + ab) * 100.0);
  }
  SignalBerechnen();
}

std::string TIndDMI::Info(Boersentag datum) const {
  return InfoSignalOszillator(datum) + kInfoZeilenende + InfoZeile("posDI", PosDI(), datum, 1) +
         kInfoZeilenende + InfoZeile("negDI", NegDI(), datum, 1);
}

void TIndDMI::Darstellen(TIndikatorZeichnen& z) {
  if (!z.SignalUndOszillatorZeichnen(Param.ZeigeOszillator)) return;
  if (!Param.ZeigeDi) return;
  const std::array<TIndLinie, 2> linien = {TIndLinie{PosDI(), kHellgruen, "posDI-Linie"},
                                           TIndLinie{NegDI(), kGruen, "negDI-Linie"}};
  if (const auto bereich = GemeinsamerBereich(linien, z.Chart()))
    z.LinienAufSkala(linien, *bereich);
}

}  // namespace morvane
