// Listing a catalog of 2 000 securities and loading the master data of each,
// as the main window and the list dialogs do.
#include <benchmark/benchmark.h>

#include "store/wpverwaltung.h"
#include "store_benchdaten.h"

namespace morvane {
namespace {

struct TKatalog {
  test::TTempVerzeichnis verzeichnis;
  TWPVerwaltung store{verzeichnis.Pfad()};
  TKatalog() {
    // Ten years of prices each, as a typical catalog holds.
    TWertpapier w = bench::BeispielWertpapier(2500, 20);
    for (int i = 0; i < 2000; ++i) {
      w.Bezeichnung = "Wertpapier " + std::to_string(i);
      store.WertpapierSpeichern(store.NeueID("Aktien", w.Bezeichnung), w);
    }
  }
};

void KatalogMitStammdaten(benchmark::State& state) {
  static TKatalog katalog;
  for (auto _ : state) {
    std::vector<std::string> ids;
    katalog.store.WertpapiereAuflisten("Aktien", ids);
    for (const std::string& id : ids)
      benchmark::DoNotOptimize(katalog.store.StammdatenLaden(id));
    state.counters["Wertpapiere"] = static_cast<double>(ids.size());
  }
}
BENCHMARK(KatalogMitStammdaten)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvane
