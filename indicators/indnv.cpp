#include "indicators/indnv.h"

#include <array>

namespace morvane {

const TArtBeschreibung<TParamNV>& TIndNV::Beschreibung() {
  using P = TParamNV;
  static const TArtBeschreibung<P> beschreibung{
      {
          {&P::Glaettung,
           WordFeld("Glättung der Volatilitätslinien:", kMeldungGlaettungszeitraum, "Tage"),
           {}},
          {&P::ZeigeLinien, {}, "Volatilitätslinien (geglättet)"},
          {&P::ZeigeOszillator, {}, "Oszillator"},
      },
      // The stored record, in file order.
      {&P::Glaettung, &P::ZeigeLinien, &P::ZeigeOszillator}};
  return beschreibung;
}

void TIndNV::Rechnen(const TKurse& kurse) {
  TZeitreihe positiv = Preisbereich(kurse);
  TZeitreihe negativ = Preisbereich(kurse);
  for (const TKurs& k : kurse.Alle()) {
    if (Vorhanden(k.Hoch) && Vorhanden(k.Tief) && Vorhanden(k.Schluss)) {
      positiv.Setzen(k.Datum, k.Schluss - k.Tief);
      negativ.Setzen(k.Datum, k.Hoch - k.Schluss);
    }
  }
  positiv_ = Durchschnitt(positiv, Param.Glaettung);
  negativ_ = Durchschnitt(negativ, Param.Glaettung);
  oszillator_ = TZeitreihe(positiv_->Von(), positiv_->Bis());
  for (Boersentag d = positiv_->Von(); positiv_->Enthaelt(d); ++d) {
    const auto p = positiv_->Lesen(d);
    const auto n = negativ_->Lesen(d);
    if (!p || !n) continue;
    const double summe = *p + *n;
    oszillator_->Setzen(d, summe == 0 ? 50.0 : *p / summe * 100.0);
  }
  SignalBerechnen();
}

void TIndNV::Darstellen(TIndikatorZeichnen& z) {
  if (!z.SignalUndOszillatorZeichnen(Param.ZeigeOszillator)) return;
  if (!Param.ZeigeLinien) return;
  const std::array<TIndLinie, 2> linien = {
      TIndLinie{PositiveLinie(), kGruen, "positive Volatilitätslinie (geglättet)"},
      TIndLinie{NegativeLinie(), kHellgruen, "negative Volatilitätslinie (geglättet)"}};
  // The scale starts at 0 and reaches the larger of the two maxima.
  if (const auto bereich = GemeinsamerBereich(linien, z.Chart()))
    z.LinienAufSkala(linien, TWertebereich{0, bereich->Max});
}

}  // namespace morvane
