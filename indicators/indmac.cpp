#include "indicators/indmac.h"

#include <array>
#include <string>

#include "indicators/rechenvorrat.h"

namespace morvane {

namespace {

TMacdLinien MacdRechnen(const TKurse& kurse, int kurz, int lang, int trigger) {
  const TZeitreihe k = Kursdurchschnitt(kurse, kgLinear, kurz);
  const TZeitreihe l = Kursdurchschnitt(kurse, kgLinear, lang);
  TZeitreihe macd = Preisbereich(kurse);
  for (const TKurs& kurs : kurse.Alle()) {
    const auto a = k.Lesen(kurs.Datum);
    const auto b = l.Lesen(kurs.Datum);
    if (a && b) macd.Setzen(kurs.Datum, *a - *b);
  }
  TZeitreihe triggerlinie = LinearerDurchschnitt(macd, trigger);
  return {std::move(macd), std::move(triggerlinie)};
}

}  // namespace

TMacdLinien MacdBerechnen(const TKurse& kurse, int kurz, int lang, int trigger) {
  const std::string schluessel =
      "MACD/" + std::to_string(kurz) + "/" + std::to_string(lang) + "/" + std::to_string(trigger);
  return TRechenvorrat::Holen<TMacdLinien>(kurse, schluessel,
                                           [&] { return MacdRechnen(kurse, kurz, lang, trigger); });
}

TZeitreihe MacOszillator(const TKurse& kurse, const TMacdLinien& linien, double s) {
  TZeitreihe oszillator = Preisbereich(kurse);
  for (const TKurs& kurs : kurse.Alle()) {
    if (!Vorhanden(kurs.Schluss)) continue;
    const auto macd = linien.Macd.Lesen(kurs.Datum);
    const auto trigger = linien.Trigger.Lesen(kurs.Datum);
    if (macd && trigger) {
      oszillator.Setzen(kurs.Datum, Differenzoszillator((*macd - *trigger) / kurs.Schluss, s));
    }
  }
  return oszillator;
}

const TArtBeschreibung<TParamMAC>& TIndMAC::Beschreibung() {
  using P = TParamMAC;
  static const TArtBeschreibung<P> beschreibung{
      MacdZeitraeume<P>({
          {&P::Empfindlichkeit, WordFeld("Empfindlichkeit:", kMeldungEmpfindlichkeit), {}},
          {&P::ZeigeMacd, {}, "MACD"},
          {&P::ZeigeTrigger, {}, "Trigger"},
          {&P::ZeigeOszillator, {}, "Oszillator"},
      }),
      // The stored record, in file order.
      {&P::KurzZeitraum, &P::LangZeitraum, &P::TriggerZeitraum, &P::Empfindlichkeit, &P::ZeigeMacd,
       &P::ZeigeTrigger, &P::ZeigeOszillator},
      {
          FeldPruefen(&P::KurzZeitraum),
          FeldPruefen(&P::LangZeitraum),
          FeldPruefen(&P::TriggerZeitraum),
          Kleiner(&P::KurzZeitraum, &P::LangZeitraum, kMeldungKurzLang),
          FeldPruefen(&P::Empfindlichkeit),
      }};
  return beschreibung;
}

void TIndMAC::Rechnen(const TKurse& kurse) {
  linien_ = MacdBerechnen(kurse, Param.KurzZeitraum, Param.LangZeitraum, Param.TriggerZeitraum);
  oszillator_ = MacOszillator(kurse, *linien_, Param.Empfindlichkeit);
  SignalBerechnen();
}

void TIndMAC::Darstellen(TIndikatorZeichnen& z) {
  if (!z.SignalUndOszillatorZeichnen(Param.ZeigeOszillator)) return;
  const std::array<TIndLinie, 2> linien = {TIndLinie{Macd(), kGruen, "MACD"},
                                           TIndLinie{Trigger(), kHellgruen, "Trigger"}};
  if (Param.ZeigeMacd && Param.ZeigeTrigger) {
    if (const auto bereich = GemeinsamerBereich(linien, z.Chart())) {
      z.LinienAufSkala(linien, *bereich);
      return;
    }
  }
  if (Param.ZeigeMacd) z.Hilfslinie(linien[0]);
  if (Param.ZeigeTrigger) z.Hilfslinie(linien[1]);
}

}  // namespace morvane
