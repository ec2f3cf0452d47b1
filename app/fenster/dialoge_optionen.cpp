#include "app/fenster/dialoge_optionen.h"

#include <QApplication>
#include <exception>

#include "app/fenster/behandlung.h"
#include "app/fenster/hauptfenster.h"
#include "app/optionen/dialogoptionen.h"
#include "online/zeitplaner.h"
#include "platform/hilfe.h"
#include "store/logbuch.h"
#include "store/wpverwaltung.h"
#include "zeitsteuerung/anwenden.h"

namespace morvane {
namespace {

// The help runs inside a dialog's own event loop, so its failure is shown
// there and never leaves through Qt.
THilfeAufruf Hilfe(THauptfenster& fenster, const std::string& programmverzeichnis,
                   const std::string& seite) {
  return [&fenster, programmverzeichnis, seite] {
    QWidget* modal = QApplication::activeModalWidget();
    TBehandlung(modal ? modal : &fenster)([&] { HilfeOeffnen(programmverzeichnis, seite); });
  };
}

TOptionenUmgebung Umgebung(THauptfenster& fenster, TEinstellungen& einstellungen,
                           const std::string& programmverzeichnis) {
  TOptionenUmgebung u;
  u.Programmverzeichnis = programmverzeichnis;
  u.Logdatei = TLogbuch(einstellungen).Dateiname();
  u.Kataloge = [&einstellungen] {
    std::vector<std::string> kataloge;
    TWPVerwaltung(einstellungen.Datenverzeichnis()).KatalogeAuflisten(kataloge);
    return kataloge;
  };
  u.Hilfe = Hilfe(fenster, programmverzeichnis, "erste-schritte.html#optionen");
  u.ZeitpunktHilfe = Hilfe(fenster, programmverzeichnis, "zeitsteuerung.html#einrichten");
  return u;
}

}  // namespace

void OptionenVerbinden(THauptfenster& fenster, TEinstellungen& einstellungen,
                       const std::string& programmverzeichnis) {
  ZeitplanerEinstecken(einstellungen);
  fenster.Befehle().Verbinden(
      TMenuebefehl::ExtrasOptionen, [&fenster, &einstellungen, programmverzeichnis] {
        if (!TDialogOptionen::Ausfuehren(&fenster, einstellungen, Zeitplaner(einstellungen),
                                         Umgebung(fenster, einstellungen, programmverzeichnis))) {
          return;
        }
        // The new options hold for this session even when the file cannot be
        // written; the failure is reported after the window has caught up.
        std::exception_ptr fehler;
        try {
          einstellungen.Speichern();
        } catch (...) {
          fehler = std::current_exception();
        }
        fenster.ListenNeuFuellen();
        fenster.GewaehltesWertpapierZeigen();
        if (fehler) std::rethrow_exception(fehler);
        // The scheduler reads the saved file: it is (re)started only after a save.
        TLogbuch logbuch(einstellungen);
        if (auto meldung =
                ZeitsteuerungAnwenden(programmverzeichnis, Zeitplaner(einstellungen), logbuch)) {
          throw Exception(*meldung);
        }
      });
}

}  // namespace morvane
