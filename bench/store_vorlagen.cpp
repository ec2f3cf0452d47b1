// Reading a templates file of 80 000 entries and searching it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "store/wertpapiervorlagen.h"
#include "testhilfe/tempverzeichnis.h"

namespace {

constexpr int kEintraege = 80000;

// A file shaped like the shipped one: codes, a name, a few exchanges and
// category columns.
std::string Vorlagendatei() {
  static const morvane::test::TTempVerzeichnis verzeichnis;
  static const std::string pfad = [] {
    const std::string datei = verzeichnis.Datei("Werte35.mvw");
    std::ofstream aus(datei, std::ios::binary);
    aus << "Morvane 3.5  Wertpapier-Vorlagen\r\n// Kursdaten\r\n"
        << "ISIN\tWKN\tK\xFCrzel\tW\xE4hrung\tName\tBemerkung\tIstIndex\tIstFonds\tBerlin\t"
           "D\xFCsseldorf\tFrankfurt\tHamburg\tHannover\tM\xFCnchen\tStuttgart\tXetra\t"
           "DAX\tMDAX\tTecDAX\tEuro Stoxx 50\r\n";
    char zeile[512];
    for (int i = 0; i < kEintraege; ++i) {
      const int wkn = 100000 + i;
      std::snprintf(
          zeile, sizeof zeile,
          "DE000%06d%d\t%06d\tK%d\tEUR\tM\xFCller Beispiel %d AG Inhaber-Aktien\t\t%s\t%s\t"
          "%d\t\t%d.FRA\t%d\t\t%d\t%d\t%s\t%s\t%s\t\t%s\r\n",
          wkn, i % 10, wkn, i, i, i % 97 == 0 ? "x" : "", i % 13 == 0 ? "x" : "", wkn, wkn, wkn,
          wkn, wkn, i % 3 == 0 ? "DBK" : "", i % 50 == 0 ? "x" : "", i % 20 == 0 ? "x" : "",
          i % 40 == 0 ? "x" : "");
      aus << zeile;
    }
    return datei;
  }();
  return pfad;
}

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

}  // namespace
