// The common line drawing of all indicators: the three scale cases, gaps, the
// scaled range and values that are not finite.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "indicators/indikator.h"
#include "indicators/indrsi.h"
#include "testchart.h"
#include "testkurse.h"

namespace morvane {
namespace {

using test::Skalen;
using test::Start;
using test::TStrecke;
using test::TTestChart;
using test::TTestFlaeche;
using Strecken = std::vector<TStrecke>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kUnendlich = std::numeric_limits<double>::infinity();

// An indicator whose zone bound is 30.
class TTestIndikator : public TIndikator {
 public:
  TTestIndikator() { ExtremzoneUnten = 30; }
  std::unique_ptr<TIndikator> Kopieren() const override { return nullptr; }
  std::string_view Schluessel() const override { return {}; }
  std::string_view Typname() const override { return {}; }

 protected:
  void Rechnen(const TKurse&) override {}
};

// A series from Start() on with a value at every position.
TZeitreihe Reihe(const std::vector<double>& werte) {
  TZeitreihe reihe(Start(), Start() + static_cast<Boersentag>(werte.size()) - 1);
  for (std::size_t i = 0; i < werte.size(); ++i)
    reihe.Setzen(Start() + static_cast<Boersentag>(i), werte[i]);
  return reihe;
}

// One pass over a chart showing Start() + von .. Start() + bis.
struct TDurchgang {
  TDurchgang(int von, int bis) : Chart(Start() + von, Start() + bis) {}
  TTestFlaeche Flaeche;
  TTestChart Chart;
  TTestIndikator Ind;
  TIndikatorZeichnen Z{Flaeche.Fenster, Chart, Ind};
  void Linie(TFarbe farbe, bool zonen, std::string_view einheit, double max, double min,
             const TZeitreihe* reihe) {
    Z.Linie(farbe, zonen, einheit, max, min, reihe);
  }
};

TEST(Linie, DieDreiSkalenfaelle) {
  const TZeitreihe reihe = Reihe({20, 80, 50});
  TDurchgang fest(0, 2);
  fest.Linie(kBlau, true, "P.", 100, 0, &reihe);
  EXPECT_EQ(fest.Chart.Skalen, (Skalen{{"P.", kBlau, 100, 0}}));
  EXPECT_EQ(fest.Chart.Baender, (std::vector<std::pair<double, TFarbe>>{{30, kBlau}}));
  EXPECT_EQ(fest.Flaeche.Strecken(kBlau), (Strecken{{0, 800, 10, 200}, {10, 200, 20, 500}}));
  for (const TAufruf& a : fest.Flaeche.Linien(kBlau)) {
    EXPECT_EQ(a.Stift.Breite, 1);
    EXPECT_EQ(a.Stift.Stil, TStiftStil::Durchgezogen);
  }

  TDurchgang automatisch(0, 2);
  automatisch.Linie(kGruen, false, "", 0, 0, &reihe);
  EXPECT_EQ(automatisch.Chart.Skalen, (Skalen{{"", kGruen, 80, 20}}));
  EXPECT_TRUE(automatisch.Chart.Baender.empty());
  EXPECT_EQ(automatisch.Flaeche.Strecken(kGruen), (Strecken{{0, 1000, 10, 0}, {10, 0, 20, 500}}));

  TDurchgang preis(0, 2);
  preis.Linie(kCyan, true, "", kPreisachse, kPreisachse, &reihe);
  EXPECT_TRUE(preis.Chart.Skalen.empty());
  EXPECT_TRUE(preis.Chart.Baender.empty());
  EXPECT_FALSE(preis.Z.SkalaGezeichnet());
  EXPECT_EQ(preis.Flaeche.Strecken(kCyan), (Strecken{{0, 4980, 10, 4920}, {10, 4920, 20, 4950}}));
}

TEST(Linie, NurDieErsteSkalierteLinieEinesDurchgangsBeschriftetDieSkala) {
  const TZeitreihe reihe = Reihe({20, 80, 50});
  TDurchgang d(0, 2);
  // A line on the price axis leaves the scale to the next one.
  d.Linie(kCyan, false, "", kPreisachse, kPreisachse, &reihe);
  d.Linie(kRot, false, "%", 100, -100, &reihe);
  d.Linie(kBlau, true, "P.", 100, 0, &reihe);
  d.Linie(kGruen, false, "", 0, 0, &reihe);
  EXPECT_EQ(d.Chart.Skalen, (Skalen{{"%", kRot, 100, -100}}));
  EXPECT_TRUE(d.Chart.Baender.empty()) << "zone lines belong to the scale";
  // Each line is still drawn on its own scale.
  EXPECT_EQ(d.Chart.Bereiche(),
            (std::set<std::pair<double, double>>{{100, -100}, {100, 0}, {80, 20}}));

  TIndikatorZeichnen naechster(d.Flaeche.Fenster, d.Chart, d.Ind);
  naechster.Linie(kBlau, true, "P.", 100, 0, &reihe);
  EXPECT_EQ(d.Chart.Skalen.size(), 2u);
  EXPECT_EQ(d.Chart.Baender.size(), 1u);
}

TEST(Linie, LueckenUndTageOhneXUnterbrechenDieLinieNicht) {
  // Visible are Start() .. Start()+6; the values before and after are not drawn.
  TZeitreihe reihe(Start() - 1, Start() + 8);
  for (int i : {-1, 0, 1, 3, 4, 5, 7, 8})
    reihe.Setzen(Start() + i, 10.0 * i);
  TDurchgang d(0, 6);
  d.Chart.OhneX = {Start() + 4};
  d.Linie(kCyan, false, "", kPreisachse, kPreisachse, &reihe);
  EXPECT_EQ(d.Flaeche.Strecken(kCyan),
            (Strecken{{0, 5000, 10, 4990}, {10, 4990, 30, 4970}, {30, 4970, 50, 4950}}));
}

TEST(Linie, SkalaUeberDenSichtbarenBereichOderDieGanzeReihe) {
  const TZeitreihe reihe = Reihe({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  for (const bool strecken : {true, false}) {
    TDurchgang d(2, 5);
    d.Chart.Strecken = strecken;
    d.Linie(kGruen, false, "", 0, 0, &reihe);
    EXPECT_EQ(d.Chart.Skalen, (Skalen{{"", kGruen, strecken ? 5.0 : 9.0, strecken ? 2.0 : 0.0}}));
    EXPECT_EQ(d.Flaeche.Linien(kGruen).size(), 3u);
  }
}

TEST(Linie, OhneReiheOderOhneWerteWirdNichtsGezeichnet) {
  const TZeitreihe leer;
  const TZeitreihe nurFrueher = Reihe({1, 2});
  for (const TZeitreihe* reihe : {static_cast<const TZeitreihe*>(nullptr), &leer, &nurFrueher}) {
    TDurchgang d(5, 9);
    d.Linie(kGruen, true, "", 0, 0, reihe);
    d.Linie(kGruen, true, "", kPreisachse, kPreisachse, reihe);
    EXPECT_TRUE(d.Chart.Skalen.empty());
    EXPECT_FALSE(d.Z.SkalaGezeichnet());
    EXPECT_EQ(d.Flaeche.AnzahlLinien(), 0u);
  }
}

TEST(Linie, NichtEndlicheWerteZaehlenAlsFehlend) {
  TZeitreihe reihe = Reihe({kNaN, 10, kUnendlich, 20, -kUnendlich, kNaN});
  TDurchgang d(0, 5);
  d.Linie(kGruen, false, "", 0, 0, &reihe);
  EXPECT_EQ(d.Chart.Skalen, (Skalen{{"", kGruen, 20, 10}}));
  EXPECT_EQ(d.Flaeche.Strecken(kGruen), (Strecken{{10, 1000, 30, 0}}));
  reihe.Setzen(Start() + 1, kNaN);
  reihe.Setzen(Start() + 3, kNaN);
  EXPECT_FALSE(Wertebereich(&reihe, d.Chart));
}

TEST(Linie, EineGemeinsameSkalaBleibtAuchBeiGleichenGrenzenEineSkala) {
  // A common scale of constant lines can come out as -1..-1 or 0..0; the lines
  // stay on it instead of moving to the price axis or getting another scale.
  for (const double wert : {-1.0, 0.0}) {
    const TZeitreihe reihe = Reihe({wert, wert});
    TDurchgang d(0, 1);
    d.Z.LinieAufSkala(kGruen, false, "", {wert, wert}, &reihe);
    EXPECT_FALSE(d.Chart.PreisGefragt);
    EXPECT_EQ(d.Chart.Skalen, (Skalen{{"", kGruen, wert, wert}}));
    EXPECT_EQ(d.Flaeche.Strecken(kGruen), (Strecken{{0, 500, 10, 500}}));
  }
}

TEST(Linie, JedesZeichnenIstEinEigenerDurchgang) {
  // Nothing needs to be reset between two paints: each labels its scale anew,
  // with the first scaled line only (the signal, not the oscillator after it).
  TIndRSI rsi;
  rsi.Berechnen(test::Schlusskurse({10, 11, 12, 11}));
  rsi.Anzeige = 2;
  TTestFlaeche flaeche;
  TTestChart chart(Start(), Start() + 3);
  rsi.Zeichnen(flaeche.Fenster, chart);
  rsi.Zeichnen(flaeche.Fenster, chart);
  EXPECT_EQ(chart.Skalen, (Skalen{{"%", kRot, 100, -100}, {"%", kRot, 100, -100}}));
  EXPECT_EQ(chart.Legenden.size(), 4u);
}

}  // namespace
}  // namespace morvane
