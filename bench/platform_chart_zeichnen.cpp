// Painting a candle chart into a QImage through the Qt canvas.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "bench/chartbenchdaten.h"
#include "chart/wpchart.h"
#include "platform/chartbild.h"
#include "platform/qtleinwand.h"

namespace morvane {
namespace {

void BM_KerzenchartInQImage(benchmark::State& state) {
  static TQtUmgebung umgebung;
  const TWertpapier wp = bench::Kerzenpapier();
  TChart_WPChart chart;
  bench::Vorbereiten(chart, wp);
  QImage bild(bench::kBreite, bench::kHoehe, QImage::Format_RGB32);
  for (auto _ : state) {
    bild.fill(Qt::white);
    QPainter painter(&bild);
    TQtLeinwand leinwand(painter);
    TGrafikfenster fenster(leinwand, bench::kSeite);
    chart.Zeichne(fenster);
  }
}
BENCHMARK(BM_KerzenchartInQImage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvane
