#include "indicators/inddmi.h"

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
      {}};
  return beschreibung;
}

namespace {

// The movements of one record against the one before; each may be missing.
struct TBewegung {
  std::optional<double> Auf;
  std::optional<double> Ab;
  std::optional<double> Spanne;  // true range
};

TBewegung Bewegung(const TKurs& heute, const TKurs& gestern) {
  TBewegung b;
  if (Vorhanden(heute.Hoch) && Vorhanden(gestern.Hoch)) {
    b.Auf = std::max(0.0, heute.Hoch - gestern.Hoch);
  }
  if (Vorhanden(heute.Tief) && Vorhanden(gestern.Tief)) {
    b.Ab = std::max(0.0, gestern.Tief - heute.Tief);
  }
  if (Vorhanden(heute.Hoch) && Vorhanden(heute.Tief) && Vorhanden(gestern.Schluss)) {
    b.Spanne = std::max({heute.Hoch - heute.Tief, std::fabs(heute.Hoch - gestern.Schluss),
                         std::fabs(heute.Tief - gestern.Schluss)});
  }
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
  for (int i = 1; n >= 1 && i < std::ssize(k); ++i) {
    if (!b[i].Auf || !b[i].Ab || !b[i].Spanne) continue;
    double auf = 0;
    double ab = 0;
    double spanne = 0;
    for (int r = std::max(0, i - n + 1); r <= i; ++r) {
      auf += b[r].Auf.value_or(0.0);
      ab += b[r].Ab.value_or(0.0);
      spanne += b[r].Spanne.value_or(0.0);
    }
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

}  // namespace morvane
