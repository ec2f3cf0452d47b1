#include "indicators/indadx.h"

#include <algorithm>
#include <cmath>

#include "indicators/bewegung.h"
#include "indicators/fenstersumme.h"
#include "indicators/indrti.h"

namespace morvane {

const TArtBeschreibung<TParamADX>& TIndADX::Beschreibung() {
  using P = TParamADX;
  static const TArtBeschreibung<P> beschreibung{
      {
          {&P::DmiZeitraum, WordFeld("Berechnungszeitraum für DMI:", kMeldungZeitraum), {}},
          {&P::Glaettung,
           WordFeld("Glättung des DMI:",
                    "Als Glättung muss eine Zahl angegeben werden, die größer oder gleich 1 ist."),
           {}},
          {&P::ZeigeDmi, {}, "Intensitäts-DMI"},
      },
      // The stored record, in file order.
      {&P::DmiZeitraum, &P::Glaettung, &P::ZeigeDmi}};
  return beschreibung;
}

void TIndADX::Rechnen(const TKurse& kurse) {
  const auto k = kurse.Alle();
  const std::vector<TBewegung> b = Bewegungen(kurse);
  TZeitreihe aufReihe = Preisbereich(kurse);
  TZeitreihe abReihe = Preisbereich(kurse);
  for (std::size_t i = 1; i < k.size(); ++i) {
    if (b[i].AufDa && b[i].AbDa) {
      aufReihe.Setzen(k[i].Datum, b[i].Auf);
      abReihe.Setzen(k[i].Datum, b[i].Ab);
    }
  }
  // Both movements exist on the same days, so one presence decides.
  const TDichteReihe auf(aufReihe);
  const TDichteReihe ab(abReihe);
  const int n = Param.DmiZeitraum;
  dmi_ = TZeitreihe(aufReihe.Von(), aufReihe.Bis());
  TFenstersumme summeP;
  TFenstersumme summeN;
  for (int d = 0; n >= 1 && d < auf.Laenge(); ++d) {
    // The window's sums, running: position d enters, d-n leaves.
    if (d - n >= 0 && auf.Da(d - n)) {
      summeP.Minus(auf.Wert(d - n));
      summeN.Minus(ab.Wert(d - n));
    }
    if (!auf.Da(d)) continue;
    summeP.Plus(auf.Wert(d));
    summeN.Plus(ab.Wert(d));
    const double P = summeP.Wert();
    const double N = summeN.Wert();
    dmi_->Setzen(auf.Von() + d, P + N == 0 ? 0.0 : std::fabs(P - N) / (P + N) * 100.0);
  }
  signal_ = Durchschnitt(*dmi_, Param.Glaettung);
}

std::string TIndADX::Info(Boersentag datum) const {
  return TrendintensitaetInfo(*this, datum, 0) + kInfoZeilenende +
         InfoZeile("Intensitäts-DMI", IntensitaetsDmi(), datum, 2);
}

void TIndADX::Darstellen(TIndikatorZeichnen& z) {
  if (z.SignalAngezeigt()) z.IntensitaetZeichnen();
  if (!z.LinienAngezeigt() || !Param.ZeigeDmi) return;
  z.Linie(kHellgruen, false, {}, 100, 0, IntensitaetsDmi());
  z.Legende("Intensitäts-DMI", kHellgruen);
}

}  // namespace morvane
