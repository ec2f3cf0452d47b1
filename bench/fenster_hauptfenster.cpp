// The main window over a catalog of 200 securities of 5 105 real prices each:
// from its creation to the first painted chart, and one step to the next
// security (load, compute the indicator set, paint the chart area).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>

#include "app/fenster/hauptfenster.h"
#include "chart/chartvorlagen.h"
#include "indicators/indvorlagen.h"
#include "qtanwendung.h"
#include "testhilfe/beispieldaten.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

constexpr int kWertpapiere = 200;

using bench::Anwendung;

// A program directory and a data directory with one catalog of 200 copies of
// the S&P 500 history, the view showing 250 days with bar and info area, and
// the default indicator set.
struct TDaten {
  TDaten() : store(daten.Pfad()) {
    const TWertpapier wp = test::BeispielPapier("SP500_2000-2020_vega.csv", "Index");
    for (int i = 0; i < kWertpapiere; ++i) {
      TWertpapier kopie = wp;
      kopie.Bezeichnung = "Index " + std::to_string(1000 + i);
      store.WertpapierSpeichern(store.NeueID("Indizes", kopie.Bezeichnung), kopie);
    }
    TEinstellungen e(programm.Pfad());
    e.SetzeDatenverzeichnis(daten.Pfad());
    ChartEinstellungenEinstecken(e);
    IndEinstellungenEinstecken(e);
    ChartAnsicht(e).Tage = 250;
    ChartAnsicht(e).Indikatoren = true;
    ChartAnsicht(e).Infobereich = true;
    e.Speichern();
  }
  test::TTempVerzeichnis programm;
  test::TTempVerzeichnis daten;
  TWPVerwaltung store;
};

TDaten& Daten() {
  static TDaten daten;
  return daten;
}

// The chart area painted as the screen would show it.
void ChartMalen(THauptfenster& f, QImage& bild) {
  bild.fill(Qt::white);
  f.Bereich().render(&bild);
}

// Stops the benchmark when nothing was shown or painted, so that a fast time
// never comes from an empty window.
void Pruefen(benchmark::State& state, THauptfenster& f, const QImage& bild) {
  int farbig = 0;
  for (int y = 0; y < bild.height(); y += 4) {
    for (int x = 0; x < bild.width(); x += 4)
      farbig += bild.pixel(x, y) != qRgb(255, 255, 255);
  }
  if (!f.Feld().Wertpapier() || farbig < 1000) state.SkipWithError("kein Chart gezeichnet");
}

void FensterGroesse(THauptfenster& f) {
  // A chart area of 1600 x 1000 pixels.
  f.resize(1800, 1100);
  f.show();
  f.resize(f.width() + 1600 - f.Bereich().width(), f.height() + 1000 - f.Bereich().height());
}

void BM_StartBisErsterChart(benchmark::State& state) {
  Anwendung();
  TDaten& d = Daten();
  QImage bild(1600, 1000, QImage::Format_RGB32);
  for (auto _ : state) {
    TEinstellungen e(d.programm.Pfad());
    THauptfenster f(e, d.store);
    FensterGroesse(f);
    f.Starten();
    ChartMalen(f, bild);
    benchmark::DoNotOptimize(bild.constBits());
    Pruefen(state, f, bild);
  }
}
BENCHMARK(BM_StartBisErsterChart)->Unit(benchmark::kMillisecond);

void BM_RunterSchritt(benchmark::State& state) {
  Anwendung();
  TDaten& d = Daten();
  TEinstellungen e(d.programm.Pfad());
  THauptfenster f(e, d.store);
  FensterGroesse(f);
  f.Starten();
  QImage bild(1600, 1000, QImage::Format_RGB32);
  bool runter = true;
  for (auto _ : state) {
    QKeyEvent taste(QEvent::KeyPress, runter ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(f.Panel().Wertpapiere(), &taste);
    ChartMalen(f, bild);
    runter = !runter;
  }
  Pruefen(state, f, bild);
  bild.save(QStringLiteral("bench_fenster_runter.png"));
  state.counters["Breite"] = f.Bereich().width();
  state.counters["Hoehe"] = f.Bereich().height();
}
BENCHMARK(BM_RunterSchritt)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvane
