#include "app/fenster/dialoge_kursaktu.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include "app/fenster/behandlung.h"
#include "app/fenster/hauptfenster.h"
#include "online/internetverbindung.h"
#include "online/konto.h"
#include "online/kursaktu.h"
#include "online/programmupdate.h"
#include "online/ui/dialogkursaktualisierung.h"
#include "online/ui/dialogkurslosewps.h"
#include "online/ui/fensterumgebung.h"
#include "platform/hilfe.h"
#include "store/logbuch.h"

namespace morvane {
namespace {

struct TKursaktuBefehl {
  THauptfenster& fenster;
  TEinstellungen& einstellungen;
  std::string programmverzeichnis;
  // As in the rest of the program, the store follows the settings' data
  // directory.
  TWPVerwaltung verwaltung;
};

// Shows the chart's security anew when the run changed it.
void NeueKurseZeigen(THauptfenster& fenster, const std::vector<std::string>& ids) {
  for (const std::string& id : ids)
    fenster.Feld().Aktualisiere(id);
  fenster.ScrollBar().setValue(fenster.Feld().ScrollPosition());
  fenster.Bereich().update();
}

void AusgangZeigen(THauptfenster& fenster, const TAktuErgebnis& ergebnis) {
  if (ergebnis.Ausgang != TAktuAusgang::OhneKurse) {
    QMessageBox::information(&fenster, QStringLiteral("Kursaktualisierung"),
                             QString::fromStdString(AusgangText(ergebnis.Ausgang)));
    return;
  }
  TDialogKursloseWPs dialog(OhneKurseZeilen(ergebnis.OhneKurse), &fenster);
  dialog.exec();
}

// One update of `ids`: the window is locked from the start of the run until
// the chart has taken the new prices.
void Aktualisieren(TKursaktuBefehl& b, const std::vector<std::string>& ids, bool tageskurse,
                   bool historisch) {
  // An unreadable konto.cfg stops the update before anything is locked.
  const TKonto konto = KontoLaden(b.programmverzeichnis);
  TLogbuch logbuch(b.einstellungen);
  TInternetVerbindung verbindung;
  TKursaktuKontext kontext{b.verwaltung, b.einstellungen, logbuch,
                           verbindung,   konto,           b.programmverzeichnis};
  TAktuErgebnis ergebnis;
  {
    THauptfenster& fenster = b.fenster;
    // Disabling moves the keyboard focus away; it comes back where it was.
    QPointer<QWidget> fokus;
    TFensterUmgebung umgebung(b.einstellungen, logbuch, verbindung, &fenster,
                              [&fenster, &fokus](bool gesperrt) {
                                if (gesperrt) fokus = fenster.focusWidget();
                                fenster.setEnabled(!gesperrt);
                                if (!gesperrt && fokus) fokus->setFocus();
                              });
    ergebnis = KursaktuMitUpdate(kontext, umgebung, ids, tageskurse, historisch,
                                 ProgrammUpdateFuer(kontext, umgebung));
    NeueKurseZeigen(fenster, ids);
  }
  AusgangZeigen(b.fenster, ergebnis);
}

void Kursaktualisierung(TKursaktuBefehl& b) {
  std::vector<std::string> kataloge;
  b.verwaltung.KatalogeAuflisten(kataloge);
  // The help runs inside the dialog's own event loop: its failure is shown
  // there and never leaves through Qt.
  const auto hilfe = [&b] {
    QWidget* modal = QApplication::activeModalWidget();
    TBehandlung(modal ? modal : &b.fenster)(
        [&] { HilfeOeffnen(b.programmverzeichnis, "kursquellen.html#aktualisierung"); });
  };
  const auto wahl = KursaktuWahlAbfragen(&b.fenster, std::move(kataloge), b.einstellungen, hilfe);
  if (!wahl) return;
  Aktualisieren(b, KatalogIDs(b.verwaltung, wahl->Kataloge), wahl->Tageskurse, wahl->Historisch);
}

// "Tageskurse" / "Historische Kurse" of a popup: the selected catalogs' or
// the selected security's prices, by the popup that was opened.
void AusPopup(TKursaktuBefehl& b, bool tageskurse) {
  const TListenAuswahl& listen = b.fenster.Listen();
  std::vector<std::string> ids;
  if (b.fenster.KatalogPopupZuletzt()) {
    const std::vector<std::string> kataloge = listen.GewaehlteKataloge();
    if (kataloge.empty()) throw Exception("Es ist kein Katalog ausgewählt.");
    ids = KatalogIDs(b.verwaltung, kataloge);
  } else if (const auto id = listen.GewaehlteID()) {
    ids = {*id};
  } else {
    throw Exception("Es ist kein Wertpapier ausgewählt.");
  }
  Aktualisieren(b, ids, tageskurse, !tageskurse);
}

}  // namespace

void KursaktuVerbinden(THauptfenster& fenster, TEinstellungen& einstellungen,
                       const std::string& programmverzeichnis) {
  auto b = std::make_shared<TKursaktuBefehl>(TKursaktuBefehl{
      fenster, einstellungen, programmverzeichnis,
      TWPVerwaltung([&einstellungen] { return einstellungen.Datenverzeichnis(); })});
  auto& befehle = fenster.Befehle();
  befehle.Verbinden(TMenuebefehl::WertpapierKursaktu, [b] { Kursaktualisierung(*b); });
  befehle.Verbinden(TMenuebefehl::Tageskurse, [b] { AusPopup(*b, true); });
  befehle.Verbinden(TMenuebefehl::HistorischeKurse, [b] { AusPopup(*b, false); });
}

}  // namespace morvane
