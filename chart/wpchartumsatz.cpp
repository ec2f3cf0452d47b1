// The volume histogram below the price plot.
#include <algorithm>
#include <array>
#include <limits>

#include "chart/wpchart.h"

namespace morvane {

void TChart_WPChart::Umsatzhistogramm(TGrafikfenster& f) {
  const int von = ErsterIndex(), bis = LetzterIndex();
  double min = std::numeric_limits<double>::infinity(), max = 0, summe = 0;
  int anzahl = 0;
  for (int i = std::max(0, von); i <= bis; ++i) {
    const double v = Satz(i).Umsatz;
    if (v == 0) continue;
    min = std::min(min, v);
    max = std::max(max, v);
    summe += v;
    ++anzahl;
  }
  if (anzahl == 0) return;
  if (min == max) min = 0;
  // Cut the scale at the average plus the extreme-value percentage, so that
  // one huge day does not flatten all others.
  if (ansicht_.UmsatzAbschneiden && anzahl > 1)
    max = summe / anzahl * (ansicht_.UmsatzExtremwert * 0.01 + 1);
  if (!(max > 0)) return;
  Wertachse(f, true, max, min);

  const int fy = f.FaktorY();
  const int l = PixelRunden(g_.Tagesbreite * 0.25);
  const int r = PixelRunden(g_.Tagesbreite * 0.5) - l;
  const int unten = g_.UmsatzUnten + 5 * fy;
  f.SetzeStiftBreite(1);
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.SetzePinselStil(TPinselStil::Voll);
  for (int i = std::max(0, von); i <= bis; ++i) {
    const TKurs& k = Satz(i);
    if (k.Umsatz <= 0) continue;
    const std::optional<int> x = IndexZuX(i);
    if (!x) continue;
    const TKurs* vorher = i > 0 ? &Satz(i - 1) : nullptr;
    const bool gefallen =
        vorher && vorher->Schluss != 0 && k.Schluss != 0 && vorher->Schluss > k.Schluss;
    const TFarbe farbe = gefallen ? kRot : kGruen;
    f.SetzeStiftFarbe(farbe);
    f.SetzePinselFarbe(farbe);
    if (k.Umsatz > max) {
      f.Rechteck(*x - l, g_.UmsatzOben, *x + r, unten);
      const std::array<TPunkt, 3> dreieck = {TPunkt{*x - l, g_.UmsatzOben - 2 * fy},
                                             TPunkt{*x, g_.UmsatzOben - 5 * fy},
                                             TPunkt{*x + r, g_.UmsatzOben - 2 * fy}};
      f.Vieleck(dreieck);
    } else {
      f.Rechteck(*x - l, UmsatzZuY(max, min, k.Umsatz), *x + r, unten);
    }
  }
  f.PinselLeer();
}

}  // namespace morvane
