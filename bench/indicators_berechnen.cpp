#include <benchmark/benchmark.h>

#include <random>

#include "core/datum.h"
#include "core/kurse.h"
#include "indicators/indanalyse.h"
#include "indicators/indikatortypen.h"
#include "indicators/indvorlagen.h"

namespace morvane {
namespace {

// A random walk over trading days, with a holiday now and then: 10 000
// records span about 40 years.
TKurse Zufallsweg(int anzahl) {
  TKurse k;
  std::mt19937 zufall(42);
  std::normal_distribution<double> schritt(0.0, 0.015);
  std::uniform_real_distribution<double> spanne(0.0, 0.02);
  std::bernoulli_distribution feiertag(0.03);
  double schluss = 50;
  Boersentag tag = BoersentagAusDatum(3, 1, 1980);
  while (k.Anzahl() < anzahl) {
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
}

const TKurse& Kurse(std::int64_t anzahl) {
  static const TKurse zehntausend = Zufallsweg(10000);
  static const TKurse hunderttausend = Zufallsweg(100000);
  return anzahl == 10000 ? zehntausend : hunderttausend;
}

void BM_Berechnen(benchmark::State& state, std::string_view schluessel) {
  const TKurse& kurse = Kurse(state.range(0));
  auto indikator = ErzeugeIndikator(schluessel);
  for (auto _ : state) {
    indikator->Berechnen(kurse);
    benchmark::DoNotOptimize(indikator->Signal());
  }
}

// The default set as the analysis computes it.
void BM_SatzBerechnen(benchmark::State& state) {
  const TKurse& kurse = Kurse(state.range(0));
  const TIndVorlagen vorlagen;
  TIndAnalyse analyse(vorlagen);
  for (auto _ : state) {
    analyse.Berechnen(kurse);
    benchmark::DoNotOptimize(analyse.Anzahl(1));
  }
}

void BM_AlleBerechnen(benchmark::State& state) {
  const TKurse& kurse = Kurse(state.range(0));
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
        ->Unit(benchmark::kMicrosecond)
        ->Arg(10000)
        ->Arg(100000);
  }
  benchmark::RegisterBenchmark("BM_SatzBerechnen", BM_SatzBerechnen)
      ->Unit(benchmark::kMillisecond)
      ->Arg(10000)
      ->Arg(100000);
  benchmark::RegisterBenchmark("BM_AlleBerechnen", BM_AlleBerechnen)
      ->Unit(benchmark::kMillisecond)
      ->Arg(10000)
      ->Arg(100000);
  return 0;
}();

}  // namespace
}  // namespace morvane
