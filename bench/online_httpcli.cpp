#include <benchmark/benchmark.h>

#include <cstdlib>
#include <sstream>

#include "online/httpcli.h"
#include "testhilfe/serverprozess.h"

namespace morvane {
namespace {

constexpr std::int64_t GrosseSeite = 50 * 1000 * 1000;

// nginx (plain and TLS) with a 50 MB document, started once.
struct TUmgebung {
  test::TServerProzess Prozess{
      {"python3", test::ServerSkript("tlsumgebung.py"), "--gross", std::to_string(GrosseSeite)}};
  std::string Https, Klar;
  TUmgebung() {
    std::istringstream zeile(Prozess.Zeile());
    std::string falsch, proxy, ca;
    zeile >> Https >> falsch >> proxy >> ca >> Klar;
    setenv("SSL_CERT_FILE", ca.c_str(), 1);
  }
};

TUmgebung* Umgebung(benchmark::State& state) {
  static TUmgebung umgebung;
  if (umgebung.Https == "fehlt") {
    state.SkipWithError("nginx-light oder tinyproxy fehlt");
    return nullptr;
  }
  return &umgebung;
}

// Fetches the 50 MB document and counts its bytes without keeping them.
void Gross(benchmark::State& state, bool sicher) {
  const TUmgebung* u = Umgebung(state);
  if (!u) return;
  THttpCli cli;
  cli.URL = sicher ? "https://127.0.0.1:" + u->Https + "/gross.bin"
                   : "http://127.0.0.1:" + u->Klar + "/gross.bin";
  std::int64_t bytes = 0;
  cli.Senke = [&](std::string_view s) { bytes += static_cast<std::int64_t>(s.size()); };
  for (auto _ : state)
    cli.Get();
  if (bytes != GrosseSeite * static_cast<std::int64_t>(state.iterations()))
    state.SkipWithError("unvollständig");
  state.SetBytesProcessed(bytes);
}

void BM_Gross_Http(benchmark::State& state) {
  Gross(state, false);
}
void BM_Gross_Https(benchmark::State& state) {
  Gross(state, true);
}
BENCHMARK(BM_Gross_Http)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Gross_Https)->Unit(benchmark::kMillisecond)->UseRealTime();

// 1 000 small pages, one connection each, as an update run asks for them.
void BM_TausendSeiten(benchmark::State& state) {
  const TUmgebung* u = Umgebung(state);
  if (!u) return;
  THttpCli cli;
  cli.URL = "http://127.0.0.1:" + u->Klar + "/index.html";
  std::string seite;
  cli.Senke = [&](std::string_view s) { seite += s; };
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) {
      seite.clear();
      cli.Get();
    }
  }
  benchmark::DoNotOptimize(seite);
}
BENCHMARK(BM_TausendSeiten)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace morvane
