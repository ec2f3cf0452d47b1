// Reading a templates file of 80 000 entries and searching it.
#include <benchmark/benchmark.h>

#include <string>

#include "store/wertpapiervorlagen.h"
#include "store/wpanlegen.h"
#include "vorlagenbenchdaten.h"

namespace {

using morvane::bench::kEintraege;
using morvane::bench::Vorlagendatei;

void VorlagenLesen(benchmark::State& state) {
  const std::string pfad = Vorlagendatei();
  for (auto _ : state) {
    morvane::TWertpapierVorlagen vorlagen(pfad, nullptr);
    benchmark::DoNotOptimize(vorlagen.Eintraege().size());
  }
  state.SetItemsProcessed(state.iterations() * kEintraege);
}
BENCHMARK(VorlagenLesen)->Unit(benchmark::kMillisecond);

using TSuche = void (morvane::TWertpapierVorlagen::*)(std::string_view,
                                                      morvane::TWertpapierVorlagen::TListe&);

void VorlagenSuchen(benchmark::State& state, TSuche suche, const char* text) {
  morvane::TWertpapierVorlagen vorlagen(Vorlagendatei(), nullptr);
  vorlagen.Eintraege();
  morvane::TWertpapierVorlagen::TListe liste;
  liste.reserve(kEintraege);
  for (auto _ : state) {
    liste.clear();
    (vorlagen.*suche)(text, liste);
    benchmark::DoNotOptimize(liste.data());
  }
}
BENCHMARK_CAPTURE(VorlagenSuchen, Name, &morvane::TWertpapierVorlagen::SucheName, "beispiel 4711")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(VorlagenSuchen, ISIN, &morvane::TWertpapierVorlagen::SucheISIN, "de00015")
    ->Unit(benchmark::kMillisecond);

// One keystroke in the create dialog's search field: the search rules, then
// one row per exchange. The argument is how many characters of the text are
// typed; "Akt" already finds every entry, on six exchanges each.
void SuchfeldTippen(benchmark::State& state, const char* text) {
  morvane::TWertpapierVorlagen vorlagen(Vorlagendatei(), nullptr);
  vorlagen.Eintraege();
  const std::string_view getippt = std::string_view(text).substr(0, state.range(0));
  std::size_t zeilen = 0;
  for (auto _ : state) {
    const auto gefunden = morvane::VorlagenFinden(vorlagen, std::nullopt, getippt);
    const auto liste = morvane::AnlegeZeilen(gefunden, morvane::kFilterAlle);
    zeilen = liste.size();
    benchmark::DoNotOptimize(liste.data());
  }
  state.counters["Zeilen"] = static_cast<double>(zeilen);
}
BENCHMARK_CAPTURE(SuchfeldTippen, Aktien, "Aktien")
    ->DenseRange(1, 6)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SuchfeldTippen, ISIN, "DE0001234")
    ->DenseRange(7, 9)
    ->Unit(benchmark::kMillisecond);

}  // namespace
