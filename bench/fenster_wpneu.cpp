// The create dialog over a templates file of 80 000 entries: one keystroke in
// its search field, from the changed text to the painted result list.
#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QTreeView>

#include "qtanwendung.h"
#include "store/ui/anlegezeilenmodell.h"
#include "store/ui/dialogwpanlegen.h"
#include "testhilfe/tempverzeichnis.h"
#include "vorlagenbenchdaten.h"

namespace morvane {
namespace {

// Types `text` up to its last character, from the text one shorter: the
// search the last keystroke starts, with the list painted.
void SuchfeldTippen(benchmark::State& state, const char* text) {
  bench::Anwendung();
  test::TTempVerzeichnis daten;
  TDialogWPAnlegen dialog(TWPVerwaltung(daten.Pfad()), {});
  dialog.Oeffnen(bench::Vorlagendatei());
  dialog.show();
  const QString ganz = QString::fromUtf8(text);
  QLineEdit& suchfeld = *dialog.Steuerelemente().SuchfeldEdit;
  QTreeView& liste = *dialog.Steuerelemente().ErgebnisListBox;
  for (auto _ : state) {
    state.PauseTiming();
    suchfeld.setText(ganz.chopped(1));
    state.ResumeTiming();
    suchfeld.setText(ganz);
    liste.viewport()->repaint();
  }
  state.counters["Zeilen"] = dialog.Ergebnis().rowCount();
  dialog.Schliessen();
}
BENCHMARK_CAPTURE(SuchfeldTippen, A, "A")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SuchfeldTippen, Akt, "Akt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SuchfeldTippen, Aktien, "Aktien")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SuchfeldTippen, ISIN, "DE00012")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvane
