// Every kind and aggregate drawn over real prices: which lines, in which
// colours, on which scales, with which legends.
#include <algorithm>
#include <map>

#include <gtest/gtest.h>

#include "indicators/indadx.h"
#include "indicators/indcha.h"
#include "indicators/inddmi.h"
#include "indicators/indgesamt.h"
#include "indicators/indikatortypen.h"
#include "indicators/indmac.h"
#include "indicators/indnv.h"
#include "indicators/indrti.h"
#include "indicators/indtsf.h"
#include "indicators/indvhf.h"
#include "testchart.h"
#include "testkurse.h"

namespace morvane {
namespace {

using test::Skalen;
using test::TLegendenaufruf;
using test::TStrecke;
using test::TTestChart;
using test::TTestFlaeche;

using Legenden = std::vector<TLegendenaufruf>;

const TKurse& Kurse() {
  static const TKurse kurse = test::BeispielKurse("MSFT_2000-2001_Rmetrics.csv");
  return kurse;
}

// The chart shows the records `von` .. `bis` (indices).
TTestChart ChartUeber(int von, int bis) {
  return TTestChart(Kurse().Kurs(von)->Datum, Kurse().Kurs(bis)->Datum);
}

// One draw pass of an indicator in a display mode.
struct TZeichnung {
  TZeichnung(TIndikator& ind, int anzeige, TTestChart chart) : Chart(std::move(chart)) {
    ind.Anzeige = static_cast<std::uint8_t>(anzeige);
    ind.Zeichnen(Flaeche.Fenster, Chart);
  }
  TTestChart Chart;
  TTestFlaeche Flaeche;
};

// Smallest and largest value of the series within the chart's visible dates.
TWertebereich Sichtbar(const TZeitreihe* reihe, const TTestChart& chart) {
  std::optional<TWertebereich> b;
  for (const auto& [tag, wert] : test::Werte(*reihe)) {
    if (tag >= chart.Erstes && tag <= chart.Letztes)
      b = Vereinigung(b.value_or(TWertebereich{wert, wert}), TWertebereich{wert, wert});
  }
  EXPECT_TRUE(b);
  return b.value_or(TWertebereich{});
}

// Every check box of the kind set.
void AllesAnzeigen(TIndikator& ind) {
  ind.AllgemeinUebernehmen(std::vector<bool>(ind.AllgemeinFelder().size(), true));
}

const TLegendenaufruf kOszillator{"Oszillator", kBlau};
const TLegendenaufruf kSignal{"Signalverlauf", kRot};
const TLegendenaufruf kIntensitaet{"Trendintensität", kRot};

// The kind's own legends with all check boxes set, in drawing order.
const std::map<std::string_view, Legenden>& EigeneLegenden() {
  static const std::map<std::string_view, Legenden> tabelle = {
      {"IndRSI", {kOszillator}},
      {"IndSTO", {kOszillator, {"%K-Linie", kHellgruen}}},
      {"IndMOM", {kOszillator, {"Rate-of-Change (RoC)", kHellgruen}}},
      {"IndKST", {kOszillator, {"KST geglättet", kHellgruen}, {"KST ungeglättet", kGruen}}},
      {"IndBOL",
       {kOszillator, {"Gleitender Durchschnitt", kGruen}, {"Umhüllungslinien", kHellgruen}}},
      {"IndCCI",
       {kOszillator,
        {"CCI (geglättet)", kMagenta},
        {"CCI", kCyan},
        {"Typischer Preis (geglättet)", kGruen},
        {"Typischer Preis", kHellgruen}}},
      {"Ind1GD", {kOszillator, {"30 Tage Linie", kGruen}}},
      {"Ind2GD", {kOszillator, {"20 Tage Linie", kGruen}, {"10 Tage Linie", kHellgruen}}},
      {"IndMAC", {kOszillator, {"MACD", kGruen}, {"Trigger", kHellgruen}}},
      {"IndCDO", {kOszillator, {"MACD-Oszillator", kGruen}}},
      {"IndNV",
       {kOszillator,
        {"positive Volatilitätslinie (geglättet)", kGruen},
        {"negative Volatilitätslinie (geglättet)", kHellgruen}}},
      {"IndCHA",
       {kOszillator,
        {"AD-Linie", kGruen},
        {"AD-Linien (kurzfristig, geglättet)", kHellgruen},
        {"AD-Linien (langfristig, geglättet)", kCyan}}},
      {"IndEMV",
       {kOszillator,
        {"EMV (geglättet)", kHellgruen},
        {"Box Ratio", kCyan},
        {"Midpoint Move", kOliv}}},
      {"IndMFI", {kOszillator, {"Money Ratio", kGruen}, {"Typischer Preis", kCyan}}},
      {"IndDMI", {kOszillator, {"posDI-Linie", kHellgruen}, {"negDI-Linie", kGruen}}},
      {"IndTSF", {kOszillator, {"Regressionsgeraden", kGruen}, {"TSF", kCyan}}},
      {"IndRTI", {kIntensitaet}},
      {"IndADX", {{"Intensitäts-DMI", kHellgruen}}},
      {"IndVHF", {kIntensitaet}},
  };
  return tabelle;
}

// What a kind shows in a display mode, given its own legends.
Legenden Erwartet(std::string_view schluessel, int gruppe, int anzeige) {
  const Legenden& eigene = EigeneLegenden().at(schluessel);
  if (schluessel == "IndRTI" || schluessel == "IndVHF") return eigene;
  if (schluessel == "IndADX") {
    Legenden l;
    if (anzeige >= 2) l.push_back(kIntensitaet);
    if (anzeige <= 2) l.insert(l.end(), eigene.begin(), eigene.end());
    return l;
  }
  EXPECT_NE(gruppe, 3);
  Legenden l;
  if (anzeige >= 2) l.push_back(kSignal);
  if (anzeige <= 2) l.insert(l.end(), eigene.begin(), eigene.end());
  return l;
}

TEST(ArtenZeichnen, JedeArtZeichnetIhreLinienMitLegendeInDerRichtigenFarbe) {
  ASSERT_EQ(Indikatortypen().size(), EigeneLegenden().size());
  for (const TIndikatortyp& typ : Indikatortypen()) {
    const auto ind = typ.Erzeugen();
    AllesAnzeigen(*ind);
    ind->Berechnen(Kurse());
    for (int anzeige = 1; anzeige <= 3; ++anzeige) {
      SCOPED_TRACE(std::string(typ.Schluessel) + " Anzeige " + std::to_string(anzeige));
      const TZeichnung z(*ind, anzeige, ChartUeber(60, 240));
      const Legenden erwartet = Erwartet(typ.Schluessel, typ.Gruppe, anzeige);
      EXPECT_EQ(z.Chart.Legenden, erwartet);
      // Every legend stands for lines actually drawn in its colour.
      for (const auto& l : erwartet)
        EXPECT_GT(z.Flaeche.Linien(l.Farbe).size(), 10u) << l.Text;
      // Only the first line labels the scale.
      const TLegendenaufruf& erste = erwartet.front();
      const test::TSkalenaufruf skala =
          erste == kOszillator    ? test::TSkalenaufruf{"P.", kBlau, 100, 0}
          : erste == kSignal      ? test::TSkalenaufruf{"%", kRot, 100, -100}
          : erste == kIntensitaet ? test::TSkalenaufruf{"%", kRot, 100, 0}
                                  : test::TSkalenaufruf{"", kHellgruen, 100, 0};
      EXPECT_EQ(z.Chart.Skalen, (Skalen{skala}));
      EXPECT_EQ(z.Chart.Baender.size(), erste == kOszillator ? 1u : 0u);
    }
  }
}

TEST(ArtenZeichnen, OszillatorUndAdxDmiNurMitIhremKaestchen) {
  const auto rsi = ErzeugeIndikator("IndRSI");
  rsi->Berechnen(Kurse());
  rsi->AllgemeinUebernehmen({false});
  const TZeichnung ohne(*rsi, 1, ChartUeber(0, 100));
  EXPECT_EQ(ohne.Flaeche.AnzahlLinien(), 0u);
  EXPECT_TRUE(ohne.Chart.Legenden.empty());

  TIndADX adx;
  adx.Berechnen(Kurse());
  adx.Param.ZeigeDmi = false;
  for (int anzeige : {1, 2, 3}) {
    const TZeichnung z(adx, anzeige, ChartUeber(0, 100));
    EXPECT_EQ(z.Chart.Legenden, anzeige == 1 ? Legenden{} : Legenden{kIntensitaet});
    EXPECT_TRUE(z.Flaeche.Linien(kHellgruen).empty());
  }
}

TEST(ArtenZeichnen, MacdUndTriggerAufGemeinsamerSkalaSonstJedeFuerSich) {
  TIndMAC mac;
  mac.Berechnen(Kurse());
  const TTestChart chart = ChartUeber(150, 240);
  const TWertebereich trigger = Sichtbar(mac.Trigger(), chart);
  const TWertebereich gemeinsam = Vereinigung(Sichtbar(mac.Macd(), chart), trigger);
  ASSERT_FALSE(gemeinsam.Min == trigger.Min && gemeinsam.Max == trigger.Max);

  const TZeichnung beide(mac, 1, chart);
  EXPECT_EQ(beide.Chart.Skalen, (Skalen{{"", kGruen, gemeinsam.Max, gemeinsam.Min}}));
  EXPECT_EQ(beide.Chart.Bereiche(),
            (std::set<std::pair<double, double>>{{gemeinsam.Max, gemeinsam.Min}}));
  // Under the signal's scale the two lines stay on their common one.
  const TZeichnung mitSignal(mac, 2, chart);
  EXPECT_EQ(mitSignal.Chart.Skalen, (Skalen{{"%", kRot, 100, -100}}));
  EXPECT_TRUE(mitSignal.Chart.Bereiche().contains({gemeinsam.Max, gemeinsam.Min}));

  mac.Param.ZeigeMacd = false;
  const TZeichnung nurTrigger(mac, 1, chart);
  EXPECT_EQ(nurTrigger.Chart.Skalen, (Skalen{{"", kHellgruen, trigger.Max, trigger.Min}}));
  EXPECT_EQ(nurTrigger.Chart.Legenden, (Legenden{{"Trigger", kHellgruen}}));
  EXPECT_TRUE(nurTrigger.Flaeche.Linien(kGruen).empty());
}

TEST(ArtenZeichnen, ChaikinSkalaUmfasstDieAdLinieNurWennSieGezeigtWird) {
  TIndCHA cha;
  cha.Berechnen(Kurse());
  const TTestChart chart = ChartUeber(100, 200);
  const TWertebereich ad = Sichtbar(cha.AdLinie(), chart);
  const TWertebereich geglaettet =
      Vereinigung(Sichtbar(cha.KurzeLinie(), chart), Sichtbar(cha.LangeLinie(), chart));
  const TWertebereich alle = Vereinigung(geglaettet, ad);
  ASSERT_FALSE(alle.Min == geglaettet.Min && alle.Max == geglaettet.Max);

  struct TFall {
    bool ad, geglaettet;
    Skalen skalen;
    std::size_t legenden;
  };
  for (const TFall& fall :
       {TFall{false, true, {{"", kHellgruen, geglaettet.Max, geglaettet.Min}}, 2},
        TFall{true, true, {{"", kGruen, alle.Max, alle.Min}}, 3},
        TFall{true, false, {{"", kGruen, ad.Max, ad.Min}}, 1}, TFall{false, false, {}, 0}}) {
    SCOPED_TRACE(testing::Message() << "AD " << fall.ad << ", geglättet " << fall.geglaettet);
    cha.Param.ZeigeAd = fall.ad;
    cha.Param.ZeigeGeglaettet = fall.geglaettet;
    const TZeichnung z(cha, 1, chart);
    EXPECT_EQ(z.Chart.Skalen, fall.skalen);
    EXPECT_EQ(z.Chart.Legenden.size(), fall.legenden);
    EXPECT_EQ(z.Chart.Bereiche().size(), fall.skalen.size()) << "all lines on the one scale";
  }
}

TEST(ArtenZeichnen, VolatilitaetAbNullUndDmiGemeinsamNurMitWertenInBeidenLinien) {
  const TTestChart chart = ChartUeber(100, 200);
  TIndNV nv;
  nv.Berechnen(Kurse());
  const TZeichnung volatilitaet(nv, 1, chart);
  const double max =
      std::max(Sichtbar(nv.PositiveLinie(), chart).Max, Sichtbar(nv.NegativeLinie(), chart).Max);
  EXPECT_EQ(volatilitaet.Chart.Skalen, (Skalen{{"", kGruen, max, 0}}));

  TIndDMI dmi;
  dmi.Berechnen(Kurse());
  const TZeichnung di(dmi, 1, chart);
  const TWertebereich b = Vereinigung(Sichtbar(dmi.PosDI(), chart), Sichtbar(dmi.NegDI(), chart));
  EXPECT_EQ(di.Chart.Skalen, (Skalen{{"", kHellgruen, b.Max, b.Min}}));
  // Before the first price nothing is visible: no common scale, no line.
  const Boersentag vorher = Kurse().ErsterTag() - 30;
  const TZeichnung leer(dmi, 1, TTestChart(vorher, vorher + 10));
  EXPECT_TRUE(leer.Chart.Skalen.empty());
  EXPECT_TRUE(leer.Chart.Legenden.empty());
}

TEST(ArtenZeichnen, RegressionsgeradenBeginnenImSichtbarenBereich) {
  TIndTSF tsf;
  tsf.Param.Zeitraum = 10;
  tsf.Param.ZeigeGeraden = true;
  tsf.Param.ZeigeTsf = false;
  tsf.Berechnen(Kurse());
  TTestChart chart = ChartUeber(100, 120);
  // Segments with an end without x are skipped.
  chart.OhneX = {Kurse().Kurs(105)->Datum, Kurse().Kurs(110)->Datum};
  const TGeradenListe& geraden = *tsf.Geraden();
  std::vector<TStrecke> erwartet;
  for (Boersentag d = chart.Erstes; d <= chart.Letztes + 9; ++d) {
    const auto g = geraden.Lesen(d);
    if (!g || chart.OhneX.contains(d) || chart.OhneX.contains(g->Startdatum)) continue;
    erwartet.push_back({chart.X(g->Startdatum), static_cast<int>(std::lround(5000 - g->Startwert)),
                        chart.X(d), static_cast<int>(std::lround(5000 - g->Endwert))});
  }
  // The range reaches past the last visible record, and there are segments
  // left out on both sides.
  ASSERT_GT(erwartet.size(), 21u);
  ASSERT_TRUE(geraden.Lesen(Kurse().Kurs(105)->Datum));
  ASSERT_TRUE(geraden.Lesen(Kurse().Kurs(99)->Datum));
  ASSERT_TRUE(geraden.Lesen(Kurse().Kurs(135)->Datum));

  const TZeichnung z(tsf, 1, chart);
  EXPECT_EQ(z.Flaeche.Strecken(kGruen), erwartet);
  for (const TAufruf& a : z.Flaeche.Linien(kGruen))
    EXPECT_EQ(a.Stift.Breite, 1);
  EXPECT_EQ(z.Chart.Legenden, (Legenden{{"Regressionsgeraden", kGruen}}));
  EXPECT_TRUE(z.Chart.Skalen.empty());
}

TEST(ArtenZeichnen, GesamtsignalZeichnetSeineReiheBeiJederAnzeige) {
  TIndGruppe gruppe3;
  gruppe3.push_back(std::make_unique<TIndRTI>());
  gruppe3.push_back(std::make_unique<TIndVHF>());
  gruppe3.push_back(std::make_unique<TIndGesamt>(&gruppe3, 3));
  TIndGruppe gruppe2;
  gruppe2.push_back(std::make_unique<TIndMAC>());
  gruppe2.push_back(std::make_unique<TIndGesamt>(&gruppe2, 2));
  for (TIndGruppe* gruppe : {&gruppe3, &gruppe2}) {
    for (auto& ind : *gruppe)
      ind->Berechnen(Kurse());
    const bool intensitaet = gruppe == &gruppe3;
    for (int anzeige = 0; anzeige <= 3; ++anzeige) {
      SCOPED_TRACE(testing::Message()
                   << "Gruppe " << (intensitaet ? 3 : 2) << " Anzeige " << anzeige);
      const TZeichnung z(*gruppe->back(), anzeige, ChartUeber(10, 40));
      if (anzeige == 0) {
        EXPECT_EQ(z.Flaeche.AnzahlLinien(), 0u);
        continue;
      }
      EXPECT_EQ(z.Chart.Skalen, (Skalen{{"%", kRot, 100, intensitaet ? 0.0 : -100.0}}));
      EXPECT_EQ(z.Chart.Legenden, (Legenden{intensitaet ? kIntensitaet : kSignal}));
      // The aggregate has a value at every date, holidays included.
      EXPECT_EQ(z.Flaeche.Linien(kRot).size(),
                static_cast<std::size_t>(z.Chart.Letztes - z.Chart.Erstes));
    }
  }
}

TEST(ArtenZeichnen, OhneKurseWirdNichtsGezeichnet) {
  for (const TIndikatortyp& typ : Indikatortypen()) {
    const auto ind = typ.Erzeugen();
    AllesAnzeigen(*ind);
    ind->Berechnen(TKurse{});
    for (int anzeige : {1, 2}) {
      const TZeichnung z(*ind, anzeige, TTestChart(0, 0));
      EXPECT_EQ(z.Flaeche.AnzahlLinien(), 0u) << typ.Schluessel;
    }
  }
}

}  // namespace
}  // namespace morvane
