// Loading a security with 10 000 prices and 100 transactions, against a plain
// read of the same file.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/datei.h"
#include "store/wpverwaltung.h"
#include "store_benchdaten.h"

namespace morvane {
namespace {

struct TDatei {
  test::TTempVerzeichnis verzeichnis;
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

// Twenty securities of 1 000 to 10 000 prices loaded one after another, as the
// depot lists and the chart field do, against plain reads of the same files.
struct TReihe {
  test::TTempVerzeichnis verzeichnis;
  TWPVerwaltung store{verzeichnis.Pfad()};
  std::vector<std::string> ids;
  TReihe() {
    for (int i = 0; i < 20; ++i) {
      ids.push_back(verzeichnis.Pfad() + "Aktien/w" + std::to_string(i) + ".mv3");
      store.WertpapierSpeichern(ids.back(),
                                bench::BeispielWertpapier(1000 + (i * 7919) % 9001, 20));
    }
  }
};

TReihe& Reihe() {
  static TReihe reihe;
  return reihe;
}

void DateienNurLesen(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::string& id : Reihe().ids)
      benchmark::DoNotOptimize(DateiLesen(id));
  }
}
BENCHMARK(DateienNurLesen)->Unit(benchmark::kMicrosecond);

void WertpapiereNacheinanderLaden(benchmark::State& state) {
  TReihe& r = Reihe();
  for (auto _ : state) {
    for (const std::string& id : r.ids)
      benchmark::DoNotOptimize(r.store.WertpapierLaden(id));
  }
}
BENCHMARK(WertpapiereNacheinanderLaden)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvane
