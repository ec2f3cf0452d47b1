#include <benchmark/benchmark.h>

#include <string>

#include "core/datum.h"
#include "core/datumtext.h"
#include "online/interpreter.h"
#include "online/scriptparser.h"

namespace morvane {
namespace {

// A semicolon-separated price list of about 5 MB, one trading day per line.
std::string CsvSeite() {
  std::string seite = "Datum;Eröffnung;Hoch;Tief;Schluss;Kassa;Umsatz\r\n";
  Boersentag tag = BoersentagAusDatum(4, 1, 1960);
  while (seite.size() < 5 * 1024 * 1024) {
    const int c = static_cast<int>(tag % 97);
    seite += BoersentagZuText(tag++) + ";12," + std::to_string(10 + c) + ";13,5;11,75;12," +
             std::to_string(c) + ";12,5;1." + std::to_string(100 + c) + "\r\n";
  }
  return seite;
}

constexpr const char* kScript = R"(
  position(zeile 2)
  datensatz
    datum(format "TT.MM.JJJJ") position(spalte +1)
    eröffnung(trennzeichen ";") höchst(trennzeichen ";") tiefst(trennzeichen ";")
    schluss(trennzeichen ";") kassa(trennzeichen ";") umsatz(tausenderpunkt ".")
  ende)";

void BM_InterpreterCsv5MB(benchmark::State& state) {
  const std::string seite = CsvSeite();
  TScriptParser parser(kScript);
  std::size_t anzahl = 0;
  for (auto _ : state) {
    anzahl = 0;
    TInterpreter interpreter(parser, seite, false,
                             [&](const std::string&, const TKurs&) { ++anzahl; });
    interpreter.Ausfuehren();
    benchmark::DoNotOptimize(anzahl);
  }
  state.counters["Datensaetze"] = static_cast<double>(anzahl);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * seite.size()));
}
BENCHMARK(BM_InterpreterCsv5MB)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvane
