#pragma once

#include <cmath>

#include "chart/chartansicht.h"
#include "chart/wpchart.h"
#include "core/datum.h"
#include "core/wertpapier.h"

namespace morvane::bench {

// 2 500 days of a swinging price with volume, ending on a fixed day.
inline TWertpapier Kerzenpapier() {
  TWertpapier wp;
  wp.Bezeichnung = "Benchmark AG";
  wp.ISIN = "DE0000000001";
  const Boersentag start = BoersentagAusDatum(3, 1, 2000);
  wp.Kurse.Kapazitaet(2500);
  for (int i = 0; i < 2500; ++i) {
    const double basis = 100 + 20 * std::sin(i / 40.0) + (i % 7);
    const double schluss = basis + ((i * 13) % 5) - 2;
    TKurs k{start + i,
            0,
            basis,
            schluss,
            std::max(basis, schluss) + 1.5,
            std::min(basis, schluss) - 1.5,
            1e6 + (i * 7919) % 500000};
    wp.Kurse.Setze(k, TSetzModus::Ersetzen);
  }
  return wp;
}

// Candles with the volume histogram over 2 000 days.
inline TChartAnsicht Kerzenansicht() {
  TChartAnsicht a;
  a.Charttyp = TCharttyp::Kerze;
  a.UmsatzAnzeigen = true;
  a.Tage = 2000;
  return a;
}

inline constexpr int kBreite = 1600;
inline constexpr int kHoehe = 1000;
inline constexpr TRechteck kSeite{0, 0, kBreite - 1, kHoehe - 1};

// The chart showing `wp` with the candle view, laid out for the whole page.
inline void Vorbereiten(TChart_WPChart& chart, const TWertpapier& wp) {
  chart.SetzeAnsicht(Kerzenansicht());
  chart.SetzeWertpapier(&wp);
  chart.SetzeGrenzen(kSeite);
}

}  // namespace morvane::bench
