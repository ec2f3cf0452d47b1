// Loading a security with 10 000 prices and 100 transactions, against a plain
// read of the same file.
#include <benchmark/benchmark.h>

#include "core/datei.h"
#include "store/wpverwaltung.h"
#include "store_benchdaten.h"

namespace morvane {
namespace {

struct TDatei {
  bench::TBenchVerzeichnis verzeichnis;
  std::string id = verzeichnis.Pfad() + "Aktien/gross.mv3";
  TWPVerwaltung store{verzeichnis.Pfad()};
  TDatei() { store.WertpapierSpeichern(id, bench::BeispielWertpapier(10000, 100)); }
};

TDatei& Datei() {
  static TDatei datei;
  return datei;
}

void DateiNurLesen(benchmark::State& state) {
  TDatei& d = Datei();
  for (auto _ : state)
    benchmark::DoNotOptimize(DateiLesen(d.id));
}
BENCHMARK(DateiNurLesen)->Unit(benchmark::kMicrosecond);

void WertpapierLaden(benchmark::State& state) {
  TDatei& d = Datei();
  for (auto _ : state)
    benchmark::DoNotOptimize(d.store.WertpapierLaden(d.id));
}
BENCHMARK(WertpapierLaden)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvane
