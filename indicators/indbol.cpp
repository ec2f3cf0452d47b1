#include "indicators/indbol.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "core/zahltext.h"

namespace morvane {

const TArtBeschreibung<TParamBOL>& TIndBOL::Beschreibung() {
  using P = TParamBOL;
  static const TEingabefeld bandfaktor = [] {
    TEingabefeld feld;
    feld.Beschriftung = "Gewichtungsfaktor für Bandbreite:";
    feld.Art = TFeldart::Dezimalzahl;
    feld.Dezimalen = 2;
    feld.Minimum = 0;
    feld.Maximum = HUGE_VAL;
    feld.Meldung = "Der Gewichtungs-Faktor für die Bandbreite darf nicht negativ sein.";
    return feld;
  }();
  static const TArtBeschreibung<P> beschreibung{
      {
          {&P::Zeitraum,
           WordFeld("Berechnungszeitraum für gleitenden Durchschnitt:",
                    "Als Berechnungszeitraum für den gleitenden Durchschnitt muss eine Zahl "
                    "angegeben werden, die größer oder gleich 1 ist."),
           {}},
          {&P::Gewichtungsart,
           GewichtungsFeld("Berechnung des gleitenden Durchschnitts", false),
           {}},
          {&P::AbweichungZeitraum,
           WordFeld("Berechnungszeitraum für Standardabweichung:",
                    "Als Berechnungszeitraum für die Standardabweichung muss eine Zahl angegeben "
                    "werden, die größer oder gleich 1 ist."),
           {}},
          {&P::Bandfaktor, bandfaktor, {}},
          {&P::Empfindlichkeit, ByteFeld("Empfindlichkeit:", kMeldungEmpfindlichkeit), {}},
          {&P::ZeigeDurchschnitt, {}, "Gleitender Durchschnitt"},
          {&P::ZeigeUmhuellung, {}, "Umhüllungslinien"},
          {&P::ZeigeOszillator, {}, "Oszillator"},
      },
      // The stored record, in file order.
      {&P::Zeitraum, &P::Gewichtungsart, &P::AbweichungZeitraum, &P::Bandfaktor,
       &P::Empfindlichkeit, &P::ZeigeDurchschnitt, &P::ZeigeUmhuellung, &P::ZeigeOszillator},
      {
          FeldPruefen(&P::Zeitraum),
          FeldPruefen(&P::AbweichungZeitraum),
          FeldPruefen(&P::Bandfaktor),
          FeldPruefen(&P::Empfindlichkeit),
          FeldPruefen(&P::Gewichtungsart),
      }};
  return beschreibung;
}

namespace {

// The closes of the records von..bis that have one, and their squares, into
// the sums.
template <typename Summe>
void Schlusssummen(std::span<const TKurs> k, int von, int bis, Summe& summe, Summe& quadrate) {
  for (int i = std::max(von, 0); i <= bis; ++i) {
    if (!Vorhanden(k[i].Schluss)) continue;
    summe.Plus(k[i].Schluss);
    quadrate.PlusProdukt(k[i].Schluss, k[i].Schluss);
  }
}

}  // namespace

void TIndBOL::UmhuellungBerechnen(const TKurse& kurse) {
  const auto k = kurse.Alle();
  const int m = Param.AbweichungZeitraum;
  oben_ = Preisbereich(kurse);
  unten_ = Preisbereich(kurse);
  // The closes of the window, their squares and their count, running as
  // estimates; where these cannot decide, the window is summed afresh and
  // exactly, and the estimates start over.
  TSchaetzsumme summe;
  TSchaetzsumme quadrate;
  std::uint64_t anzahl = 0;
  for (int i = 0; m >= 1 && i < std::ssize(k); ++i) {
    if (i - m >= 0 && Vorhanden(k[i - m].Schluss)) {
      summe.Plus(-k[i - m].Schluss);
      quadrate.PlusProdukt(-k[i - m].Schluss, k[i - m].Schluss);
      --anzahl;
    }
    if (Vorhanden(k[i].Schluss)) {
      summe.Plus(k[i].Schluss);
      quadrate.PlusProdukt(k[i].Schluss, k[i].Schluss);
      ++anzahl;
    }
    const auto mittel = durchschnitt_->Lesen(k[i].Datum);
    if (!mittel || anzahl == 0) continue;
    // Deviations from the average at the date of record i.
    auto varianz = MittlereQuadratabweichung(summe, quadrate, anzahl, *mittel);
    if (!varianz) {
      TExakteSumme exakt;
      TExakteSumme exaktQuadrate;
      Schlusssummen(k, i - m + 1, i, exakt, exaktQuadrate);
      varianz = MittlereQuadratabweichung(exakt, exaktQuadrate, anzahl, *mittel);
      summe = quadrate = {};
      Schlusssummen(k, i - m + 1, i, summe, quadrate);
    }
    const double band = Param.Bandfaktor * std::sqrt(*varianz);
    oben_->Setzen(k[i].Datum, *mittel + band);
    unten_->Setzen(k[i].Datum, *mittel - band);
  }
}

double TIndBOL::OszillatorWert(double schluss, double oben, double unten) const {
  const double s = Param.Empfindlichkeit;
  if (schluss > oben) {
    if (oben == 0) DivisionDurchNull();
    return 100.0 - 60.0 / (1.0 + Potenz(schluss / oben, s));
  }
  if (schluss < unten) {
    if (unten == 0) DivisionDurchNull();
    return 60.0 - 60.0 / (1.0 + Potenz(schluss / unten, s));
  }
  if (oben - unten > 0 && unten >= 0) return (schluss - unten) / (oben - unten) * 40.0 + 30.0;
  return 50.0;
}

void TIndBOL::Rechnen(const TKurse& kurse) {
  durchschnitt_ = Kursdurchschnitt(kurse, Param.Gewichtungsart, Param.Zeitraum);
  UmhuellungBerechnen(kurse);
  oszillator_ = Preisbereich(kurse);
  for (const TKurs& kurs : kurse.Alle()) {
    const auto oben = oben_->Lesen(kurs.Datum);
    const auto unten = unten_->Lesen(kurs.Datum);
    if (Vorhanden(kurs.Schluss) && oben && unten) {
      oszillator_->Setzen(kurs.Datum, OszillatorWert(kurs.Schluss, *oben, *unten));
    }
  }
  SignalBerechnen();
}

std::string TIndBOL::Info(Boersentag datum) const {
  std::string text = InfoSignalOszillator(datum) + kInfoZeilenende +
                     InfoZeile("gleitender Durchschnitt", Durchschnittslinie(), datum, 2) +
                     kInfoZeilenende + "Standardabweichung: ";
  const auto oben = oben_ ? oben_->Lesen(datum) : std::nullopt;
  const auto unten = unten_ ? unten_->Lesen(datum) : std::nullopt;
  if (!oben || !unten) return text + "-";
  if (Param.Bandfaktor == 0) DivisionDurchNull();
  return text + ZahlZuText(2, (*oben - *unten) / 2.0 / Param.Bandfaktor);
}

void TIndBOL::Darstellen(TIndikatorZeichnen& z) {
  if (!z.SignalUndOszillatorZeichnen(Param.ZeigeOszillator)) return;
  if (Param.ZeigeDurchschnitt)
    z.Preislinie({Durchschnittslinie(), kGruen, "Gleitender Durchschnitt"});
  if (Param.ZeigeUmhuellung) {
    // Both envelope lines share one legend entry.
    z.Linie(kHellgruen, false, {}, kPreisachse, kPreisachse, ObereLinie());
    z.Preislinie({UntereLinie(), kHellgruen, "Umhüllungslinien"});
  }
}

}  // namespace morvane
