// An update run over 500 securities, one page per security from a local
// server, merged into securities holding ten years of prices each; and its
// parts: the downloads alone and the merging alone.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <sstream>

#include "core/datumtext.h"
#include "core/wertpapier.h"
#include "online/internetverbindung.h"
#include "online/konsolenumgebung.h"
#include "online/konto.h"
#include "online/kursaktulauf.h"
#include "online/quellendatei.h"
#include "store/einstellungen.h"
#include "store/logbuch.h"
#include "store/wpverwaltung.h"
#include "testhilfe/serverprozess.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

constexpr int kWertpapiere = 500;
constexpr int kGespeicherteTage = 2500;  // about ten years
constexpr int kSeitenTage = 20;          // a month per page

const char* const kSkript =
    "datensatz\n datum(format \"TT.MM.JJJJ\") position(spalte +1)\n"
    " eröffnung(trennzeichen \";\") höchst(trennzeichen \";\") tiefst(trennzeichen \";\")\n"
    " schluss(trennzeichen \";\") umsatz(trennzeichen \";\")\nende\n";

TKurs Kurs(Boersentag tag, double basis) {
  return {tag, 0, basis, basis * 1.01, basis * 1.02, basis * 0.98, 1000};
}

// Program and data directory, the pages and a server for them, made once.
struct TBestand {
  test::TTempVerzeichnis tmp;
  std::vector<std::string> ids;
  std::unique_ptr<test::TServerProzess> server;

  TBestand() {
    const Boersentag ende = BoersentagAusDatum(1, 12, 2026);
    TWPVerwaltung verwaltung(tmp.Pfad() + "daten/");
    std::filesystem::create_directories(tmp.Pfad() + "daten/Depot");
    for (int i = 0; i < kWertpapiere; ++i) {
      TWertpapier wp;
      wp.Bezeichnung = "Aktie " + std::to_string(i);
      wp.WKN = "W" + std::to_string(100000 + i);
      wp.KursquellenManuell = true;
      wp.QuelleAktuell[0] = "Internet: Seiten";
      wp.Kurse.Anhaengen(kGespeicherteTage, [&, n = 0](TKurs& k) mutable {
        k = Kurs(ende - kGespeicherteTage + n++, 50 + i % 50);
      });
      ids.push_back(tmp.Pfad() + "daten/Depot/" + wp.Bezeichnung + ".mv3");
      verwaltung.WertpapierSpeichern(ids.back(), wp);
      std::string seite;
      for (int t = 1; t <= kSeitenTage; ++t) {
        const TKurs k = Kurs(ende + t, 51 + i % 50);
        seite += BoersentagZuText(k.Datum) + ';' + std::to_string(k.Eroeffnung) + ';' +
                 std::to_string(k.Hoch) + ';' + std::to_string(k.Tief) + ';' +
                 std::to_string(k.Schluss) + ";1000\n";
      }
      tmp.Schreibe("www/" + wp.WKN + ".txt", seite);
    }
    server = std::make_unique<test::TServerProzess>(std::vector<std::string>{
        "python3", test::ServerSkript("kursseiten.py"), tmp.Pfad() + "www"});
    TQuelle quelle;
    quelle.Art = qaInternet;
    quelle.Name = "Seiten";
    quelle.UrlVorlage = "http://127.0.0.1:" + server->Port() + "/<wkn>.txt";
    quelle.Seitentyp = 0;
    quelle.Script = kSkript;
    QuellendateiSchreiben(tmp.Datei("Quellen35.mvq"), {quelle}, TQuellenKopf::Programm, 0);
    QuellendateiSchreiben(tmp.Datei("anwender.mvq"), {}, TQuellenKopf::Persoenlich, 0);
  }
};

TBestand& Bestand() {
  static TBestand bestand;
  return bestand;
}

// The console surroundings, adding up the time spent in downloads.
struct TMessUmgebung : TKonsolenUmgebung {
  using TKonsolenUmgebung::TKonsolenUmgebung;
  std::chrono::steady_clock::duration abrufe{};
  TSeitenabruf Abrufen(const std::string& anfrage, const std::string& agent,
                       const std::function<void(std::string_view)>& senke) override {
    const auto start = std::chrono::steady_clock::now();
    TSeitenabruf abruf = TKonsolenUmgebung::Abrufen(anfrage, agent, senke);
    abrufe += std::chrono::steady_clock::now() - start;
    return abruf;
  }
};

void BM_Kursaktualisierung500(benchmark::State& state) {
  TBestand& b = Bestand();
  TEinstellungen einstellungen(b.tmp.Pfad());
  einstellungen.Protokollieren = false;
  TLogbuch logbuch(einstellungen);
  TWPVerwaltung verwaltung(b.tmp.Pfad() + "daten/");
  TInternetVerbindung verbindung;
  const TKonto konto;
  std::ostringstream aus;
  TMessUmgebung umgebung(aus, einstellungen, logbuch);
  TKursaktuKontext kontext{verwaltung, einstellungen, logbuch, verbindung, konto, b.tmp.Pfad()};
  std::size_t ohne = 0;
  for (auto _ : state) {
    aus.str("");
    ohne += KursaktuMitUpdate(kontext, umgebung, b.ids, true, false).OhneKurse.size();
  }
  if (ohne != 0) state.SkipWithError("Wertpapiere ohne Kurse");
  state.counters["Downloads_s"] = std::chrono::duration<double>(umgebung.abrufe).count() /
                                  static_cast<double>(state.iterations());
}
BENCHMARK(BM_Kursaktualisierung500)->Unit(benchmark::kMillisecond)->UseRealTime();

// The merging alone: every security's stored prices read (for the jump check)
// and the page's month merged under the file lock.
void BM_Mischen500(benchmark::State& state) {
  TBestand& b = Bestand();
  TWPVerwaltung verwaltung(b.tmp.Pfad() + "daten/");
  TKurse neu;
  for (int t = 1; t <= kSeitenTage; ++t)
    neu.Setze(Kurs(BoersentagAusDatum(1, 12, 2026) + t, 51), TSetzModus::Mischen);
  for (auto _ : state) {
    for (const std::string& id : b.ids) {
      benchmark::DoNotOptimize(verwaltung.KurseLaden(id));
      verwaltung.KurseMischen(id, neu);
    }
  }
}
BENCHMARK(BM_Mischen500)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace morvane
