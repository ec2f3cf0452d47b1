#include "indicators/indcha.h"

#include <array>
#include <limits>

namespace morvane {

const TArtBeschreibung<TParamCHA>& TIndCHA::Beschreibung() {
  using P = TParamCHA;
  static const TEingabefeld nenner = [] {
    TEingabefeld feld;
    feld.Beschriftung = "Empfindlichkeit:";
    feld.Vorsatz = "1 /";
    feld.Minimum = 1;
    feld.Maximum = std::numeric_limits<std::int32_t>::max();
    feld.Meldung =
        "Im Nenner der Empfindlichkeit muss eine Zahl angegeben werden, die größer oder gleich 1 "
        "ist.";
    return feld;
  }();
  static const TArtBeschreibung<P> beschreibung{
      {
          {&P::KurzGlaettung,
           WordFeld("Glättung für kurzfristige AD-Linie:", kMeldungGlaettungszeitraum),
           {}},
          {&P::LangGlaettung,
           WordFeld("Glättung für langfristige AD-Linie:", kMeldungGlaettungszeitraum),
           {}},
          {&P::Empfindlichkeit, nenner, {}},
          {&P::ZeigeAd, {}, "AD-Linie"},
          {&P::ZeigeGeglaettet, {}, "AD-Linien (geglättet)"},
          {&P::ZeigeOszillator, {}, "Oszillator"},
      },
      // The stored record, in file order.
      {&P::KurzGlaettung, &P::LangGlaettung, &P::Empfindlichkeit, &P::ZeigeAd, &P::ZeigeGeglaettet,
       &P::ZeigeOszillator},
      {
          FeldPruefen(&P::KurzGlaettung),
          FeldPruefen(&P::LangGlaettung),
          Kleiner(&P::KurzGlaettung, &P::LangGlaettung,
                  "Der Glättungszeitraum der kurzfristigen AD-Linie muss kleiner sein als der der "
                  "langfristigen AD-Linie."),
          FeldPruefen(&P::Empfindlichkeit),
      }};
  return beschreibung;
}

void TIndCHA::Rechnen(const TKurse& kurse) {
  ad_ = Preisbereich(kurse);
  double summe = 0;
  for (const TKurs& k : kurse.Alle()) {
    const bool da = Vorhanden(k.Hoch) && Vorhanden(k.Tief) && Vorhanden(k.Schluss) &&
                    Vorhanden(k.Umsatz) && k.Hoch > k.Tief;
    if (!da) continue;
    summe += k.Umsatz * (2 * k.Schluss - k.Tief - k.Hoch) / (k.Hoch - k.Tief);
    ad_->Setzen(k.Datum, summe);
  }
  kurz_ = LinearerDurchschnitt(*ad_, Param.KurzGlaettung);
  lang_ = LinearerDurchschnitt(*ad_, Param.LangGlaettung);
  oszillator_ = Preisbereich(kurse);
  for (const TKurs& k : kurse.Alle()) {
    const auto kurz = kurz_->Lesen(k.Datum);
    const auto lang = lang_->Lesen(k.Datum);
    if (!Vorhanden(k.Schluss) || !kurz || !lang) continue;
    if (Param.Empfindlichkeit == 0) DivisionDurchNull();
    oszillator_->Setzen(
        k.Datum, Differenzoszillator((*kurz - *lang) / k.Schluss, 1.0 / Param.Empfindlichkeit));
  }
  SignalBerechnen();
}

void TIndCHA::Darstellen(TIndikatorZeichnen& z) {
  if (!z.SignalUndOszillatorZeichnen(Param.ZeigeOszillator)) return;
  const TIndLinie ad{AdLinie(), kGruen, "AD-Linie"};
  if (!Param.ZeigeGeglaettet) {
    if (Param.ZeigeAd) z.Hilfslinie(ad);
    return;
  }
  const std::array<TIndLinie, 3> linien = {
      ad, TIndLinie{KurzeLinie(), kHellgruen, "AD-Linien (kurzfristig, geglättet)"},
      TIndLinie{LangeLinie(), kCyan, "AD-Linien (langfristig, geglättet)"}};
  const std::span<const TIndLinie> geglaettet = std::span(linien).subspan(1);
  std::optional<TWertebereich> bereich = GemeinsamerBereich(geglaettet, z.Chart());
  if (!bereich) return;
  if (!Param.ZeigeAd) {
    z.LinienAufSkala(geglaettet, *bereich);
    return;
  }
  z.LinienAufSkala(linien, Vereinigung(*bereich, Wertebereich(ad.Reihe, z.Chart())));
}

}  // namespace morvane
