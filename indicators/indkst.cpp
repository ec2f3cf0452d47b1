#include "indicators/indkst.h"

#include <array>

namespace morvane {

namespace {

TEingabefeld KstFeld(std::string ueberschrift, std::string beschriftung, std::string_view meldung,
                     double minimum = 1) {
  TEingabefeld feld = WordFeld(std::move(beschriftung), meldung);
  feld.Ueberschrift = std::move(ueberschrift);
  feld.Minimum = minimum;
  return feld;
}

constexpr std::string_view kMeldungN =
    "Als Berechnungszeitraum der RoC muss eine Zahl angegeben werden, die größer oder gleich 1 "
    "ist.";
constexpr std::string_view kMeldungM =
    "Als Glättung der RoC muss eine Zahl angegeben werden, die größer oder gleich 1 ist.";
constexpr std::string_view kMeldungF = "Der Gewichtungs-Faktor der RoC darf nicht negativ sein.";

}  // namespace

const TArtBeschreibung<TParamKST>& TIndKST::Beschreibung() {
  using P = TParamKST;
  static const TArtBeschreibung<P> beschreibung{
      {
          {&P::N1, KstFeld("Berechnungszeiträume der ungeglätteten RoC:", "n1:", kMeldungN), {}},
          {&P::N2, KstFeld({}, "n2:", kMeldungN), {}},
          {&P::N3, KstFeld({}, "n3:", kMeldungN), {}},
          {&P::N4, KstFeld({}, "n4:", kMeldungN), {}},
          {&P::M1, KstFeld("Glättung der RoC:", "m1:", kMeldungM), {}},
          {&P::M2, KstFeld({}, "m2:", kMeldungM), {}},
          {&P::M3, KstFeld({}, "m3:", kMeldungM), {}},
          {&P::M4, KstFeld({}, "m4:", kMeldungM), {}},
          {&P::F1,
           KstFeld("Gewichtung der RoC zur Berechnung des ungeglätteten KST:", "F1:", kMeldungF, 0),
           {}},
          {&P::F2, KstFeld({}, "F2:", kMeldungF, 0), {}},
          {&P::F3, KstFeld({}, "F3:", kMeldungF, 0), {}},
          {&P::F4, KstFeld({}, "F4:", kMeldungF, 0), {}},
          {&P::Glaettung,
           WordFeld("Glättung des KST:",
                    "Als Glättung des KST muss eine Zahl angegeben werden, die größer oder "
                    "gleich 1 ist."),
           {}},
          {&P::Empfindlichkeit, ByteFeld("Empfindlichkeit:", kMeldungEmpfindlichkeit), {}},
          {&P::ZeigeUngeglaettet, {}, "KST ungeglättet"},
          {&P::ZeigeGeglaettet, {}, "KST geglättet"},
          {&P::ZeigeOszillator, {}, "Oszillator"},
      },
      // The stored record, in file order.
      {&P::N1, &P::N2, &P::N3, &P::N4, &P::M1, &P::M2, &P::M3, &P::M4, &P::F1, &P::F2, &P::F3,
       &P::F4, &P::Glaettung, &P::Empfindlichkeit, &P::ZeigeUngeglaettet, &P::ZeigeGeglaettet,
       &P::ZeigeOszillator}};
  return beschreibung;
}

void TIndKST::Rechnen(const TKurse& kurse) {
  const std::array<int, 4> zeitraum = {Param.N1, Param.N2, Param.N3, Param.N4};
  const std::array<int, 4> glaettung = {Param.M1, Param.M2, Param.M3, Param.M4};
  const std::array<double, 4> faktor = {double(Param.F1), double(Param.F2), double(Param.F3),
                                        double(Param.F4)};
  std::array<TZeitreihe, 4> roc;
  for (std::size_t j = 0; j < 4; ++j) {
    TZeitreihe roh = Preisbereich(kurse);
    KursVergleich(kurse, zeitraum[j], roh, [](double c, double c0) { return (c - c0) / c0; });
    roc[j] = Durchschnitt(roh, glaettung[j]);
  }
  ungeglaettet_ = Preisbereich(kurse);
  for (Boersentag d = ungeglaettet_->Von(); ungeglaettet_->Enthaelt(d); ++d) {
    double summe = 0;
    bool vollstaendig = true;
    for (std::size_t j = 0; j < 4 && vollstaendig; ++j) {
      const auto r = roc[j].Lesen(d);
      vollstaendig = r.has_value();
      if (r) summe += faktor[j] * *r;
    }
    if (vollstaendig) ungeglaettet_->Setzen(d, summe);
  }
  geglaettet_ = Durchschnitt(*ungeglaettet_, Param.Glaettung);
  oszillator_ = Preisbereich(kurse);
  for (Boersentag d = oszillator_->Von(); oszillator_->Enthaelt(d); ++d) {
    const auto u = ungeglaettet_->Lesen(d);
    const auto g = geglaettet_->Lesen(d);
    if (u && g) oszillator_->Setzen(d, Differenzoszillator(*u - *g, Param.Empfindlichkeit));
  }
  SignalBerechnen();
}

std::string TIndKST::Info(Boersentag datum) const {
  return InfoSignalOszillator(datum) + kInfoZeilenende +
         InfoZeile("KST geglättet", KstGeglaettet(), datum, 2);
}

void TIndKST::Darstellen(TIndikatorZeichnen& z) {
  if (!z.SignalUndOszillatorZeichnen(Param.ZeigeOszillator)) return;
  if (Param.ZeigeGeglaettet) z.Hilfslinie({KstGeglaettet(), kHellgruen, "KST geglättet"});
  if (Param.ZeigeUngeglaettet) z.Hilfslinie({KstUngeglaettet(), kGruen, "KST ungeglättet"});
}

}  // namespace morvane
