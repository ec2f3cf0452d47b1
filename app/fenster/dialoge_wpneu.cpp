#include "app/fenster/dialoge_wpneu.h"

#include <QApplication>
#include <filesystem>
#include <memory>

#include "app/fenster/behandlung.h"
#include "app/fenster/hauptfenster.h"
#include "platform/hilfe.h"
#include "store/einstellungen.h"
#include "store/ui/dialogwpanlegen.h"
#include "store/wpverwaltung.h"

namespace morvane {

std::string VorlagendateiFinden(const std::string& programmverzeichnis,
                                const std::string& programmpfad) {
  namespace fs = std::filesystem;
  const fs::path datei(kVorlagendatei);
  const fs::path kandidaten[] = {fs::path(programmverzeichnis) / datei,
                                 fs::path(programmpfad) / datei,
                                 fs::path(programmpfad) / ".." / "share" / "morvane" / datei};
  for (const fs::path& kandidat : kandidaten) {
    std::error_code fehler;
    if (fs::is_regular_file(kandidat, fehler)) return kandidat.lexically_normal().string();
  }
  return kandidaten[0].lexically_normal().string();
}

void WPNeuVerbinden(THauptfenster& fenster, TEinstellungen& einstellungen,
                    const std::string& programmverzeichnis) {
  // The help runs inside the dialog's own event loop: its failure is shown
  // there and never leaves through Qt.
  auto hilfe = [programmverzeichnis, &fenster] {
    QWidget* ueber = QApplication::activeModalWidget();
    TBehandlung(ueber ? ueber : &fenster)(
        [&] { HilfeOeffnen(programmverzeichnis, "erste-schritte.html#neu"); });
  };
  // One dialog for the program's life, owned by the window.
  auto* dialog = new TDialogWPAnlegen(
      TWPVerwaltung([&einstellungen] { return einstellungen.Datenverzeichnis(); }),
      std::move(hilfe), &fenster);
  fenster.Befehle().Verbinden(TMenuebefehl::WertpapierNeu, [&fenster, dialog, programmverzeichnis] {
    dialog->Ausfuehren(
        VorlagendateiFinden(programmverzeichnis, QApplication::applicationDirPath().toStdString()));
    fenster.ListenNeuFuellen();
  });
}

}  // namespace morvane
