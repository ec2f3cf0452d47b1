// Painting a candle chart into a QImage through the Qt canvas.
#include <benchmark/benchmark.h>

#include "bench/chartbenchdaten.h"
#include "bench/qimagemalen.h"
#include "chart/wpchart.h"
#include "platform/chartbild.h"

namespace morvane {
namespace {

void BM_KerzenchartInQImage(benchmark::State& state) {
  static TQtUmgebung umgebung;
  const TWertpapier wp = bench::Kerzenpapier();
  TChart_WPChart chart;
  bench::Vorbereiten(chart, wp);
  bench::InQImageMalen(state, chart);
}
BENCHMARK(BM_KerzenchartInQImage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvane
