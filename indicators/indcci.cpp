#include "indicators/indcci.h"

#include <algorithm>
#include <cmath>

namespace morvane {

const TArtBeschreibung<TParamCCI>& TIndCCI::Beschreibung() {
  using P = TParamCCI;
  static const TEingabefeld divisor = [] {
    TEingabefeld feld = ByteFeld("Empfindlichkeit:", kMeldungEmpfindlichkeit);
    feld.Vorsatz = "1 /";
    return feld;
  }();
  static const TArtBeschreibung<P> beschreibung{
      {
          {&P::TpGlaettung,
           WordFeld("Glättung des typischen Preises (TP):", kMeldungGlaettungszeitraum),
           {}},
          {&P::AbweichungZeitraum,
           WordFeld("Berechnungszeitraum für Standardabweichung:",
                    "Als Berechnungszeitraum für die Standardabweichung muss eine Zahl angegeben "
                    "werden, die größer oder gleich 1 ist."),
           {}},
          {&P::CciGlaettung,
           WordFeld("Glättung des CCI:",
                    "Als Glättung des CCI muss eine Zahl angegeben werden, die größer oder "
                    "gleich 1 ist."),
           {}},
          {&P::Empfindlichkeit, divisor, {}},
          {&P::ZeigeTp, {}, "Typischer Preis"},
          {&P::ZeigeTpGeglaettet, {}, "Typischer Preis (geglättet)"},
          {&P::ZeigeCci, {}, "CCI"},
          {&P::ZeigeCciGeglaettet, {}, "CCI (geglättet)"},
          {&P::ZeigeOszillator, {}, "Oszillator"},
      },
      // The stored record, in file order.
      {&P::TpGlaettung, &P::AbweichungZeitraum, &P::CciGlaettung, &P::Empfindlichkeit, &P::ZeigeTp,
       &P::ZeigeTpGeglaettet, &P::ZeigeCci, &P::ZeigeCciGeglaettet, &P::ZeigeOszillator}};
  return beschreibung;
}

void TIndCCI::CciBerechnen() {
  const TDichteReihe tp(*tp_);
  const int m = Param.AbweichungZeitraum;
  cci_ = TZeitreihe(tp_->Von(), tp_->Bis());
  for (int d = 0; d < tp.Laenge(); ++d) {
    const auto mittel = tpGeglaettet_->Lesen(tp.Von() + d);
    if (!tp.Da(d) || !mittel) continue;
    // Mean deviation of the typical prices of the window from today's smoothing.
    const auto M = tp.MittlereBetragsabweichung(d - m + 1, d, *mittel);
    if (!M || !(*M > 0)) continue;
    cci_->Setzen(tp.Von() + d, (tp.Wert(d) - *mittel) / (0.015 * *M));
  }
}

void TIndCCI::Rechnen(const TKurse& kurse) {
  tp_ = Preisbereich(kurse);
  for (const TKurs& kurs : kurse.Alle()) {
    if (Vorhanden(kurs.Hoch) && Vorhanden(kurs.Tief) && Vorhanden(kurs.Schluss)) {
      tp_->Setzen(kurs.Datum, (kurs.Hoch + kurs.Tief + kurs.Schluss) / 3.0);
    }
  }
  tpGeglaettet_ = Durchschnitt(*tp_, Param.TpGlaettung);
  CciBerechnen();
  cciGeglaettet_ = Durchschnitt(*cci_, Param.CciGlaettung);
  oszillator_ = TZeitreihe(cci_->Von(), cci_->Bis());
  for (Boersentag d = cci_->Von(); cci_->Enthaelt(d); ++d) {
    const auto cci = cci_->Lesen(d);
    const auto geglaettet = cciGeglaettet_->Lesen(d);
    if (!cci || !geglaettet) continue;
    if (Param.Empfindlichkeit == 0) DivisionDurchNull();
    oszillator_->Setzen(d, Differenzoszillator(*cci - *geglaettet, 1.0 / Param.Empfindlichkeit));
  }
  SignalBerechnen();
}

std::string TIndCCI::Info(Boersentag datum) const {
  return InfoSignalOszillator(datum) + kInfoZeilenende + InfoZeile("CCI", Cci(), datum, 2) +
         kInfoZeilenende +
         InfoZeile("Typischer Preis (geglättet)", TypischerPreisGeglaettet(), datum, 2);
}

void TIndCCI::Darstellen(TIndikatorZeichnen& z) {
  if (!z.SignalUndOszillatorZeichnen(Param.ZeigeOszillator)) return;
  if (Param.ZeigeCciGeglaettet) z.Hilfslinie({CciGeglaettet(), kMagenta, "CCI (geglättet)"});
  if (Param.ZeigeCci) z.Hilfslinie({Cci(), kCyan, "CCI"});
  if (Param.ZeigeTpGeglaettet)
    z.Preislinie({TypischerPreisGeglaettet(), kGruen, "Typischer Preis (geglättet)"});
  if (Param.ZeigeTp) z.Preislinie({TypischerPreis(), kHellgruen, "Typischer Preis"});
}

}  // namespace morvane
