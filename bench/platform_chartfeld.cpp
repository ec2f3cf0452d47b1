// Painting the whole chart field (candles with volume, three indicators drawn
// in, indicator bar, info area) into a QImage through the Qt canvas.
#include <benchmark/benchmark.h>

#include "bench/chartbenchdaten.h"
#include "bench/qimagemalen.h"
#include "chart/chartfeld.h"
#include "platform/chartbild.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

void BM_ChartfeldInQImage(benchmark::State& state) {
  static TQtUmgebung umgebung;
  test::TTempVerzeichnis daten;
  TWPVerwaltung store(daten.Pfad());
  const std::string id = store.NeueID("Aktien", "Benchmark AG");
  store.WertpapierSpeichern(id, bench::Kerzenpapier());

  TChartAnsicht ansicht = bench::Kerzenansicht();
  ansicht.Indikatoren = true;
  ansicht.Infobereich = true;
  const TIndVorlagen vorlagen;
  TChartFeld feld(store, ansicht, vorlagen);
  feld.ZeigeWertpapier(id);
  // One oscillator, one trend follower and one trend-intensity kind, each with
  // its lines and its signal.
  TIndAnalyse& analyse = feld.IndikatorBalken().Analyse();
  for (const auto& [gruppe, index] : {std::pair{1, 0}, std::pair{2, 2}, std::pair{3, 0}})
    analyse.Indikator(gruppe, index).Anzeige = 2;
  feld.SetzeGrenzen(bench::kSeite);

  bench::InQImageMalen(state, feld);
}
BENCHMARK(BM_ChartfeldInQImage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvane
