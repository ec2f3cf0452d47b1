// The price table of a security with 10 000 prices: from opening the dialog
// (loading the file, building the grid over the series) to the first painted
// grid.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "core/ui/dialogwpkurstabelle.h"
#include "qtanwendung.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

constexpr int kKurse = 10000;

struct TDaten {
  TDaten() : store(daten.Pfad()) {
    TWertpapier wp;
    wp.Bezeichnung = "Lange Reihe";
    for (int i = 0; i < kKurse; ++i) {
      const double k = 50 + (i % 200) * 0.25;
      const TKurs kurs{.Datum = kErsterBoersentag + 1000 + i,
                       .Eroeffnung = k,
                       .Schluss = k + 0.5,
                       .Hoch = k + 1,
                       .Tief = k - 1,
                       .Umsatz = 1000.0 + i};
      wp.Kurse.Setze(kurs, TSetzModus::Ersetzen);
    }
    id = store.NeueID("Bench", wp.Bezeichnung);
    store.WertpapierSpeichern(id, wp);
  }
  test::TTempVerzeichnis daten;
  TWPVerwaltung store;
  std::string id;
};

void BM_KurstabelleOeffnen(benchmark::State& state) {
  bench::Anwendung();
  static TDaten daten;
  const Boersentag heute = kErsterBoersentag + 1000 + kKurse - 1;
  for (auto _ : state) {
    TDialogWPKurstabelle dialog(nullptr, daten.store, daten.id, heute, StandardUmgebung());
    dialog.show();
    QImage bild(dialog.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter maler(&bild);
    dialog.render(&maler);
    benchmark::DoNotOptimize(bild.constBits());
  }
}
BENCHMARK(BM_KurstabelleOeffnen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvane
