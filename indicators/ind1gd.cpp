#include "indicators/ind1gd.h"

namespace morvane {

const TArtBeschreibung<TParam1GD>& TInd1GD::Beschreibung() {
  using P = TParam1GD;
  static const TArtBeschreibung<P> beschreibung{
      {
          {&P::Zeitraum,
           WordFeld("Berechnungszeitraum:",
                    "Als Berechnungszeitraum für den gleitenden Durchschnitt muss eine Zahl "
                    "angegeben werden, die größer oder gleich 1 ist.",
                    "Tage"),
           {}},
          {&P::Gewichtungsart, GewichtungsFeld("Gewichtung", true), {}},
          {&P::Empfindlichkeit, ByteFeld("Empfindlichkeit:", kMeldungEmpfindlichkeit), {}},
          {&P::ZeigeDurchschnitt, {}, "Gleitender Durchschnitt"},
          {&P::ZeigeOszillator, {}, "Oszillator"},
      },
      // The stored record, in file order.
      {&P::Zeitraum, &P::Gewichtungsart, &P::Empfindlichkeit, &P::ZeigeDurchschnitt,
       &P::ZeigeOszillator},
      {
          FeldPruefen(&P::Zeitraum),
          HoechstensExponentiell(&P::Zeitraum, &P::Gewichtungsart),
          FeldPruefen(&P::Empfindlichkeit),
          FeldPruefen(&P::Gewichtungsart),
      }};
  return beschreibung;
}

void TInd1GD::Rechnen(const TKurse& kurse) {
  durchschnitt_ = Kursdurchschnitt(kurse, Param.Gewichtungsart, Param.Zeitraum);
  oszillator_ = Preisbereich(kurse);
  for (const TKurs& kurs : kurse.Alle()) {
    if (!Vorhanden(kurs.Schluss)) continue;
    if (auto mittel = durchschnitt_->Lesen(kurs.Datum)) {
      oszillator_->Setzen(kurs.Datum,
                          Verhaeltnisoszillator(kurs.Schluss, *mittel, Param.Empfindlichkeit));
    }
  }
  SignalBerechnen();
}

std::string TInd1GD::Info(Boersentag datum) const {
  return InfoSignalOszillator(datum) + kInfoZeilenende +
         InfoZeile("gleitender Durchschnitt", Durchschnittslinie(), datum, 2);
}

std::string TageLinie(int tage) {
  return std::to_string(tage) + " Tage Linie";
}

void TInd1GD::Darstellen(TIndikatorZeichnen& z) {
  if (!z.SignalUndOszillatorZeichnen(Param.ZeigeOszillator)) return;
  const std::string legende = TageLinie(Param.Zeitraum);
  if (Param.ZeigeDurchschnitt) z.Preislinie({Durchschnittslinie(), kGruen, legende});
}

}  // namespace morvane
