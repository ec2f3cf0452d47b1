#include "app/fenster/dialoge_indikatoren.h"

#include <QApplication>

#include "app/fenster/behandlung.h"
#include "app/fenster/hauptfenster.h"
#include "indicators/indvorlagen.h"
#include "indicators/ui/dialogindikatorenanpassen.h"
#include "platform/hilfe.h"

namespace morvane {

void IndikatorenVerbinden(THauptfenster& fenster, TEinstellungen& einstellungen,
                          const std::string& programmverzeichnis) {
  // The help runs inside a dialog's own event loop, so its failure is shown
  // there and never leaves through Qt.
  const TIndHilfe hilfe = [programmverzeichnis, &fenster] {
    QWidget* dialog = QApplication::activeModalWidget();
    TBehandlung(dialog ? dialog : &fenster)(
        [&] { HilfeOeffnen(programmverzeichnis, "indikatoren.html#anpassen"); });
  };
  // The chart follows the new set even when saving it fails; the failure is
  // then reported by the handler's wrapper.
  fenster.Befehle().Verbinden(TMenuebefehl::AnsichtIndikatoren, [&fenster, &einstellungen, hilfe] {
    if (!IndikatorenAnpassen(&fenster, IndVorlagen(einstellungen), hilfe)) return;
    fenster.Feld().IndikatorenNeuBerechnen();
    einstellungen.Speichern();
  });
  // The indicator bar recomputes itself after this dialog, but not when saving
  // failed, so the chart is brought up to date before.
  fenster.IndikatorDialogVerbinden([&fenster, &einstellungen, hilfe](int gruppe, int index) {
    if (!IndikatorAnpassen(&fenster, IndVorlagen(einstellungen), gruppe, index, hilfe)) return;
    fenster.Feld().IndikatorenNeuBerechnen();
    einstellungen.Speichern();
  });
}

}  // namespace morvane
