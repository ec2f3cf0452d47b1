// The common line drawing of all indicators: scales, gaps, the scaled range,
// and the signal line of the base.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "indicators/indikator.h"
#include "testchart.h"
#include "testkurse.h"

namespace morvane {
namespace {

using test::Start;
using test::TStrecke;
using test::TTestChart;
using test::TTestFlaeche;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kUnendlich = std::numeric_limits<double>::infinity();

// An indicator whose series the test sets, with the drawing routines opened up.
class TTestIndikator : public TIndikator {
 public:
  TTestIndikator() { ExtremzoneUnten = 30; }
  std::unique_ptr<TIndikator> Kopieren() const override { return nullptr; }
  std::string_view Schluessel() const override { return {}; }
  std::string_view Typname() const override { return {}; }
  void SignalSetzen(TZeitreihe reihe) { signal_ = std::move(reihe); }
  using TIndikator::Linie;
  using TIndikator::LinieAufSkala;

 protected:
  void Rechnen(const TKurse&) override {}
};

// A series from Start() on; NaN in `werte` leaves the date without a value
// unless `nanBehalten`.
TZeitreihe Reihe(const std::vector<double>& werte, bool nanBehalten = false) {
  TZeitreihe reihe(Start(), Start() + static_cast<Boersentag>(werte.size()) - 1);
  for (std::size_t i = 0; i < werte.size(); ++i) {
    if (!std::isnan(werte[i]) || nanBehalten)
      reihe.Setzen(Start() + static_cast<Boersentag>(i), werte[i]);
  }
  return reihe;
}

TEST(Linie, DieDreiSkalenfaelle) {
  const TZeitreihe reihe = Reihe({20, 80, 50});
  {
    SCOPED_TRACE("feste Skala mit Zonenlinien");
    TTestFlaeche flaeche;
    TTestChart chart(Start(), Start() + 2);
    TTestIndikator ind;
    ind.Linie(flaeche.Fenster, chart, kBlau, true, "P.", 100, 0, &reihe);
    ASSERT_EQ(chart.Skalen.size(), 1u);
    EXPECT_EQ(chart.Skalen[0].Einheit, "P.");
    EXPECT_EQ(chart.Skalen[0].Farbe, kBlau);
    EXPECT_EQ(chart.Skalen[0].Max, 100);
    EXPECT_EQ(chart.Skalen[0].Min, 0);
    ASSERT_EQ(chart.Baender.size(), 1u);
    EXPECT_EQ(chart.Baender[0], std::make_pair(30.0, kBlau));
    EXPECT_TRUE(ind.SkalaGezeichnet);
    EXPECT_EQ(flaeche.Strecken(kBlau),
              (std::vector<TStrecke>{{0, 800, 10, 200}, {10, 200, 20, 500}}));
    for (const TAufruf& a : flaeche.Linien(kBlau)) {
      EXPECT_EQ(a.Stift.Breite, 1);
      EXPECT_EQ(a.Stift.Stil, TStiftStil::Durchgezogen);
    }
  }
  {
    SCOPED_TRACE("Skala über die Werte, ohne Zonenlinien");
    TTestFlaeche flaeche;
    TTestChart chart(Start(), Start() + 2);
    TTestIndikator ind;
    ind.Linie(flaeche.Fenster, chart, kGruen, false, "", 0, 0, &reihe);
    ASSERT_EQ(chart.Skalen.size(), 1u);
    EXPECT_EQ(chart.Skalen[0].Max, 80);
    EXPECT_EQ(chart.Skalen[0].Min, 20);
    EXPECT_TRUE(chart.Baender.empty());
    EXPECT_EQ(flaeche.Strecken(kGruen),
              (std::vector<TStrecke>{{0, 1000, 10, 0}, {10, 0, 20, 500}}));
  }
  {
    SCOPED_TRACE("Preisachse");
    TTestFlaeche flaeche;
    TTestChart chart(Start(), Start() + 2);
    TTestIndikator ind;
    ind.Linie(flaeche.Fenster, chart, kCyan, true, "", kPreisachse, kPreisachse, &reihe);
    EXPECT_TRUE(chart.Skalen.empty());
    EXPECT_TRUE(chart.Baender.empty());
    EXPECT_FALSE(ind.SkalaGezeichnet);
    EXPECT_TRUE(chart.Bereiche().empty());
    EXPECT_EQ(flaeche.Strecken(kCyan),
              (std::vector<TStrecke>{{0, 4980, 10, 4920}, {10, 4920, 20, 4950}}));
  }
}

TEST(Linie, NurDieErsteSkalierteLinieEinesDurchgangsBeschriftetDieSkala) {
  const TZeitreihe reihe = Reihe({20, 80, 50});
  TTestFlaeche flaeche;
  TTestChart chart(Start(), Start() + 2);
  TTestIndikator ind;
  // A line on the price axis leaves the scale to the next one.
  ind.Linie(flaeche.Fenster, chart, kCyan, false, "", kPreisachse, kPreisachse, &reihe);
  ind.Linie(flaeche.Fenster, chart, kRot, false, "%", 100, -100, &reihe);
  ind.Linie(flaeche.Fenster, chart, kBlau, true, "P.", 100, 0, &reihe);
  ind.Linie(flaeche.Fenster, chart, kGruen, false, "", 0, 0, &reihe);
  ASSERT_EQ(chart.Skalen.size(), 1u);
  EXPECT_EQ(chart.Skalen[0].Einheit, "%");
  EXPECT_EQ(chart.Skalen[0].Farbe, kRot);
  EXPECT_TRUE(chart.Baender.empty()) << "zone lines belong to the scale";
  // Each line is still drawn on its own scale.
  EXPECT_EQ(chart.Bereiche(),
            (std::set<std::pair<double, double>>{{100, -100}, {100, 0}, {80, 20}}));
  EXPECT_EQ(flaeche.Linien(kGruen).size(), 2u);

  ind.SkalaGezeichnet = false;  // the next pass
  ind.Linie(flaeche.Fenster, chart, kBlau, true, "P.", 100, 0, &reihe);
  ASSERT_EQ(chart.Skalen.size(), 2u);
  EXPECT_EQ(chart.Skalen[1].Einheit, "P.");
  EXPECT_EQ(chart.Baender.size(), 1u);
}

TEST(Linie, LueckenUndTageOhneXUnterbrechenDieLinieNicht) {
  // Visible are Start() .. Start()+6; the values before and after are not drawn.
  TZeitreihe reihe(Start() - 1, Start() + 8);
  for (int i : {-1, 0, 1, 3, 4, 5, 7, 8})
    reihe.Setzen(Start() + i, 10.0 * i);
  TTestFlaeche flaeche;
  TTestChart chart(Start(), Start() + 6);
  chart.OhneX = {Start() + 4};
  TTestIndikator ind;
  ind.Linie(flaeche.Fenster, chart, kCyan, false, "", kPreisachse, kPreisachse, &reihe);
  EXPECT_EQ(
      flaeche.Strecken(kCyan),
      (std::vector<TStrecke>{{0, 5000, 10, 4990}, {10, 4990, 30, 4970}, {30, 4970, 50, 4950}}));
}

TEST(Linie, SkalaUeberDenSichtbarenBereichOderDieGanzeReihe) {
  const TZeitreihe reihe = Reihe({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  for (const bool strecken : {true, false}) {
    SCOPED_TRACE(strecken);
    TTestFlaeche flaeche;
    TTestChart chart(Start() + 2, Start() + 5);
    chart.Strecken = strecken;
    TTestIndikator ind;
    ind.Linie(flaeche.Fenster, chart, kGruen, false, "", 0, 0, &reihe);
    ASSERT_EQ(chart.Skalen.size(), 1u);
    EXPECT_EQ(chart.Skalen[0].Max, strecken ? 5 : 9);
    EXPECT_EQ(chart.Skalen[0].Min, strecken ? 2 : 0);
    EXPECT_EQ(flaeche.Linien(kGruen).size(), 3u);
  }
}

TEST(Linie, OhneReiheOderOhneWerteWirdNichtsGezeichnet) {
  const TZeitreihe leer;
  const TZeitreihe nurFrueher = Reihe({1, 2});
  for (const TZeitreihe* reihe : {static_cast<const TZeitreihe*>(nullptr), &leer, &nurFrueher}) {
    TTestFlaeche flaeche;
    TTestChart chart(Start() + 5, Start() + 9);
    TTestIndikator ind;
    ind.Linie(flaeche.Fenster, chart, kGruen, true, "", 0, 0, reihe);
    ind.Linie(flaeche.Fenster, chart, kGruen, true, "", kPreisachse, kPreisachse, reihe);
    EXPECT_TRUE(chart.Skalen.empty());
    EXPECT_FALSE(ind.SkalaGezeichnet);
    EXPECT_EQ(flaeche.AnzahlLinien(), 0u);
  }
  // A fixed scale is labelled even when no value is visible.
  TTestFlaeche flaeche;
  TTestChart chart(Start() + 5, Start() + 9);
  TTestIndikator ind;
  ind.Linie(flaeche.Fenster, chart, kBlau, false, "P.", 100, 0, &nurFrueher);
  EXPECT_EQ(chart.Skalen.size(), 1u);
  EXPECT_EQ(flaeche.AnzahlLinien(), 0u);
}

TEST(Linie, NichtEndlicheWerteZaehlenAlsFehlend) {
  const TZeitreihe reihe = Reihe({kNaN, 10, kUnendlich, 20, -kUnendlich, kNaN}, true);
  TTestFlaeche flaeche;
  TTestChart chart(Start(), Start() + 5);
  TTestIndikator ind;
  ind.Linie(flaeche.Fenster, chart, kGruen, false, "", 0, 0, &reihe);
  ASSERT_EQ(chart.Skalen.size(), 1u);
  EXPECT_EQ(chart.Skalen[0].Max, 20);
  EXPECT_EQ(chart.Skalen[0].Min, 10);
  EXPECT_EQ(flaeche.Strecken(kGruen), (std::vector<TStrecke>{{10, 1000, 30, 0}}));

  const TZeitreihe nurNaN = Reihe({kNaN, kUnendlich}, true);
  EXPECT_FALSE(Wertebereich(&nurNaN, chart));
}

TEST(Linie, EineGemeinsameSkalaBleibtAuchBeiGleichenGrenzenEineSkala) {
  // A common scale of constant lines can come out as -1..-1 or 0..0; the lines
  // must stay on that scale instead of moving to the price axis or rescaling.
  for (const double wert : {-1.0, 0.0}) {
    SCOPED_TRACE(wert);
    const TZeitreihe reihe = Reihe({wert, wert});
    TTestFlaeche flaeche;
    TTestChart chart(Start(), Start() + 1);
    TTestIndikator ind;
    ind.LinieAufSkala(flaeche.Fenster, chart, kGruen, false, "", {wert, wert}, &reihe);
    EXPECT_FALSE(chart.PreisGefragt);
    ASSERT_EQ(chart.Skalen.size(), 1u);
    EXPECT_EQ(chart.Skalen[0].Max, wert);
    EXPECT_EQ(flaeche.Strecken(kGruen), (std::vector<TStrecke>{{0, 500, 10, 500}}));
  }
}

TEST(Linie, GemeinsamerBereichNurWennJedeLinieWerteHat) {
  TTestChart chart(Start(), Start() + 3);
  const TZeitreihe a = Reihe({5, -2, 3});
  const TZeitreihe b = Reihe({kNaN, 7, 1, 4});
  const TZeitreihe leer = Reihe({kNaN});
  const std::vector<TIndLinie> beide = {{&a, kGruen, "a"}, {&b, kGruen, "b"}};
  const auto bereich = GemeinsamerBereich(beide, chart);
  ASSERT_TRUE(bereich);
  EXPECT_EQ(bereich->Min, -2);
  EXPECT_EQ(bereich->Max, 7);
  const std::vector<TIndLinie> mitLeerer = {{&a, kGruen, "a"}, {&leer, kGruen, "leer"}};
  EXPECT_FALSE(GemeinsamerBereich(mitLeerer, chart));
  const std::vector<TIndLinie> mitFehlender = {{&a, kGruen, "a"}, {nullptr, kGruen, "-"}};
  EXPECT_FALSE(GemeinsamerBereich(mitFehlender, chart));
}

TEST(BasisZeichnen, SignalverlaufNurBeiAnzeigeZweiUndDrei) {
  for (std::uint8_t anzeige = 0; anzeige <= 3; ++anzeige) {
    SCOPED_TRACE(static_cast<int>(anzeige));
    TTestFlaeche flaeche;
    TTestChart chart(Start(), Start() + 2);
    TTestIndikator ind;
    ind.SignalSetzen(Reihe({-100, 40, 100}));
    ind.Anzeige = anzeige;
    ind.Zeichnen(flaeche.Fenster, chart);
    if (anzeige < 2) {
      EXPECT_EQ(flaeche.AnzahlLinien(), 0u);
      EXPECT_TRUE(chart.Legenden.empty());
      continue;
    }
    ASSERT_EQ(chart.Skalen.size(), 1u);
    EXPECT_EQ(chart.Skalen[0].Einheit, "%");
    EXPECT_EQ(chart.Skalen[0].Farbe, kRot);
    EXPECT_EQ(chart.Skalen[0].Max, 100);
    EXPECT_EQ(chart.Skalen[0].Min, -100);
    EXPECT_TRUE(chart.Baender.empty());
    EXPECT_EQ(chart.Legenden, (std::vector<test::TLegendenaufruf>{{"Signalverlauf", kRot}}));
    EXPECT_EQ(flaeche.Strecken(kRot),
              (std::vector<TStrecke>{{0, 1000, 10, 300}, {10, 300, 20, 0}}));
  }
}

}  // namespace
}  // namespace morvane
