#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "bench/indicators_referenz.h"
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

// The prices as plain arrays, taken once outside the timed loop.
struct TReihen {
  std::vector<double> h, l, c, v;
};
using TAusgaben = std::array<std::vector<double>, 3>;

TReihen Reihen(const TKurse& kurse) {
  TReihen r;
  for (const TKurs& k : kurse.Alle()) {
    r.h.push_back(k.Hoch);
    r.l.push_back(k.Tief);
    r.c.push_back(k.Schluss);
    r.v.push_back(k.Umsatz);
  }
  return r;
}

struct TReferenz {
  const char* name;
  void (*rechnen)(const TReihen&, TAusgaben&);
};

namespace ref = referenz;
const TReferenz kReferenzen[] = {
    {"SMA", [](const TReihen& r, TAusgaben& o) { ref::Sma(r.c, o[0]); }},
    {"WMA", [](const TReihen& r, TAusgaben& o) { ref::Wma(r.c, o[0]); }},
    {"EMA", [](const TReihen& r, TAusgaben& o) { ref::EmaReihe(r.c, o[0]); }},
    {"RSI", [](const TReihen& r, TAusgaben& o) { ref::Rsi(r.c, o[0]); }},
    {"STOCH", [](const TReihen& r, TAusgaben& o) { ref::Stoch(r.h, r.l, r.c, o[0], o[1]); }},
    {"MOM", [](const TReihen& r, TAusgaben& o) { ref::Mom(r.c, o[0]); }},
    {"BBANDS", [](const TReihen& r, TAusgaben& o) { ref::Bbands(r.c, o[0], o[1], o[2]); }},
    {"CCI", [](const TReihen& r, TAusgaben& o) { ref::Cci(r.h, r.l, r.c, o[0]); }},
    {"MACD", [](const TReihen& r, TAusgaben& o) { ref::Macd(r.c, o[0], o[1], o[2]); }},
    {"ADOSC", [](const TReihen& r, TAusgaben& o) { ref::Adosc(r.h, r.l, r.c, r.v, o[0]); }},
    {"MFI", [](const TReihen& r, TAusgaben& o) { ref::Mfi(r.h, r.l, r.c, r.v, o[0]); }},
    {"PLUS_DI", [](const TReihen& r, TAusgaben& o) { ref::PlusDi(r.h, r.l, r.c, o[0]); }},
    {"MINUS_DI", [](const TReihen& r, TAusgaben& o) { ref::MinusDi(r.h, r.l, r.c, o[0]); }},
    {"ADX", [](const TReihen& r, TAusgaben& o) { ref::Adx(r.h, r.l, r.c, o[0]); }},
    {"LINEARREG", [](const TReihen& r, TAusgaben& o) { ref::Linearreg(r.c, o[0]); }},
};

// Outputs as long as the prices.
TAusgaben Ausgaben(const TReihen& reihen) {
  TAusgaben o;
  for (auto& a : o)
    a.resize(reihen.c.size());
  return o;
}

// One textbook floating-point function over the same prices, as a reference.
void BM_Referenz(benchmark::State& state, const TReferenz* funktion) {
  const TReihen reihen = Reihen(Kurse(state.range(0)));
  TAusgaben ausgaben = Ausgaben(reihen);
  for (auto _ : state) {
    funktion->rechnen(reihen, ausgaben);
    benchmark::DoNotOptimize(ausgaben);
    benchmark::ClobberMemory();
  }
}

// All fifteen of them after each other.
void BM_ReferenzAlle(benchmark::State& state) {
  const TReihen reihen = Reihen(Kurse(state.range(0)));
  TAusgaben ausgaben = Ausgaben(reihen);
  for (auto _ : state) {
    for (const auto& funktion : kReferenzen) {
      funktion.rechnen(reihen, ausgaben);
      benchmark::DoNotOptimize(ausgaben);
      benchmark::ClobberMemory();
    }
  }
}

// Registers a benchmark for both record counts.
template <class... Argumente>
void Registriere(const std::string& name, benchmark::TimeUnit einheit, Argumente... argumente) {
  benchmark::RegisterBenchmark(name.c_str(), argumente...)->Unit(einheit)->Arg(10000)->Arg(100000);
}

const int kRegistriert = [] {
  for (const auto& typ : Indikatortypen())
    Registriere("BM_Berechnen/" + std::string(typ.Schluessel), benchmark::kMicrosecond,
                BM_Berechnen, typ.Schluessel);
  Registriere("BM_SatzBerechnen", benchmark::kMillisecond, BM_SatzBerechnen);
  Registriere("BM_AlleBerechnen", benchmark::kMillisecond, BM_AlleBerechnen);
  for (const auto& funktion : kReferenzen)
    Registriere("BM_Referenz/" + std::string(funktion.name), benchmark::kMicrosecond, BM_Referenz,
                &funktion);
  Registriere("BM_ReferenzAlle", benchmark::kMicrosecond, BM_ReferenzAlle);
  return 0;
}();

}  // namespace
}  // namespace morvane
