// The point-and-figure chart: columns of crosses (rising) and circles
// (falling), spaced evenly whatever their dates.
#include <algorithm>
#include <limits>

#include "chart/kurszeichnung.h"
#include "chart/pointfigure.h"
#include "chart/wpchart.h"
#include "core/wertpapier.h"

namespace morvane {
namespace {

class TPointFigureZeichnung : public TKurszeichnung {
 public:
  TCharttyp Typ() const override { return TCharttyp::PointFigure; }
  std::string Titel(const TChartAnsicht& a) const override {
    return MitKursfeld("Point-&-Figure Chart", a.PFKurs);
  }
  // Columns have no single day to place a transaction at.
  bool ZeigtTransaktionen() const override { return false; }
  const TPointFigureListe* Saeulen() const override { return &saeulen_; }
  void Aufbauen(const TWertpapier* wertpapier, const TChartAnsicht& a) override {
    saeulen_.Leeren();
    if (wertpapier) saeulen_.Aufbauen(wertpapier->Kurse, a.PFKurs, a.Umkehrminimum);
  }
  std::optional<int> IndexZuX(const TChart_WPChart& chart, int i) const override {
    return PixelRunden(IndexX(chart, i));
  }
  // Columns span days: no day has a position of its own.
  std::optional<int> DatumZuX(const TChart_WPChart&, Boersentag) const override {
    return std::nullopt;
  }
  void Zeichne(TChart_WPChart& chart, TGrafikfenster& f) const override;

 private:
  bool Wertebereich(const TChart_WPChart& chart, double& max, double& min) const;

  TPointFigureListe saeulen_;
};

bool TPointFigureZeichnung::Wertebereich(const TChart_WPChart& chart, double& max,
                                         double& min) const {
  const bool gestreckt = chart.Ansicht().GraphStrecken;
  const int von = gestreckt ? chart.ErsterIndex() : 0;
  const int bis = gestreckt ? chart.LetzterIndex() : saeulen_.Anzahl() - 1;
  min = std::numeric_limits<double>::infinity();
  max = 0;
  for (int i = std::max(0, von); i <= bis; ++i) {
    min = std::min(min, saeulen_.Saeule(i)->Tief);
    max = std::max(max, saeulen_.Saeule(i)->Hoch);
  }
  return min > 0 && max > 0 && max != std::numeric_limits<double>::infinity();
}

void TPointFigureZeichnung::Zeichne(TChart_WPChart& chart, TGrafikfenster& f) const {
  double max, min;
  if (!Wertebereich(chart, max, min)) return;
  chart.Wertachse(f, false, max, min);

  const int fx = f.FaktorX(), fy = f.FaktorY();
  const double tb = chart.Tagesbreite();
  const int hw = PixelRunden(tb * 5 / 14);
  const int hh = PixelRunden(fy * tb * 5 / 14 / fx);
  const int b = std::max(1, PixelRunden(fy * tb / fx));
  // Box lines lie at y = PlotUnten (mod b); a price snaps to the box line at
  // or above it.
  const int versatz = chart.Geometrie().PlotUnten % b - b / 2;
  auto raster = [&](double v) {
    const int y = chart.WertZuY(v);
    return y - (y - versatz - b / 2) % b;
  };
  f.SetzeStiftFarbe(kSchwarz);
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.SetzeStiftBreite(std::max(1, PixelRunden(hw * 0.2)));
  f.PinselLeer();
  auto kreuz = [&](int x, int y) {
    f.Linie(x - hw, y - hh, x + hw + 1, y + hh + 1);
    f.Linie(x - hw, y + hh, x + hw + 1, y - hh - 1);
  };
  auto kreis = [&](int x, int y) { f.Ellipse(x - hw, y - hh, x + hw + 1, y + hh + 1); };
  int letztesY = 0;
  for (int i = chart.ErsterIndex(); i <= chart.LetzterIndex(); ++i) {
    const TPunktFigurSaeule* s = saeulen_.Saeule(i);
    const std::optional<int> x = chart.IndexZuX(i);
    if (!s || !x) continue;
    if (s->Steigend) {
      const int oben = raster(s->Hoch);
      int y = letztesY < 1 ? raster(s->Tief) : letztesY - b;
      kreuz(*x, y);
      while (y - b >= oben)
        kreuz(*x, y -= b);
      letztesY = y;
    } else {
      const int unten = raster(s->Tief);
      int y = letztesY < 1 ? raster(s->Hoch) : letztesY + b;
      kreis(*x, y);
      while (y + b <= unten)
        kreis(*x, y += b);
      letztesY = y;
    }
  }
  f.SetzeStiftBreite(1);
}

}  // namespace

std::unique_ptr<TKurszeichnung> NeuePointFigureZeichnung() {
  return std::make_unique<TPointFigureZeichnung>();
}

}  // namespace morvane
