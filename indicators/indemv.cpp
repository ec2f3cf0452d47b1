#include "indicators/indemv.h"

#include <algorithm>

#include "indicators/fenstersumme.h"

namespace morvane {

const TArtBeschreibung<TParamEMV>& TIndEMV::Beschreibung() {
  using P = TParamEMV;
  static const TArtBeschreibung<P> beschreibung{
      {
          {&P::Glaettung, WordFeld("Glättung des EMV:", kMeldungGlaettungszeitraum), {}},
          {&P::Empfindlichkeit, WordFeld("Empfindlichkeit:", kMeldungEmpfindlichkeit), {}},
          {&P::ZeigeMidpoint, {}, "Midpoint Move"},
          {&P::ZeigeBoxRatio, {}, "Box Ratio"},
          {&P::ZeigeEmv, {}, "EMV (geglättet)"},
          {&P::ZeigeOszillator, {}, "Oszillator"},
      },
      // The stored record, in file order.
      {&P::Glaettung, &P::Empfindlichkeit, &P::ZeigeMidpoint, &P::ZeigeBoxRatio, &P::ZeigeEmv,
       &P::ZeigeOszillator}};
  return beschreibung;
}

namespace {

// Mean volume and mean close of the last ten records, each over the records
// where it is present, running.
class TZehnTage {
 public:
  // Moves the window to end at record i.
  void Bis(std::span<const TKurs> k, int i) {
    if (i >= 10) Aendern(k[static_cast<std::size_t>(i - 10)], true);
    Aendern(k[static_cast<std::size_t>(i)], false);
  }
  // False when either has no value.
  bool Mittel(double& umsatz, double& schluss) const {
    if (anzahlU_ == 0 || anzahlS_ == 0) return false;
    umsatz = umsatz_.Quotient(anzahlU_);
    schluss = schluss_.Quotient(anzahlS_);
    return true;
  }

 private:
  void Aendern(const TKurs& kurs, bool weg) {
    if (Vorhanden(kurs.Umsatz)) {
      weg ? umsatz_.Minus(kurs.Umsatz) : umsatz_.Plus(kurs.Umsatz);
      weg ? --anzahlU_ : ++anzahlU_;
    }
    if (Vorhanden(kurs.Schluss)) {
      weg ? schluss_.Minus(kurs.Schluss) : schluss_.Plus(kurs.Schluss);
      weg ? --anzahlS_ : ++anzahlS_;
    }
  }

  TFenstersumme umsatz_;
  TFenstersumme schluss_;
  std::uint64_t anzahlU_ = 0;
  std::uint64_t anzahlS_ = 0;
};

}  // namespace

TZeitreihe TIndEMV::BoxRatioUndRohwerte(const TKurse& kurse) {
  const auto k = kurse.Alle();
  boxRatio_ = Preisbereich(kurse);
  TZeitreihe roh = Preisbereich(kurse);
  TZehnTage zehnTage;
  for (int i = 0; i < std::ssize(k); ++i) {
    const TKurs& heute = k[i];
    zehnTage.Bis(k, i);
    if (!Vorhanden(heute.Umsatz) || !Vorhanden(heute.Hoch) || !Vorhanden(heute.Tief)) continue;
    double umsatz = 0;
    double schluss = 0;
    if (!zehnTage.Mittel(umsatz, schluss)) continue;
    if (heute.Hoch == heute.Tief) {
      roh.Setzen(heute.Datum, 0.0);  // a flat day does not move
      continue;
    }
    const double box =
        (heute.Umsatz / umsatz * 10.0) / ((heute.Hoch - heute.Tief) / schluss * 25.0);
    boxRatio_->Setzen(heute.Datum, box);
    if (const auto mm = midpoint_->Lesen(heute.Datum)) {
      if (box == 0) DivisionDurchNull();
      roh.Setzen(heute.Datum, *mm / box);
    }
  }
  return roh;
}

void TIndEMV::Rechnen(const TKurse& kurse) {
  const auto k = kurse.Alle();
  midpoint_ = Preisbereich(kurse);
  for (std::size_t i = 1; i < k.size(); ++i) {
    const TKurs& heute = k[i];
    const TKurs& gestern = k[i - 1];
    if (Vorhanden(heute.Hoch) && Vorhanden(heute.Tief) && Vorhanden(gestern.Hoch) &&
        Vorhanden(gestern.Tief) && Vorhanden(heute.Schluss)) {
      midpoint_->Setzen(heute.Datum, ((heute.Hoch + heute.Tief) - (gestern.Hoch + gestern.Tief)) /
                                         (2.0 * heute.Schluss) * 1000.0);
    }
  }
  emv_ = Durchschnitt(BoxRatioUndRohwerte(kurse), Param.Glaettung);
  oszillator_ = TZeitreihe(emv_->Von(), emv_->Bis());
  for (Boersentag d = emv_->Von(); emv_->Enthaelt(d); ++d) {
    if (const auto emv = emv_->Lesen(d)) {
      oszillator_->Setzen(d, Differenzoszillator(*emv, Param.Empfindlichkeit));
    }
  }
  SignalBerechnen();
}

void TIndEMV::Darstellen(TIndikatorZeichnen& z) {
  if (!z.SignalUndOszillatorZeichnen(Param.ZeigeOszillator)) return;
  if (Param.ZeigeEmv) z.Hilfslinie({EmvGeglaettet(), kHellgruen, "EMV (geglättet)"});
  if (Param.ZeigeBoxRatio) z.Hilfslinie({BoxRatio(), kCyan, "Box Ratio"});
  if (Param.ZeigeMidpoint) z.Hilfslinie({MidpointMove(), kOliv, "Midpoint Move"});
}

}  // namespace morvane
