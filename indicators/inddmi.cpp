#include "indicators/inddmi.h"

#include <array>

#include <algorithm>
#include <cmath>

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

namespace {

// The movements of one record against the one before; a missing one is 0
// (it adds nothing to a window's sum).
struct TBewegung {
  double Auf = 0;
  double Ab = 0;
  double Spanne = 0;  // true range
  bool Alle = false;  // all three exist
};

TBewegung Bewegung(const TKurs& heute, const TKurs& gestern) {
  TBewegung b;
  const bool auf = Vorhanden(heute.Hoch) && Vorhanden(gestern.Hoch);
  const bool ab = Vorhanden(heute.Tief) && Vorhanden(gestern.Tief);
  const bool spanne = Vorhanden(heute.Hoch) && Vorhanden(heute.Tief) && Vorhanden(gestern.Schluss);
  if (auf) b.Auf = std::max(0.0, heute.Hoch - gestern.Hoch);
  if (ab) b.Ab = std::max(0.0, gestern.Tief - heute.Tief);
  if (spanne) {
    b.Spanne = std::max({heute.Hoch - heute.Tief, std::fabs(heute.Hoch - gestern.Schluss),
                         std::fabs(heute.Tief - gestern.Schluss)});
  }
  b.Alle = auf && ab && spanne;
  return b;
}

}  // namespace

void TIndDMI::Rechnen(const TKurse& kurse) {
  const auto k = kurse.Alle();
  const int n = Param.Zeitraum;
  std::vector<TBewegung> b(k.size());
  for (std::size_t i = 1; i < k.size(); ++i)
    b[i] = Bewegung(k[i], k[i - 1]);
  posDI_ = Preisbereich(kurse);
  negDI_ = Preisbereich(kurse);
  oszillator_ = Preisbereich(kurse);
  TExakteSumme summeAuf;
  TExakteSumme summeAb;
  TExakteSumme summeSpanne;
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
    if (!b[i].Alle) continue;
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
