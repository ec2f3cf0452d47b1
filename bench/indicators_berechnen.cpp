#include <benchmark/benchmark.h>

#include <random>

#include "core/datum.h"
#include "core/kurse.h"
#include "indicators/indikatortypen.h"

namespace morvane {
namespace {

// 10 000 records of a random walk over about 40 years of trading days, with a
// holiday now and then.
const TKurse& Kurse() {
  static const TKurse kurse = [] {
    TKurse k;
    std::mt19937 zufall(42);
    std::normal_distribution<double> schritt(0.0, 0.015);
    std::uniform_real_distribution<double> spanne(0.0, 0.02);
    std::bernoulli_distribution feiertag(0.03);
    double schluss = 50;
    Boersentag tag = BoersentagAusDatum(3, 1, 1980);
    while (k.Anzahl() < 10000) {
      ++tag;
      if (feiertag(zufall)) continue;
      schluss *= 1 + schritt(zufall);
      TKurs kurs{tag};
      kurs.Schluss = schluss;
      kurs.Hoch = schluss * (1 + spanne(zufall));
      kurs.Tief = schluss * (1 - spanne(zufall));
      kurs.Umsatz = 1e5;
      k.Setze(kurs, TSetzModus::Ersetzen);
    }
    return k;
  }();
  return kurse;
}

void BM_Berechnen(benchmark::State& state, std::string_view schluessel) {
  const TKurse& kurse = Kurse();
  auto indikator = ErzeugeIndikator(schluessel);
  for (auto _ : state) {
    indikator->Berechnen(kurse);
    benchmark::DoNotOptimize(indikator->Signal());
  }
}

void BM_AlleBerechnen(benchmark::State& state) {
  const TKurse& kurse = Kurse();
  std::vector<std::unique_ptr<TIndikator>> alle;
  for (const auto& typ : Indikatortypen())
    alle.push_back(typ.Erzeugen());
  for (auto _ : state) {
    for (auto& indikator : alle)
      indikator->Berechnen(kurse);
    benchmark::DoNotOptimize(alle.back()->Signal());
  }
}

const int kRegistriert = [] {
  for (const auto& typ : Indikatortypen()) {
    benchmark::RegisterBenchmark(("BM_Berechnen/" + std::string(typ.Schluessel)).c_str(),
                                 BM_Berechnen, typ.Schluessel)
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::RegisterBenchmark("BM_AlleBerechnen", BM_AlleBerechnen)->Unit(benchmark::kMillisecond);
  return 0;
}();

}  // namespace
}  // namespace morvane
