// The line, bar, candle and equivolume chart types.
#include <algorithm>
#include <cmath>
#include <limits>

#include "chart/kurscode.h"
#include "chart/wpchart.h"

namespace morvane {
namespace {

// Calls f(record, x) for every visible record with a high and a low that has
// an x position: the days a bar or a candle is drawn for.
template <class F>
void FuerSichtbareSpannen(const TChart_WPChart& chart, F f) {
  const TKurse& kurse = chart.Wertpapier()->Kurse;
  const int bis = chart.LetzterIndex();
  for (int i = chart.ErsterIndex(); i <= bis; ++i) {
    const TKurs& k = *kurse.Kurs(i);
    if (k.Hoch <= 0 || k.Tief <= 0) continue;
    if (const std::optional<int> x = chart.IndexZuX(i)) f(k, *x);
  }
}

}  // namespace

void TChart_WPChart::Kurszeichnung(TGrafikfenster& f) {
  switch (ansicht_.Charttyp) {
    case 1:
      Linienchart(f);
      break;
    case 2:
      Balkenchart(f);
      break;
    case 3:
      Kerzenchart(f);
      break;
    case 4:
      PointFigureChart(f);
      break;
    case 5:
      Equivolumechart(f);
      break;
    default:
      break;
  }
}

// The price scale of the chart type, over the visible records when the graph
// is stretched, else over all. False when there is nothing to scale.
bool TChart_WPChart::Wertebereich(double& max, double& min) const {
  const bool gestreckt = ansicht_.GraphStrecken;
  const int von = gestreckt ? ErsterIndex() : 0;
  const int bis = gestreckt ? LetzterIndex() : AnzahlSaetze() - 1;
  min = std::numeric_limits<double>::infinity();
  max = -std::numeric_limits<double>::infinity();
  for (int i = std::max(0, von); i <= bis; ++i) {
    const TKurs& k = Satz(i);
    if (ansicht_.Charttyp == 1) {
      const double v = KursNachCode(k, ansicht_.LinienKurs);
      if (v == 0) continue;
      min = std::min(min, v);
      max = std::max(max, v);
    } else if (k.Hoch != 0 && k.Tief != 0) {
      min = std::min(min, k.Tief);
      max = std::max(max, k.Hoch);
    }
  }
  return min > 0 && max > 0 && std::isfinite(max);
}

void TChart_WPChart::Linienchart(TGrafikfenster& f) {
  double max, min;
  if (!Wertebereich(max, min)) return;
  Wertachse(f, false, max, min);
  const int fx = f.FaktorX(), fy = f.FaktorY();
  f.SetzeStiftFarbe(kSchwarz);
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.SetzeStiftBreite(2 * fy);
  std::optional<TPunkt> letzter;
  int erster = -1;
  const int bis = LetzterIndex();
  for (int i = ErsterIndex(); i <= bis; ++i) {
    const double v = KursNachCode(Satz(i), ansicht_.LinienKurs);
    if (v <= 0) continue;
    const std::optional<int> x = IndexZuX(i);
    if (!x) continue;
    const TPunkt p{*x, WertZuY(v)};
    if (letzter)
      f.Linie(letzter->x, letzter->y, p.x, p.y);
    else
      erster = i;
    letzter = p;
  }
  if (letzter && erster == bis) {
    f.SetzePinselFarbe(kSchwarz);
    f.SetzePinselStil(TPinselStil::Voll);
    f.Ellipse(letzter->x - 2 * fx, letzter->y - 2 * fy, letzter->x + 2 * fx + 1,
              letzter->y + 2 * fy + 1);
  }
  f.SetzeStiftBreite(1);
  f.PinselLeer();
}

void TChart_WPChart::Balkenchart(TGrafikfenster& f) {
  double max, min;
  if (!Wertebereich(max, min)) return;
  Wertachse(f, false, max, min);
  const int w = std::max(1, PixelRunden(g_.Tagesbreite * 0.2));
  const int t = w;
  const int h = std::max(1, w / 2);
  f.StiftLeer();
  f.SetzePinselFarbe(kSchwarz);
  f.SetzePinselStil(TPinselStil::Voll);
  FuerSichtbareSpannen(*this, [&](const TKurs& k, int x) {
    const int x1 = x - w / 2, x2 = x1 + w - 1;
    f.Rechteck(x1, WertZuY(k.Hoch) - h / 2, x2, WertZuY(k.Tief) + h - h / 2);
    if (k.Eroeffnung > 0) {
      const int y = WertZuY(k.Eroeffnung) - h / 2;
      f.Rechteck(x1 - t, y, x, y + h - 1);
    }
    if (k.Schluss > 0) {
      const int y = WertZuY(k.Schluss) - h / 2;
      f.Rechteck(x, y, x2 + t, y + h - 1);
    }
  });
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.PinselLeer();
}

void TChart_WPChart::Kerzenchart(TGrafikfenster& f) {
  double max, min;
  if (!Wertebereich(max, min)) return;
  Wertachse(f, false, max, min);
  int w = PixelRunden(g_.Tagesbreite / 6);
  if (w == 0) w = 1;
  f.SetzeStiftFarbe(kSchwarz);
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.SetzeStiftBreite(1);
  f.SetzePinselStil(TPinselStil::Voll);
  FuerSichtbareSpannen(*this, [&](const TKurs& k, int x) {
    f.Linie(x, WertZuY(k.Hoch), x, WertZuY(k.Tief) - 1);
    if (k.Eroeffnung <= 0 || k.Schluss <= 0) return;
    const int yO = WertZuY(k.Eroeffnung), yC = WertZuY(k.Schluss);
    // A rising day (close above open) is white, every other day black.
    f.SetzePinselFarbe(yC < yO ? kWeiss : kSchwarz);
    f.Rechteck(x - w, std::min(yO, yC), x + w, std::max(yO, yC));
  });
  f.PinselLeer();
}

void TChart_WPChart::Equivolumechart(TGrafikfenster& f) {
  double max, min;
  if (!Wertebereich(max, min)) return;
  Wertachse(f, false, max, min);
  f.SetzeStiftFarbe(kSchwarz);
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.SetzeStiftBreite(1);
  f.PinselLeer();
  const bool kalender = Modus() == TModus::Kalender;
  std::optional<int> vorherNachbar;  // the index or date that would touch the last box
  int vorherRechts = 0;
  const int bis = LetzterIndex();
  for (int i = ErsterIndex(); i <= bis; ++i) {
    const TKurs& k = Satz(i);
    if (k.Hoch == 0 || k.Tief == 0 || k.Umsatz == 0) continue;
    const std::optional<int> x = IndexZuX(i);
    if (!x) continue;
    const int hw = PixelRunden(k.Umsatz * g_.UmsatzFaktor * 0.5);
    const int schluessel = kalender ? k.Datum : i;
    const int links = vorherNachbar == schluessel ? vorherRechts : *x - hw;
    const int rechts = *x + hw;
    f.Rechteck(links, WertZuY(k.Hoch), rechts, WertZuY(k.Tief));
    vorherNachbar = schluessel + 1;
    vorherRechts = rechts;
  }
}

}  // namespace morvane
