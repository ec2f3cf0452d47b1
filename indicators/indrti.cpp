#include "indicators/indrti.h"

#include <cmath>

#include "core/zahltext.h"
#include "indicators/regression.h"

namespace morvane {

const TArtBeschreibung<TParamRTI>& TIndRTI::Beschreibung() {
  using P = TParamRTI;
  static const TEingabefeld grenze = [] {
    TEingabefeld feld;
    feld.Beschriftung = "Steigungsgrenze:";
    feld.Einheit = "% pro Tag";
    feld.Art = TFeldart::Dezimalzahl;
    feld.Dezimalen = 2;
    feld.Minimum = 0;
    feld.Maximum = 100;
    feld.Meldung =
        "Als Steigungsgrenze muss eine Zahl angegeben werden, die zwischen 0 und 100 ist.";
    return feld;
  }();
  static const TArtBeschreibung<P> beschreibung{
      {
          {&P::Zeitraum,
           WordFeld("Berechnungszeitraum für Regressionsgeraden:", kMeldungZeitraum, "Tage"),
           {}},
          {&P::Steigungsgrenze, grenze, {}},
      },
      // The stored record, in file order.
      {&P::Zeitraum, &P::Steigungsgrenze}};
  return beschreibung;
}

void TIndRTI::Rechnen(const TKurse& kurse) {
  const auto k = kurse.Alle();
  const std::vector<double> schluss = Schlussfolge(kurse);
  const double q = Param.Steigungsgrenze;
  signal_ = Preisbereich(kurse);
  const auto geraden = Regressionen(schluss, Param.Zeitraum);
  for (int a = 0; q != 0 && a < std::ssize(k); ++a) {
    const auto& r = geraden[static_cast<std::size_t>(a)];
    if (!r || r->YMittel == 0) continue;
    const double relativ = std::fabs(r->Steigung * 100.0 / r->YMittel);
    signal_->Setzen(k[a].Datum, 100.0 - 100.0 * std::exp2(-relativ / q));
  }
}

std::string TIndRTI::Info(Boersentag datum) const {
  return TrendintensitaetInfo(*this, datum, 2);
}

std::string TrendintensitaetInfo(const TIndikator& indikator, Boersentag datum, int dezimalen) {
  return "Trendintensität: " + ZahlZuText(dezimalen, indikator.SignalAm(datum)) + " %";
}

void TIndRTI::Darstellen(TIndikatorZeichnen& z) {
  if (Anzeige != 0) z.IntensitaetZeichnen();
}

}  // namespace morvane
