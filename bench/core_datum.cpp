#include <benchmark/benchmark.h>

#include "core/datum.h"
#include "core/datumtext.h"

namespace morvane {
namespace {

void BM_BoersentagAusDatum(benchmark::State& state) {
  int tag = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(BoersentagAusDatum(tag, 7, 2024));
    tag = tag % 28 + 1;
  }
}
BENCHMARK(BM_BoersentagAusDatum);

void BM_DatumAusBoersentag(benchmark::State& state) {
  Boersentag n = BoersentagAusDatum(1, 1, 2024);
  for (auto _ : state)
    benchmark::DoNotOptimize(DatumAusBoersentag(n++ % 1000000 + 260628));
}
BENCHMARK(BM_DatumAusBoersentag);

void BM_KalendertagHinUndZurueck(benchmark::State& state) {
  Kalendertag n = KalendertagAusDatum(1, 1, 2024);
  for (auto _ : state) {
    const TDatum d = DatumAusKalendertag(n++);
    benchmark::DoNotOptimize(KalendertagAusDatum(d.Tag, d.Monat, d.Jahr));
  }
}
BENCHMARK(BM_KalendertagHinUndZurueck);

void BM_TextZuBoersentag(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(TextZuBoersentag("05.01.1998"));
}
BENCHMARK(BM_TextZuBoersentag);

}  // namespace
}  // namespace morvane
