#include "indicators/indtsf.h"

#include "indicators/regression.h"

namespace morvane {

const TArtBeschreibung<TParamTSF>& TIndTSF::Beschreibung() {
  using P = TParamTSF;
  static const TArtBeschreibung<P> beschreibung{
      {
          {&P::Zeitraum,
           WordFeld("Berechnungszeitraum für Regressionsgeraden:", kMeldungZeitraum, "Tage"),
           {}},
          {&P::Empfindlichkeit, ByteFeld("Empfindlichkeit:", kMeldungEmpfindlichkeit), {}},
          {&P::ZeigeGeraden, {}, "Regressionsgeraden"},
          {&P::ZeigeTsf, {}, "TSF"},
          {&P::ZeigeOszillator, {}, "Oszillator"},
      },
      {}};
  return beschreibung;
}

void TIndTSF::Rechnen(const TKurse& kurse) {
  const auto k = kurse.Alle();
  const std::vector<double> schluss = Schlussfolge(kurse);
  const int n = Param.Zeitraum;
  geraden_ = TGeradenListe(kurse.ErsterTag(), kurse.LetzterTag());
  tsf_ = Preisbereich(kurse);
  oszillator_ = Preisbereich(kurse);
  for (int a = 0; a < std::ssize(k); ++a) {
    const auto r = Regression(schluss, a, n);
    if (!r) continue;
    const TGerade gerade{k[a - n + 1].Datum, r->Wert(1), r->Wert(n)};
    geraden_->Setzen(k[a].Datum, gerade);
    tsf_->Setzen(k[a].Datum, gerade.Endwert);
    // A regression exists only where the close of record a does.
    if (gerade.Endwert > 0) {
      oszillator_->Setzen(
          k[a].Datum, Verhaeltnisoszillator(k[a].Schluss, gerade.Endwert, Param.Empfindlichkeit));
    }
  }
  SignalBerechnen();
}

std::string TIndTSF::Info(Boersentag datum) const {
  return InfoSignalOszillator(datum) + kInfoZeilenende + InfoZeile("TSF", Tsf(), datum, 2);
}

}  // namespace morvane
