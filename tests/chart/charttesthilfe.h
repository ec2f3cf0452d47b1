#pragma once

#include <vector>

#include "chart/wpchart.h"
#include "core/datum.h"
#include "core/wertpapier.h"
#include "grafik/aufzeichnungsleinwand.h"

namespace morvane::test {

// Monday 4 January 2010 and the trading days after it.
inline Boersentag Tag(int n) {
  return BoersentagAusDatum(4, 1, 2010) + n;
}

// A record of day n with open, high, low, close and volume.
inline TKurs Satz(int n, double eroeffnung, double hoch, double tief, double schluss,
                  double umsatz = 0) {
  TKurs k;
  k.Datum = Tag(n);
  k.Eroeffnung = eroeffnung;
  k.Hoch = hoch;
  k.Tief = tief;
  k.Schluss = schluss;
  k.Umsatz = umsatz;
  return k;
}

// Closes only, on consecutive trading days from day 0.
inline void Schlusskurse(TWertpapier& wp, const std::vector<double>& kurse) {
  for (std::size_t i = 0; i < kurse.size(); ++i) {
    TKurs k;
    k.Datum = Tag(static_cast<int>(i));
    k.Schluss = kurse[i];
    wp.Kurse.Setze(k, TSetzModus::Ersetzen);
  }
}

// A view with nothing switched on below the time axis and no overlays.
inline TChartAnsicht SchlichteAnsicht(TCharttyp charttyp) {
  TChartAnsicht a;
  a.Charttyp = charttyp;
  a.Monatsbalken = false;
  a.Jahresbalken = false;
  a.UmsatzAnzeigen = false;
  a.Punkteraster = false;
  a.KaufVerkauf = false;
  a.GVGrenze = false;
  return a;
}

// Paints the chart, sized w x h, onto a recording canvas.
inline void Zeichnen(TChart_WPChart& chart, TAufzeichnungsLeinwand& leinwand, int w, int h,
                     int faktor = 1) {
  chart.SetzeGrenzen({0, 0, w - 1, h - 1});
  TGrafikfenster fenster(leinwand, {0, 0, w - 1, h - 1}, static_cast<std::uint16_t>(faktor),
                         static_cast<std::uint16_t>(faktor));
  chart.Zeichne(fenster);
}

// Shows `wp` in view `a` and paints the chart, sized w x h.
inline void Zeigen(TChart_WPChart& chart, const TChartAnsicht& a, const TWertpapier& wp,
                   TAufzeichnungsLeinwand& leinwand, int w, int h) {
  chart.SetzeAnsicht(a);
  chart.SetzeWertpapier(&wp);
  Zeichnen(chart, leinwand, w, h);
}

}  // namespace morvane::test
