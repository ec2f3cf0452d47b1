// The security chart's own cost: painting onto the recording canvas.
#include <benchmark/benchmark.h>

#include "bench/chartbenchdaten.h"
#include "chart/aufzeichnungsleinwand.h"
#include "chart/wpchart.h"

namespace morvane {
namespace {

void BM_KerzenchartAufzeichnen(benchmark::State& state) {
  const TWertpapier wp = bench::Kerzenpapier();
  TChart_WPChart chart;
  chart.SetzeAnsicht(bench::Kerzenansicht());
  chart.SetzeWertpapier(&wp);
  const TRechteck seite{0, 0, bench::kBreite - 1, bench::kHoehe - 1};
  chart.SetzeGrenzen(seite);
  TAufzeichnungsLeinwand leinwand;
  for (auto _ : state) {
    leinwand.Leeren();
    TGrafikfenster fenster(leinwand, seite);
    chart.Zeichne(fenster);
    benchmark::DoNotOptimize(leinwand.Aufrufe().size());
  }
  state.counters["Aufrufe"] = static_cast<double>(leinwand.Aufrufe().size());
}
BENCHMARK(BM_KerzenchartAufzeichnen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvane
