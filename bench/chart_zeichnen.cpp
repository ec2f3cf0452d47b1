// The security chart's own cost: painting onto the recording canvas.
#include <benchmark/benchmark.h>

#include "bench/chartbenchdaten.h"
#include "chart/wpchart.h"
#include "grafik/aufzeichnungsleinwand.h"

namespace morvane {
namespace {

void BM_KerzenchartAufzeichnen(benchmark::State& state) {
  const TWertpapier wp = bench::Kerzenpapier();
  TChart_WPChart chart;
  bench::Vorbereiten(chart, wp);
  TAufzeichnungsLeinwand leinwand;
  for (auto _ : state) {
    leinwand.Leeren();
    TGrafikfenster fenster(leinwand, bench::kSeite);
    chart.Zeichne(fenster);
    benchmark::DoNotOptimize(leinwand.Aufrufe().size());
  }
  state.counters["Aufrufe"] = static_cast<double>(leinwand.Aufrufe().size());
}
BENCHMARK(BM_KerzenchartAufzeichnen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvane
