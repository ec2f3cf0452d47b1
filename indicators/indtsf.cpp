#include "indicators/indtsf.h"

#include <algorithm>
#include <cmath>

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
      // The stored record, in file order.
      {&P::Zeitraum, &P::Empfindlichkeit, &P::ZeigeGeraden, &P::ZeigeTsf, &P::ZeigeOszillator}};
  return beschreibung;
}

void TIndTSF::Rechnen(const TKurse& kurse) {
  const auto k = kurse.Alle();
  const std::vector<double> schluss = Schlussfolge(kurse);
  const int n = Param.Zeitraum;
  geraden_ = TGeradenListe(kurse.ErsterTag(), kurse.LetzterTag());
  tsf_ = Preisbereich(kurse);
  oszillator_ = Preisbereich(kurse);
  const auto geraden = Regressionen(schluss, n);
  for (int a = 0; a < std::ssize(k); ++a) {
    const auto& r = geraden[static_cast<std::size_t>(a)];
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

void TIndTSF::Darstellen(TIndikatorZeichnen& z) {
  if (!z.SignalUndOszillatorZeichnen(Param.ZeigeOszillator)) return;
  if (Param.ZeigeGeraden) {
    GeradenZeichnen(z);
    z.Legende("Regressionsgeraden", kGruen);
  }
  if (Param.ZeigeTsf) z.Preislinie({Tsf(), kCyan, "TSF"});
}

void TIndTSF::GeradenZeichnen(TIndikatorZeichnen& z) const {
  TGrafikfenster& f = z.Fenster();
  TIndikatorChart& chart = z.Chart();
  if (!geraden_ || chart.ErstesDatum() <= 0) return;
  f.SetzeStiftFarbe(kGruen);
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.SetzeStiftBreite(1);
  // A segment ends at its slot; those ending up to n - 1 days after the last
  // visible date still begin within the visible range.
  const Boersentag von = std::max(chart.ErstesDatum(), geraden_->Von());
  const Boersentag bis =
      std::min(chart.LetztesDatum() + std::max(Param.Zeitraum - 1, 0), geraden_->Bis());
  for (Boersentag d = von; d <= bis; ++d) {
    const std::optional<TGerade> gerade = geraden_->Lesen(d);
    if (!gerade || !std::isfinite(gerade->Startwert) || !std::isfinite(gerade->Endwert)) continue;
    const std::optional<int> x1 = chart.DatumZuX(gerade->Startdatum);
    const std::optional<int> x2 = chart.DatumZuX(d);
    if (!x1 || !x2) continue;
    f.Linie(*x1, chart.WertZuY(gerade->Startwert), *x2, chart.WertZuY(gerade->Endwert));
  }
}

}  // namespace morvane
