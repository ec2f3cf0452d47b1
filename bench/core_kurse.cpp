#include <benchmark/benchmark.h>

#include "core/datum.h"
#include "core/kurse.h"

namespace morvane {
namespace {

const Boersentag kStart = BoersentagAusDatum(3, 1, 2000);

TKurs Tageskurs(Boersentag tag) {
  const double basis = 100 + (tag % 37);
  return {tag, basis, basis - 1, basis + 0.5, basis + 2, basis - 2, 1000.0 + tag % 500};
}

TKurse Reihe(int anzahl) {
  TKurse kurse;
  kurse.Kapazitaet(anzahl);
  for (int i = 0; i < anzahl; ++i)
    kurse.Setze(Tageskurs(kStart + i), TSetzModus::Ersetzen);
  return kurse;
}

void BM_SetzeAnhaengen10000(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(Reihe(10000));
}
BENCHMARK(BM_SetzeAnhaengen10000)->Unit(benchmark::kMicrosecond);

void BM_Mische250In10000(benchmark::State& state) {
  const TKurse basis = Reihe(10000);
  TKurse neu;
  for (int i = 0; i < 250; ++i) {
    TKurs k{kStart + 9800 + i};
    k.Schluss = Tageskurs(k.Datum).Schluss;
    neu.Setze(k, TSetzModus::Ersetzen);
  }
  for (auto _ : state) {
    state.PauseTiming();
    TKurse ziel;
    ziel.Zuweisen(basis);
    state.ResumeTiming();
    ziel.Mische(neu);
    benchmark::DoNotOptimize(ziel);
  }
}
BENCHMARK(BM_Mische250In10000)->Unit(benchmark::kMicrosecond);

void BM_Suche(benchmark::State& state) {
  const TKurse kurse = Reihe(10000);
  Boersentag tag = kStart;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kurse.Suche(tag));
    tag = kStart + (tag - kStart + 7919) % 10000;
  }
}
BENCHMARK(BM_Suche);

}  // namespace
}  // namespace morvane
