// The list window filled with a Depot-Übersicht of 1 000 securities, and a
// 1 000-row list printed into a PDF file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "platform/tabellendruck.h"
#include "portfolio/ui/listenfenster.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

QApplication& Anwendung() {
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QApplication anwendung(argc, argv);
  return anwendung;
}

// 1 000 overview rows in ten catalogs with separators and totals.
TListenInhalt Uebersicht() {
  TListenInhalt inhalt{"Depot-Übersicht am 05.05.2006", {}, {}, {}};
  for (const char* s : {"Katalog / WP-Bezeichnung", "Bestand", "Kurs", "GV-Grenze", "Marktwert",
                        "Buchgewinn", "in %"}) {
    inhalt.Spalten.push_back(
        {s, inhalt.Spalten.empty() ? TDruckAusrichtung::Links : TDruckAusrichtung::Rechts});
  }
  for (int i = 0; i < 1000; ++i) {
    if (i > 0 && i % 100 == 0) inhalt.Zeilen.emplace_back("-1");
    inhalt.Zeilen.push_back("Katalog " + std::to_string(i / 100) + " / Wertpapier " +
                            std::to_string(i) + "\t1.000\t12,34 EUR\t10,00 EUR\t12.340,00 EUR\t" +
                            (i % 3 ? "-1.234,00 EUR\t-9,09 %" : "2.340,00 EUR\t23,40 %"));
  }
  inhalt.Zeilen.insert(inhalt.Zeilen.end(),
                       {"-1", "\t\t\t\t12.340.000,00 EUR\t1.234,00 EUR\t0,01 %", "-2"});
  return inhalt;
}

void BM_ListenfensterFuellen(benchmark::State& state) {
  Anwendung();
  const TListenInhalt inhalt = Uebersicht();
  TDruckAuftrag auftrag;
  for (auto _ : state) {
    TListenFenster fenster(inhalt, auftrag);
    fenster.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(fenster.grab());
  }
}
BENCHMARK(BM_ListenfensterFuellen)->Unit(benchmark::kMillisecond);

void BM_ListeAlsPdf(benchmark::State& state) {
  Anwendung();
  const TListenInhalt inhalt = Uebersicht();
  test::TTempVerzeichnis verzeichnis;
  const TDruckAuftrag auftrag{true, "", verzeichnis.Datei("liste.pdf"), false};
  for (auto _ : state)
    ListeDrucken(inhalt.Titel, inhalt.Spalten, inhalt.Zeilen, auftrag);
}
BENCHMARK(BM_ListeAlsPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvane
