#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "chart/chartfeld.h"
#include "platform/chartbild.h"
#include "testhilfe/beispieldaten.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

// The whole chart field as the main window shows it, rendered offscreen: the
// price chart with two indicators drawn in, the indicator bar below and the
// info area on the right.
class ChartFeldBild : public testing::Test {
 protected:
  ChartFeldBild() : store_(dir_.Pfad()) {
    ansicht_.Indikatoren = true;
    ansicht_.Infobereich = true;
    ansicht_.Tage = 100;
    id_ = store_.NeueID("Aktien", "Microsoft");
    store_.WertpapierSpeichern(id_, test::BeispielPapier("MSFT_2003_matplotlib.csv", "Microsoft"));
  }

  test::TTempVerzeichnis dir_;
  TWPVerwaltung store_;
  TChartAnsicht ansicht_;
  TIndVorlagen vorlagen_;
  std::string id_;
};

struct TZaehlung {
  int Rot = 0;
  std::set<int> RoteSpalten;
  int Dunkelrot = 0;
  int SignalVerlauf = 0;
};

// Counts the colours of interest in a rectangle of the picture.
TZaehlung Zaehlen(const QImage& bild, const TRechteck& r) {
  TZaehlung z;
  for (int y = r.Oben; y <= r.Unten; ++y) {
    for (int x = r.Links; x <= r.Rechts; ++x) {
      const QColor c = bild.pixelColor(x, y);
      if (c == QColor(255, 0, 0)) {
        ++z.Rot;
        z.RoteSpalten.insert(x);
      }
      if (c == QColor(128, 0, 0)) ++z.Dunkelrot;
      // The gauges' gradients: green shading to blue above the middle line,
      // yellow shading to red below it (pure red and yellow left out, as the
      // chart itself may use them).
      const bool oben = c.red() == 0 && c.green() + c.blue() == 255 && c.green() < 255;
      const bool unten = c.red() == 255 && c.blue() == 0 && c.green() > 0 && c.green() < 255;
      if (oben || unten) ++z.SignalVerlauf;
    }
  }
  return z;
}

TEST_F(ChartFeldBild, ZweiIndikatorenMitBalkenUndInfobereichAlsPng) {
  const TQtUmgebung qt;
  TChartFeld feld(store_, ansicht_, vorlagen_);
  feld.ZeigeWertpapier(id_);
  TIndAnalyse& analyse = feld.IndikatorBalken().Analyse();
  // A click on RSI, then a Ctrl-click on the first trend follower: both are
  // drawn as red signal lines.
  analyse.Umschalten(false, 1, 0);
  analyse.Umschalten(true, 2, 0);
  ASSERT_EQ(analyse.AnzahlAngezeigt(), 2);

  const std::string datei = dir_.Pfad() + "/feld.png";
  FeldAlsBildSpeichern(feld, "Microsoft", {datei, 800, 600, {}});
  QImage bild(QString::fromStdString(datei));
  ASSERT_FALSE(bild.isNull());
  ASSERT_EQ(bild.size(), QSize(800, 600));
  ASSERT_EQ(feld.Chart().Grenzen(), (TRechteck{0, 0, 699, 499}));

  // The bar: both displayed gauges framed in dark red, signal fills drawn from
  // the gradient, and nothing of it over the chart.
  const TZaehlung balken = Zaehlen(bild, {0, 500, 799, 599});
  EXPECT_GE(balken.Dunkelrot, 2 * 2 * 20);
  EXPECT_GT(balken.SignalVerlauf, 0);

  // The price plot: the signal lines in red across most of the visible days.
  const TChartGeometrie& g = feld.Chart().Geometrie();
  const TZaehlung plot = Zaehlen(bild, {g.PlotLinks, g.PlotOben, g.PlotRechts, g.PlotUnten});
  EXPECT_GT(static_cast<int>(plot.RoteSpalten.size()), (g.PlotRechts - g.PlotLinks) / 2);
  EXPECT_EQ(plot.SignalVerlauf, 0);

  // Switching the indicators off leaves no red line in the plot.
  analyse.AllesAus();
  FeldAlsBildSpeichern(feld, "Microsoft", {datei, 800, 600, {}});
  const QImage ohne(QString::fromStdString(datei));
  EXPECT_LT(Zaehlen(ohne, {g.PlotLinks, g.PlotOben, g.PlotRechts, g.PlotUnten}).Rot, 5);
  EXPECT_EQ(Zaehlen(ohne, {0, 500, 799, 599}).Dunkelrot, 0);
}

}  // namespace
}  // namespace morvane
