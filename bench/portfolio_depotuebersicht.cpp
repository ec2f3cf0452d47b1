#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "core/datum.h"
#include "portfolio/depotlisten.h"
#include "store/wpverwaltung.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

constexpr int kKataloge = 10;
constexpr int kJeKatalog = 100;  // 1 000 securities
constexpr int kKurse = 2500;
constexpr int kTransaktionen = 20;
const Boersentag kStart = BoersentagAusDatum(3, 1, 2000);

TWertpapier Testwertpapier(int nummer) {
  TWertpapier wp;
  wp.Bezeichnung = "Wertpapier " + std::to_string(nummer);
  wp.Waehrung = nummer % 7 == 0 ? "USD" : "EUR";
  wp.VerkaufRel = 0.01;
  wp.VerkaufMin = 10;
  wp.Kurse.Kapazitaet(kKurse);
  for (int i = 0; i < kKurse; ++i) {
    const double basis = 50 + (i * 7 + nummer) % 100;
    wp.Kurse.Setze(TKurs{kStart + i, basis, basis - 1, basis, basis + 2, basis - 2, 1000.0 + i},
                   TSetzModus::Ersetzen);
  }
  // Purchases and sales spread over the years, the holding never negative.
  for (int t = 0; t < kTransaktionen; ++t) {
    const Boersentag tag = kStart + t * (kKurse / kTransaktionen);
    const double kurs = wp.Kurse.Suche(tag)->Schluss;
    if (t % 4 == 3)
      wp.Transaktionen.Einfuegen(TTransaktionVerkauf(tag, 5, kurs, 5 * kurs - 10));
    else
      wp.Transaktionen.Einfuegen(TTransaktionKauf(tag, 10, kurs, 10 * kurs + 10));
  }
  return wp;
}

// The depot on disk, written once for all runs and removed at exit.
struct TTestdepot {
  test::TTempVerzeichnis temp;
  std::string verzeichnis = temp.Pfad();
  std::vector<std::string> kataloge;

  TTestdepot() {
    const TWPVerwaltung verwaltung(verzeichnis);
    for (int k = 0; k < kKataloge; ++k) {
      kataloge.push_back("Katalog " + std::to_string(k));
      for (int i = 0; i < kJeKatalog; ++i) {
        const int nummer = k * kJeKatalog + i;
        verwaltung.WertpapierSpeichern(
            verzeichnis + kataloge.back() + "/W" + std::to_string(nummer) + ".mv3",
            Testwertpapier(nummer));
      }
    }
  }
};

const TTestdepot& Testdepot() {
  static const TTestdepot depot;
  return depot;
}

void BM_DepotUebersicht1000(benchmark::State& state) {
  const TTestdepot& depot = Testdepot();
  const TWPVerwaltung verwaltung(depot.verzeichnis);
  const Kalendertag datum = KalendertagAusDatum(30, 6, 2008);
  // One untimed pass warms the file cache.
  benchmark::DoNotOptimize(DepotUebersicht(verwaltung, depot.kataloge, datum, false));
  for (auto _ : state) {
    const TDepotListe liste = DepotUebersicht(verwaltung, depot.kataloge, datum, false);
    if (liste.Zeilen.size() < 1000) state.SkipWithError("zu wenige Zeilen");
    benchmark::DoNotOptimize(liste);
  }
}
BENCHMARK(BM_DepotUebersicht1000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace morvane
