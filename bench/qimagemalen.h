#pragma once

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "bench/chartbenchdaten.h"
#include "chart/grafikfeld.h"
#include "platform/qtleinwand.h"

namespace morvane::bench {

// The measured loop: the field painted over a white page-sized QImage.
inline void InQImageMalen(benchmark::State& state, TGrafikfeld& feld) {
  QImage bild(kBreite, kHoehe, QImage::Format_RGB32);
  for (auto _ : state) {
    bild.fill(Qt::white);
    QPainter painter(&bild);
    TQtLeinwand leinwand(painter);
    TGrafikfenster fenster(leinwand, kSeite);
    feld.Zeichne(fenster);
  }
}

}  // namespace morvane::bench
