#include "indicators/indcdo.h"

#include "indicators/indmac.h"

namespace morvane {

const TArtBeschreibung<TParamCDO>& TIndCDO::Beschreibung() {
  using P = TParamCDO;
  static const TArtBeschreibung<P> beschreibung{
      MacdZeitraeume<P>({
          {&P::Empfindlichkeit,
           WordFeld("Empfindlichkeit bei der Berechnung des MAC:", kMeldungEmpfindlichkeit),
           {}},
          {&P::CdoZeitraum, WordFeld("Berechnungszeitraum für CDO:", kMeldungZeitraum), {}},
          {&P::Glaettung,
           WordFeld("Glättung des Oszillators:",
                    "Als Glättung des Oszillators muss eine Zahl angegeben werden, die größer "
                    "oder gleich 1 ist."),
           {}},
          {&P::ZeigeMacdOszillator, {}, "MACD-Oszillator"},
          {&P::ZeigeOszillator, {}, "Oszillator"},
      }),
      // The stored record, in file order.
      {&P::KurzZeitraum, &P::LangZeitraum, &P::TriggerZeitraum, &P::Empfindlichkeit,
       &P::CdoZeitraum, &P::Glaettung, &P::ZeigeMacdOszillator, &P::ZeigeOszillator},
      {
          FeldPruefen(&P::KurzZeitraum),
          FeldPruefen(&P::LangZeitraum),
          FeldPruefen(&P::TriggerZeitraum),
          FeldPruefen(&P::CdoZeitraum),
          Kleiner(&P::KurzZeitraum, &P::LangZeitraum, kMeldungKurzLang),
          FeldPruefen(&P::Empfindlichkeit),
          FeldPruefen(&P::Glaettung),
      }};
  return beschreibung;
}

void TIndCDO::Rechnen(const TKurse& kurse) {
  const TMacdLinien linien =
      MacdBerechnen(kurse, Param.KurzZeitraum, Param.LangZeitraum, Param.TriggerZeitraum);
  macdOszillator_ = MacOszillator(kurse, linien, Param.Empfindlichkeit);
  // Momentum of M over c date positions (holidays count as positions).
  const TZeitreihe& m = *macdOszillator_;
  TZeitreihe roh(m.Von(), m.Bis());
  const int abstand = Param.CdoZeitraum - 1;
  for (Boersentag d = m.Von(); m.Enthaelt(d); ++d) {
    const auto jetzt = m.Lesen(d);
    const auto frueher = m.Lesen(d - abstand);
    if (!jetzt || !frueher) continue;
    const double summe = *jetzt + *frueher;
    if (summe == 0) DivisionDurchNull();
    roh.Setzen(d, *jetzt / summe * 100.0);
  }
  oszillator_ = Durchschnitt(roh, Param.Glaettung);
  SignalBerechnen();
}

std::string TIndCDO::Info(Boersentag datum) const {
  return InfoSignalOszillator(datum) + kInfoZeilenende +
         InfoZeile("MACD-Oszillator", MacdOszillator(), datum, 1, " Punkte");
}

void TIndCDO::Darstellen(TIndikatorZeichnen& z) {
  if (!z.SignalUndOszillatorZeichnen(Param.ZeigeOszillator)) return;
  if (!Param.ZeigeMacdOszillator) return;
  z.Linie(kGruen, false, "P.", 100, 0, MacdOszillator());
  z.Legende("MACD-Oszillator", kGruen);
}

}  // namespace morvane
