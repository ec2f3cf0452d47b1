#include <benchmark/benchmark.h>

#include <string>

#include "core/datum.h"
#include "core/datumtext.h"
#include "online/entitaeten.h"
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

// Runs `script` over `seite` once per iteration and counts the records.
void Messen(benchmark::State& state, std::string_view script, const std::string& seite, bool html) {
  TScriptParser parser(script);
  std::size_t anzahl = 0;
  for (auto _ : state) {
    anzahl = 0;
    TInterpreter interpreter(parser, seite, html,
                             [&](const std::string&, const TKurs&) { ++anzahl; });
    interpreter.Ausfuehren();
    benchmark::DoNotOptimize(anzahl);
  }
  state.counters["Datensaetze"] = static_cast<double>(anzahl);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * seite.size()));
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
  Messen(state, kScript, seite, false);
}
BENCHMARK(BM_InterpreterCsv5MB)->Unit(benchmark::kMillisecond);

// One line of `anzahl` records "05.03.2001 1 " (about 1.3 MB for 100 000),
// optionally ending in an umlaut, so that columns are no byte offsets.
std::string EinzeilenSeite(std::int64_t anzahl, bool umlaut) {
  const std::string datensatz = "05.03.2001 1 ";
  std::string seite;
  seite.reserve(static_cast<std::size_t>(anzahl) * datensatz.size() + 2);
  for (std::int64_t i = 0; i < anzahl; ++i)
    seite += datensatz;
  return umlaut ? seite + "ä" : seite;
}

// Arguments: records, umlaut (0/1), HTML (0/1), date format (0/1).
void BM_InterpreterEinzeilig(benchmark::State& state) {
  const bool html = state.range(2) != 0;
  const std::string seite = EinzeilenSeite(state.range(0), state.range(1) != 0);
  Messen(state,
         state.range(3) != 0 ? R"(datensatz datum(format "TT.MM.JJJJ") kassa ende)"
                             : "datensatz datum kassa ende",
         seite, html);
}
BENCHMARK(BM_InterpreterEinzeilig)
    ->ArgNames({"Datensaetze", "Umlaut", "Html", "Format"})
    ->ArgsProduct({{10000, 100000}, {0, 1}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The provider's XML history answer on one line, `range(0)` trading days.
void BM_InterpreterHistorie(benchmark::State& state) {
  std::string daten;
  std::string werte;
  for (std::int64_t i = 0; i < state.range(0); ++i) {
    daten += "2001-03-05;";
    werte += "12.5;";
  }
  std::string seite = "<DATE_LIST>" + daten + "</DATE_LIST>";
  for (const char* tag : {"OPEN_PRICE_LIST", "CLOSE_PRICE_LIST", "HIGH_PRICE_LIST",
                          "LOW_PRICE_LIST", "VOLUME_LIST"}) {
    seite += std::string("<") + tag + ">" + werte + "</" + tag + ">";
  }
  Messen(state, "onvistahistorie", seite, false);
}
BENCHMARK(BM_InterpreterHistorie)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// "&" followed by `range(0)` times "amp;": one entity nested that deep.
void BM_EntitaetenVerschachtelt(benchmark::State& state) {
  std::string text = "&";
  for (std::int64_t i = 0; i < state.range(0); ++i)
    text += "amp;";
  for (auto _ : state)
    benchmark::DoNotOptimize(EntitaetenDekodieren(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_EntitaetenVerschachtelt)->Arg(40000)->Arg(400000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvane
