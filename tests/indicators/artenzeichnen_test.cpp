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

TTestChart GanzerChart() {
  return ChartUeber(0, Kurse().Anzahl() - 1);
}

// Smallest and largest value of a series within the chart's visible dates.
TWertebereich Sichtbar(const TZeitreihe* reihe, const TTestChart& chart) {
  EXPECT_NE(reihe, nullptr);
  std::optional<TWertebereich> b;
  for (const auto& [tag, wert] : test::Werte(*reihe)) {
    if (tag < chart.Erstes || tag > chart.Letztes) continue;
    if (!b) b = TWertebereich{wert, wert};
    b->Min = std::min(b->Min, wert);
    b->Max = std::max(b->Max, wert);
  }
  EXPECT_TRUE(b);
  return b.value_or(TWertebereich{});
}

void ErwarteSkala(const test::TSkalenaufruf& skala, std::string_view einheit, TFarbe farbe,
                  double max, double min) {
  EXPECT_EQ(skala.Einheit, einheit);
  EXPECT_EQ(skala.Farbe, farbe);
  EXPECT_EQ(skala.Max, max);
  EXPECT_EQ(skala.Min, min);
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

TEST(ArtenZeichnen, JedeArtZeichntIhreLinienMitLegendeInDerRichtigenFarbe) {
  ASSERT_EQ(Indikatortypen().size(), EigeneLegenden().size());
  for (const TIndikatortyp& typ : Indikatortypen()) {
    const auto ind = typ.Erzeugen();
    AllesAnzeigen(*ind);
    ind->Berechnen(Kurse());
    for (int anzeige = 1; anzeige <= 3; ++anzeige) {
      SCOPED_TRACE(std::string(typ.Schluessel) + " Anzeige " + std::to_string(anzeige));
      TTestFlaeche flaeche;
      TTestChart chart = ChartUeber(60, 240);
      ind->Anzeige = static_cast<std::uint8_t>(anzeige);
      ind->SkalaGezeichnet = false;
      ind->Zeichnen(flaeche.Fenster, chart);
      const Legenden erwartet = Erwartet(typ.Schluessel, typ.Gruppe, anzeige);
      EXPECT_EQ(chart.Legenden, erwartet);
      // Every legend stands for lines actually drawn in its colour.
      for (const auto& l : erwartet)
        EXPECT_GT(flaeche.Linien(l.Farbe).size(), 10u) << l.Text;
      ASSERT_FALSE(chart.Skalen.empty());
      EXPECT_EQ(chart.Skalen.size(), 1u) << "only the first line labels the scale";
      const TLegendenaufruf& erste = erwartet.front();
      if (erste == kOszillator) {
        ErwarteSkala(chart.Skalen[0], "P.", kBlau, 100, 0);
        EXPECT_EQ(chart.Baender,
                  (std::vector<std::pair<double, TFarbe>>{{ind->ExtremzoneUnten, kBlau}}));
      } else if (erste == kSignal) {
        ErwarteSkala(chart.Skalen[0], "%", kRot, 100, -100);
      } else if (erste == kIntensitaet) {
        ErwarteSkala(chart.Skalen[0], "%", kRot, 100, 0);
      } else {
        ErwarteSkala(chart.Skalen[0], "", kHellgruen, 100, 0);  // ADX's DMI
      }
    }
  }
}

TEST(ArtenZeichnen, OszillatorNurMitSeinemKaestchen) {
  const auto ind = ErzeugeIndikator("IndRSI");
  ind->Berechnen(Kurse());
  ind->AllgemeinUebernehmen({false});
  ind->Anzeige = 1;
  TTestFlaeche flaeche;
  TTestChart chart = GanzerChart();
  ind->Zeichnen(flaeche.Fenster, chart);
  EXPECT_EQ(flaeche.AnzahlLinien(), 0u);
  EXPECT_TRUE(chart.Legenden.empty());
  EXPECT_TRUE(chart.Skalen.empty());
}

TEST(ArtenZeichnen, MacdUndTriggerAufGemeinsamerSkalaSonstJedeFuerSich) {
  TIndMAC mac;
  mac.Berechnen(Kurse());
  mac.Anzeige = 1;
  TTestChart chart = ChartUeber(150, 240);
  const TWertebereich macd = Sichtbar(mac.Macd(), chart);
  const TWertebereich trigger = Sichtbar(mac.Trigger(), chart);
  ASSERT_FALSE(macd.Min == trigger.Min && macd.Max == trigger.Max);
  const TWertebereich gemeinsam{std::min(macd.Min, trigger.Min), std::max(macd.Max, trigger.Max)};
  {
    SCOPED_TRACE("beide");
    TTestFlaeche flaeche;
    mac.Zeichnen(flaeche.Fenster, chart);
    ASSERT_EQ(chart.Skalen.size(), 1u);
    ErwarteSkala(chart.Skalen[0], "", kGruen, gemeinsam.Max, gemeinsam.Min);
    EXPECT_EQ(chart.Bereiche(),
              (std::set<std::pair<double, double>>{{gemeinsam.Max, gemeinsam.Min}}));
  }
  {
    SCOPED_TRACE("mit Signal: die Linien bleiben auf der gemeinsamen Skala");
    TTestChart c = ChartUeber(150, 240);
    TTestFlaeche flaeche;
    mac.Anzeige = 2;
    mac.SkalaGezeichnet = false;
    mac.Zeichnen(flaeche.Fenster, c);
    ASSERT_EQ(c.Skalen.size(), 1u);
    EXPECT_EQ(c.Skalen[0].Einheit, "%");
    EXPECT_TRUE(c.Bereiche().contains({gemeinsam.Max, gemeinsam.Min}));
  }
  {
    SCOPED_TRACE("nur Trigger");
    TTestChart c = ChartUeber(150, 240);
    TTestFlaeche flaeche;
    mac.Anzeige = 1;
    mac.SkalaGezeichnet = false;
    mac.Param.ZeigeMacd = false;
    mac.Zeichnen(flaeche.Fenster, c);
    ASSERT_EQ(c.Skalen.size(), 1u);
    ErwarteSkala(c.Skalen[0], "", kHellgruen, trigger.Max, trigger.Min);
    EXPECT_EQ(c.Legenden, (Legenden{{"Trigger", kHellgruen}}));
    EXPECT_TRUE(flaeche.Linien(kGruen).empty());
  }
}

TEST(ArtenZeichnen, ChaikinSkalaUmfasstDieAdLinieNurWennSieGezeigtWird) {
  TIndCHA cha;
  cha.Berechnen(Kurse());
  cha.Anzeige = 1;
  TTestChart chart = ChartUeber(100, 200);
  const TWertebereich ad = Sichtbar(cha.AdLinie(), chart);
  const TWertebereich kurz = Sichtbar(cha.KurzeLinie(), chart);
  const TWertebereich lang = Sichtbar(cha.LangeLinie(), chart);
  const TWertebereich geglaettet{std::min(kurz.Min, lang.Min), std::max(kurz.Max, lang.Max)};
  const TWertebereich alle{std::min(geglaettet.Min, ad.Min), std::max(geglaettet.Max, ad.Max)};
  ASSERT_FALSE(alle.Min == geglaettet.Min && alle.Max == geglaettet.Max);

  struct TFall {
    bool ad, geglaettet;
    std::optional<TWertebereich> skala;
    std::size_t legenden;
  };
  for (const TFall& fall : {TFall{false, true, geglaettet, 2}, TFall{true, true, alle, 3},
                            TFall{true, false, ad, 1}, TFall{false, false, std::nullopt, 0}}) {
    SCOPED_TRACE(testing::Message() << "AD " << fall.ad << ", geglättet " << fall.geglaettet);
    cha.Param.ZeigeAd = fall.ad;
    cha.Param.ZeigeGeglaettet = fall.geglaettet;
    cha.SkalaGezeichnet = false;
    TTestChart c = ChartUeber(100, 200);
    TTestFlaeche flaeche;
    cha.Zeichnen(flaeche.Fenster, c);
    EXPECT_EQ(c.Legenden.size(), fall.legenden);
    if (!fall.skala) {
      EXPECT_TRUE(c.Skalen.empty());
      continue;
    }
    ASSERT_EQ(c.Skalen.size(), 1u);
    EXPECT_EQ(c.Skalen[0].Max, fall.skala->Max);
    EXPECT_EQ(c.Skalen[0].Min, fall.skala->Min);
    EXPECT_EQ(c.Bereiche().size(), 1u) << "all lines on the one scale";
    EXPECT_EQ(flaeche.Linien(kGruen).empty(), !fall.ad);
  }
}

TEST(ArtenZeichnen, VolatilitaetAbNullUndDmiGemeinsamNurMitWertenInBeidenLinien) {
  TTestChart chart = ChartUeber(100, 200);
  {
    TIndNV nv;
    nv.Berechnen(Kurse());
    nv.Anzeige = 1;
    TTestFlaeche flaeche;
    nv.Zeichnen(flaeche.Fenster, chart);
    const double max =
        std::max(Sichtbar(nv.PositiveLinie(), chart).Max, Sichtbar(nv.NegativeLinie(), chart).Max);
    ASSERT_EQ(chart.Skalen.size(), 1u);
    ErwarteSkala(chart.Skalen[0], "", kGruen, max, 0);
  }
  TIndDMI dmi;
  dmi.Berechnen(Kurse());
  dmi.Anzeige = 1;
  {
    TTestChart c = ChartUeber(100, 200);
    TTestFlaeche flaeche;
    dmi.Zeichnen(flaeche.Fenster, c);
    const TWertebereich pos = Sichtbar(dmi.PosDI(), c);
    const TWertebereich neg = Sichtbar(dmi.NegDI(), c);
    ASSERT_EQ(c.Skalen.size(), 1u);
    ErwarteSkala(c.Skalen[0], "", kHellgruen, std::max(pos.Max, neg.Max),
                 std::min(pos.Min, neg.Min));
  }
  {
    // Before the first price nothing is visible: no common scale, no line.
    const Boersentag vorher = Kurse().ErsterTag() - 30;
    TTestChart c(vorher, vorher + 10);
    TTestFlaeche flaeche;
    dmi.SkalaGezeichnet = false;
    dmi.Zeichnen(flaeche.Fenster, c);
    EXPECT_TRUE(c.Skalen.empty());
    EXPECT_TRUE(c.Legenden.empty());
  }
}

TEST(ArtenZeichnen, RegressionsgeradenBeginnenImSichtbarenBereich) {
  TIndTSF tsf;
  tsf.Param.Zeitraum = 10;
  tsf.Param.ZeigeGeraden = true;
  tsf.Param.ZeigeTsf = false;
  tsf.Berechnen(Kurse());
  tsf.Anzeige = 1;
  TTestChart chart = ChartUeber(100, 120);
  const TGeradenListe& geraden = *tsf.Geraden();
  // Segments with an end without x are skipped.
  chart.OhneX = {Kurse().Kurs(105)->Datum, Kurse().Kurs(110)->Datum};

  std::vector<TStrecke> erwartet;
  for (Boersentag d = chart.Erstes; d <= chart.Letztes + 9; ++d) {
    const auto g = geraden.Lesen(d);
    if (!g || chart.OhneX.contains(d) || chart.OhneX.contains(g->Startdatum)) continue;
    erwartet.push_back({chart.X(g->Startdatum), static_cast<int>(std::lround(5000 - g->Startwert)),
                        chart.X(d), static_cast<int>(std::lround(5000 - g->Endwert))});
  }
  // The range reaches past the last visible record and leaves segments out on
  // both sides.
  ASSERT_GT(erwartet.size(), 21u);
  ASSERT_TRUE(
      std::ranges::any_of(chart.OhneX, [&](Boersentag d) { return geraden.Lesen(d).has_value(); }));
  ASSERT_TRUE(geraden.Lesen(Kurse().Kurs(99)->Datum));
  ASSERT_TRUE(geraden.Lesen(Kurse().Kurs(135)->Datum));

  TTestFlaeche flaeche;
  tsf.Zeichnen(flaeche.Fenster, chart);
  EXPECT_EQ(flaeche.Strecken(kGruen), erwartet);
  for (const TAufruf& a : flaeche.Linien(kGruen))
    EXPECT_EQ(a.Stift.Breite, 1);
  EXPECT_EQ(chart.Legenden, (Legenden{{"Regressionsgeraden", kGruen}}));
  EXPECT_TRUE(chart.Skalen.empty());
}

TEST(ArtenZeichnen, AdxZeigtIntensitaetUndDmiNachAnzeigeUndKaestchen) {
  TIndADX adx;
  adx.Berechnen(Kurse());
  adx.Param.ZeigeDmi = false;
  for (std::uint8_t anzeige : {1, 2, 3}) {
    adx.Anzeige = anzeige;
    adx.SkalaGezeichnet = false;
    TTestChart chart = GanzerChart();
    TTestFlaeche flaeche;
    adx.Zeichnen(flaeche.Fenster, chart);
    EXPECT_EQ(chart.Legenden, anzeige == 1 ? Legenden{} : Legenden{kIntensitaet});
    EXPECT_TRUE(flaeche.Linien(kHellgruen).empty());
  }
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
    TIndikator& gesamt = *gruppe->back();
    for (std::uint8_t anzeige = 0; anzeige <= 3; ++anzeige) {
      const bool intensitaet = gruppe == &gruppe3;
      SCOPED_TRACE(testing::Message() << "Gruppe " << (intensitaet ? 3 : 2) << " Anzeige "
                                      << static_cast<int>(anzeige));
      gesamt.Anzeige = anzeige;
      gesamt.SkalaGezeichnet = false;
      TTestChart chart = ChartUeber(10, 40);
      TTestFlaeche flaeche;
      gesamt.Zeichnen(flaeche.Fenster, chart);
      if (anzeige == 0) {
        EXPECT_EQ(flaeche.AnzahlLinien(), 0u);
        continue;
      }
      ASSERT_EQ(chart.Skalen.size(), 1u);
      ErwarteSkala(chart.Skalen[0], "%", kRot, 100, intensitaet ? 0 : -100);
      EXPECT_EQ(chart.Legenden, (Legenden{intensitaet ? kIntensitaet : kSignal}));
      // The aggregate has a value at every date, holidays included.
      EXPECT_EQ(flaeche.Linien(kRot).size(),
                static_cast<std::size_t>(chart.Letztes - chart.Erstes));
    }
  }
}

TEST(ArtenZeichnen, OhneKurseWirdNichtsGezeichnet) {
  TTestChart chart(0, 0);
  for (const TIndikatortyp& typ : Indikatortypen()) {
    const auto ind = typ.Erzeugen();
    AllesAnzeigen(*ind);
    ind->Berechnen(TKurse{});
    for (std::uint8_t anzeige : {1, 2}) {
      ind->Anzeige = anzeige;
      ind->SkalaGezeichnet = false;
      TTestFlaeche flaeche;
      ind->Zeichnen(flaeche.Fenster, chart);
      EXPECT_EQ(flaeche.AnzahlLinien(), 0u) << typ.Schluessel;
    }
  }
}

}  // namespace
}  // namespace morvane
