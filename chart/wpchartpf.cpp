// Point-and-figure columns drawn as crosses (rising) and circles (falling).
#include <algorithm>
#include <limits>

#include "chart/wpchart.h"

namespace morvane {

void TChart_WPChart::PointFigureChart(TGrafikfenster& f) {
  const bool gestreckt = ansicht_.GraphStrecken;
  const int von = gestreckt ? ErsterIndex() : 0;
  const int bis = gestreckt ? LetzterIndex() : pfListe_.Anzahl() - 1;
  double min = std::numeric_limits<double>::infinity(), max = 0;
  for (int i = std::max(0, von); i <= bis; ++i) {
    min = std::min(min, pfListe_.Saeule(i)->Tief);
    max = std::max(max, pfListe_.Saeule(i)->Hoch);
  }
  if (!(min > 0) || !(max > 0) || max == std::numeric_limits<double>::infinity()) return;
  Wertachse(f, false, max, min);

  const int fx = f.FaktorX(), fy = f.FaktorY();
  const double tb = g_.Tagesbreite;
  const int hw = PixelRunden(tb * 5 / 14);
  const int hh = PixelRunden(fy * tb * 5 / 14 / fx);
  const int b = std::max(1, PixelRunden(fy * tb / fx));
  // Box lines lie at y = PlotUnten (mod b); a price snaps to the box line at
  // or above it.
  const int versatz = g_.PlotUnten % b - b / 2;
  auto raster = [&](double v) {
    const int y = WertZuY(v);
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
  for (int i = ErsterIndex(); i <= LetzterIndex(); ++i) {
    const TPunktFigurSaeule* s = pfListe_.Saeule(i);
    const std::optional<int> x = IndexZuX(i);
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

}  // namespace morvane
