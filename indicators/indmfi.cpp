#include "indicators/indmfi.h"

#include <algorithm>

#include "indicators/fenstersumme.h"

namespace morvane {

const TArtBeschreibung<TParamMFI>& TIndMFI::Beschreibung() {
  using P = TParamMFI;
  static const TArtBeschreibung<P> beschreibung{
      {
          {&P::Zeitraum, WordFeld("Berechnungszeitraum der Money Ratio:", kMeldungZeitraum), {}},
          {&P::Empfindlichkeit, WordFeld("Empfindlichkeit:", kMeldungEmpfindlichkeit), {}},
          {&P::ZeigeTp, {}, "Typischer Preis"},
          {&P::ZeigeRatio, {}, "Money Ratio"},
          {&P::ZeigeOszillator, {}, "Oszillator"},
      },
      // The stored record, in file order.
      {&P::Zeitraum, &P::Empfindlichkeit, &P::ZeigeTp, &P::ZeigeRatio, &P::ZeigeOszillator}};
  return beschreibung;
}

void TIndMFI::RatioBerechnen(const TZeitreihe& positiv, const TZeitreihe& negativ) {
  const TDichteReihe p(positiv);
  const TDichteReihe n(negativ);
  const int zeitraum = Param.Zeitraum;
  ratio_ = TZeitreihe(positiv.Von(), positiv.Bis());
  TFenstersumme exaktP;
  TFenstersumme exaktN;
  for (int d = 0; zeitraum >= 1 && d < p.Laenge(); ++d) {
    // The window's sums, running: position d enters, d-zeitraum leaves.
    const int weg = d - zeitraum;
    if (weg >= 0 && p.Da(weg) && n.Da(weg)) {
      exaktP.Minus(p.Wert(weg));
      exaktN.Minus(n.Wert(weg));
    }
    if (!p.Da(d) || !n.Da(d)) continue;
    exaktP.Plus(p.Wert(d));
    exaktN.Plus(n.Wert(d));
    const double summeP = exaktP.Wert();
    const double summeN = exaktN.Wert();
    if (summeN != 0) {
      ratio_->Setzen(p.Von() + d, summeP / summeN);
    } else if (summeP == 0) {
      ratio_->Setzen(p.Von() + d, 1.0);
    }
  }
}

void TIndMFI::Rechnen(const TKurse& kurse) {
  const auto k = kurse.Alle();
  tp_ = Preisbereich(kurse);
  for (const TKurs& kurs : k) {
    if (Vorhanden(kurs.Hoch) && Vorhanden(kurs.Tief) && Vorhanden(kurs.Schluss)) {
      tp_->Setzen(kurs.Datum, (kurs.Hoch + kurs.Tief + kurs.Schluss) / 3.0);
    }
  }
  TZeitreihe positiv = Preisbereich(kurse);
  TZeitreihe negativ = Preisbereich(kurse);
  for (std::size_t i = 1; i < k.size(); ++i) {
    const auto heute = tp_->Lesen(k[i].Datum);
    const auto gestern = tp_->Lesen(k[i - 1].Datum);
    if (!Vorhanden(k[i].Umsatz) || !heute || !gestern) continue;
    const double fluss = *heute * k[i].Umsatz;
    positiv.Setzen(k[i].Datum, *heute > *gestern ? fluss : 0.0);
    negativ.Setzen(k[i].Datum, *heute < *gestern ? fluss : 0.0);
  }
  RatioBerechnen(positiv, negativ);
  oszillator_ = TZeitreihe(ratio_->Von(), ratio_->Bis());
  for (Boersentag d = ratio_->Von(); ratio_->Enthaelt(d); ++d) {
    const auto ratio = ratio_->Lesen(d);
    if (!ratio) continue;
    oszillator_->Setzen(
        d, *ratio > 0 ? 100.0 - 100.0 / (1.0 + Potenz(*ratio, Param.Empfindlichkeit)) : 0.0);
  }
  SignalBerechnen();
}

std::string TIndMFI::Info(Boersentag datum) const {
  return InfoSignalOszillator(datum) + kInfoZeilenende +
         InfoZeile("Money Ratio", MoneyRatio(), datum, 1) + kInfoZeilenende +
         InfoZeile("Typischer Preis", TypischerPreis(), datum, 2);
}

void TIndMFI::Darstellen(TIndikatorZeichnen& z) {
  if (!z.SignalUndOszillatorZeichnen(Param.ZeigeOszillator)) return;
  if (Param.ZeigeRatio) z.Hilfslinie({MoneyRatio(), kGruen, "Money Ratio"});
  if (Param.ZeigeTp) z.Preislinie({TypischerPreis(), kCyan, "Typischer Preis"});
}

}  // namespace morvane
