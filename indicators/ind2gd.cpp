#include "indicators/ind2gd.h"

#include "indicators/ind1gd.h"

namespace morvane {

const TArtBeschreibung<TParam2GD>& TInd2GD::Beschreibung() {
  using P = TParam2GD;
  static const TArtBeschreibung<P> beschreibung{
      {
          {&P::KurzZeitraum,
           WordFeld("Berechnungszeitraum kurzfristiger Durchschnitt:", kMeldungZeitraum),
           {}},
          {&P::LangZeitraum,
           WordFeld("Berechnungszeitraum langfristiger Durchschnitt:", kMeldungZeitraum),
           {}},
          {&P::Gewichtungsart, GewichtungsFeld("Gewichtung", true), {}},
          {&P::Empfindlichkeit, ByteFeld("Empfindlichkeit:", kMeldungEmpfindlichkeit), {}},
          {&P::ZeigeKurz, {}, "Kurzfristiger gleitender Durchschnitt"},
          {&P::ZeigeLang, {}, "Langfristiger gleitender Durchschnitt"},
          {&P::ZeigeOszillator, {}, "Oszillator"},
      },
      // The stored record, in file order.
      {&P::KurzZeitraum, &P::LangZeitraum, &P::Gewichtungsart, &P::Empfindlichkeit, &P::ZeigeKurz,
       &P::ZeigeLang, &P::ZeigeOszillator},
      {
          FeldPruefen(&P::KurzZeitraum),
          FeldPruefen(&P::LangZeitraum),
          HoechstensExponentiell(&P::KurzZeitraum, &P::Gewichtungsart),
          HoechstensExponentiell(&P::LangZeitraum, &P::Gewichtungsart),
          Kleiner(&P::KurzZeitraum, &P::LangZeitraum, kMeldungKurzLang),
          FeldPruefen(&P::Empfindlichkeit),
          FeldPruefen(&P::Gewichtungsart),
      }};
  return beschreibung;
}

void TInd2GD::Rechnen(const TKurse& kurse) {
  kurz_ = Kursdurchschnitt(kurse, Param.Gewichtungsart, Param.KurzZeitraum);
  lang_ = Kursdurchschnitt(kurse, Param.Gewichtungsart, Param.LangZeitraum);
  oszillator_ = Preisbereich(kurse);
  for (const TKurs& kurs : kurse.Alle()) {
    const auto k = kurz_->Lesen(kurs.Datum);
    const auto l = lang_->Lesen(kurs.Datum);
    if (k && l) {
      oszillator_->Setzen(kurs.Datum, Verhaeltnisoszillator(*k, *l, Param.Empfindlichkeit));
    }
  }
  SignalBerechnen();
}

std::string TInd2GD::Info(Boersentag datum) const {
  return InfoSignalOszillator(datum) + kInfoZeilenende +
         InfoZeile("kurzfristiger gleitender Durchschnitt", KurzerDurchschnitt(), datum, 2) +
         kInfoZeilenende +
         InfoZeile("langfristiger gleitender Durchschnitt", LangerDurchschnitt(), datum, 2);
}

void TInd2GD::Darstellen(TIndikatorZeichnen& z) {
  if (!z.SignalUndOszillatorZeichnen(Param.ZeigeOszillator)) return;
  const std::string lang = TageLinie(Param.LangZeitraum);
  const std::string kurz = TageLinie(Param.KurzZeitraum);
  if (Param.ZeigeLang) z.Preislinie({LangerDurchschnitt(), kGruen, lang});
  if (Param.ZeigeKurz) z.Preislinie({KurzerDurchschnitt(), kHellgruen, kurz});
}

}  // namespace morvane
