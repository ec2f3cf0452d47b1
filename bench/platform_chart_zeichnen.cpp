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
  chart.SetzeAnsicht(bench::Kerzenansicht());
  chart.SetzeWertpapier(&wp);
  const TRechteck seite{0, 0, bench::kBreite - 1, bench::kHoehe - 1};
  chart.SetzeGrenzen(seite);
  QImage bild(bench::kBreite, bench::kHoehe, QImage::Format_RGB32);
  for (auto _ : state) {
    bild.fill(Qt::white);
    QPainter painter(&bild);
    TQtLeinwand leinwand(painter);
    TGrafikfenster fenster(leinwand, seite);
    chart.Zeichne(fenster);
  }
}
BENCHMARK(BM_KerzenchartInQImage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvane
