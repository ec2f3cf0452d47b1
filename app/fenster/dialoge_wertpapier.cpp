#include "app/fenster/dialoge_wertpapier.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <memory>

#include "app/fenster/behandlung.h"
#include "app/fenster/hauptfenster.h"
#include "core/ui/dialogwpeigenschaften.h"
#include "core/ui/dialogwpkurstabelle.h"
#include "core/ui/dialogwpsplit.h"
#include "core/ui/dialogwptransaktionen.h"
#include "core/ui/katalogdialoge.h"
#include "platform/hilfe.h"
#include "platform/tabellendruck.h"
#include "platform/ui/dialogdrucken.h"
#include "store/katalogpflege.h"

namespace morvane {

namespace {

// The help anchor of each dialog's help context.
std::string HilfeSeite(int kontext) {
  switch (kontext) {
    case kHilfeWPTransaktionen:
    case kHilfeWPSplit:
      return "erste-schritte.html#transaktionen";
    case kHilfeKatalogUmbenennen:
      return "erste-schritte.html#kataloge";
    default:
      return "erste-schritte.html#wertpapiere";
  }
}

TWPDialogUmgebung Umgebung(THauptfenster& fenster, const std::string& programmverzeichnis) {
  TWPDialogUmgebung umgebung = StandardUmgebung();
  // The help runs inside a dialog's own event loop, so its failure is shown
  // there and never leaves through Qt.
  umgebung.Hilfe = [&fenster, programmverzeichnis](int kontext) {
    QWidget* eltern = QApplication::activeModalWidget();
    TBehandlung(eltern ? eltern
                       : &fenster)([&] { HilfeOeffnen(programmverzeichnis, HilfeSeite(kontext)); });
  };
  // One print choice for the session's security lists, kept between prints.
  auto auftrag = std::make_shared<TDruckAuftrag>();
  umgebung.Drucken = [auftrag](QWidget* dialog, const TDruckListe& liste) {
    if (!DruckEinstellungenAbfragen(dialog, *auftrag)) return;
    const TSanduhr sanduhr;
    ListeDrucken(liste.Titel, liste.Spalten, liste.Zeilen, *auftrag);
  };
  return umgebung;
}

// The catalog the catalog commands work on: the one under the last right
// click, else the only selected one.
std::string Katalog(const THauptfenster& fenster) {
  const int zeile = fenster.KatalogPopupZeile();
  const auto& kataloge = fenster.Listen().Kataloge();
  if (zeile >= 0 && static_cast<std::size_t>(zeile) < kataloge.size())
    return kataloge[static_cast<std::size_t>(zeile)];
  const auto gewaehlt = fenster.Listen().GewaehlteKataloge();
  if (gewaehlt.size() != 1) throw Exception("Bitte genau einen Katalog auswählen.");
  return gewaehlt.front();
}

std::string Wertpapier(const THauptfenster& fenster) {
  const auto id = fenster.Listen().GewaehlteID();
  if (!id) throw Exception("Bitte zuerst ein Wertpapier auswählen.");
  return *id;
}

// The security that stays selected when the selected row goes: the row
// below, else the row above.
std::string Nachfolger(const THauptfenster& fenster) {
  const auto& zeilen = fenster.Listen().Zeilen();
  const auto zeile = fenster.Listen().Zeile();
  if (!zeile) return {};
  if (*zeile + 1 < zeilen.size()) return zeilen[*zeile + 1].ID;
  return *zeile > 0 ? zeilen[*zeile - 1].ID : std::string();
}

// "Soll das Wertpapier ... gelöscht werden?" with Ja, Nein and Hilfe.
bool LoeschenBestaetigt(THauptfenster& fenster, const std::string& frage,
                        const TWPDialogUmgebung& umgebung) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigung"), UiText(frage),
                  QMessageBox::NoButton, &fenster);
  QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
  box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
  QPushButton* hilfe = box.addButton(QStringLiteral("&Hilfe"), QMessageBox::HelpRole);
  hilfe->disconnect();
  QObject::connect(hilfe, &QPushButton::clicked, &box,
                   [&umgebung] { umgebung.Hilfe(kHilfeWPLoeschen); });
  box.exec();
  return box.clickedButton() == ja;
}

void KatalogUmbenennen(THauptfenster& fenster, const TWPDialogUmgebung& umgebung) {
  const std::string alt = Katalog(fenster);
  TDialogKatalogUmbenennen dialog(&fenster, alt, umgebung);
  if (dialog.exec() != QDialog::Accepted || dialog.Name() == alt) return;
  try {
    fenster.Verwaltung().Umbenennen(alt, dialog.Name());
  } catch (const Exception& fehler) {
    throw Exception(std::string("Katalog konnte nicht umbenannt werden: ") + fehler.what());
  }
  fenster.ListenNeuFuellen({dialog.Name()}, fenster.Listen().GewaehlteID().value_or(""));
}

void KatalogeLoeschen(THauptfenster& fenster, const TWPDialogUmgebung& umgebung) {
  const auto kataloge = fenster.Listen().GewaehlteKataloge();
  if (kataloge.empty()) throw Exception("Bitte zuerst einen Katalog auswählen.");
  if (!umgebung.Frage(&fenster, KatalogeLoeschenFrage(kataloge))) return;
  {
    const TSanduhr sanduhr;
    try {
      for (const std::string& k : kataloge)
        fenster.Verwaltung().KatalogLoeschen(k);
    } catch (...) {
      fenster.ListenNeuFuellen();
      throw;
    }
    QThread::msleep(100);
  }
  fenster.ListenNeuFuellen({}, {});
}

void WertpapierLoeschen(THauptfenster& fenster, const TWPDialogUmgebung& umgebung) {
  const std::string id = Wertpapier(fenster);
  // The list's name, so that a file that no longer reads can still go.
  const std::string name = fenster.Listen().Zeilen().at(*fenster.Listen().Zeile()).Name;
  if (!LoeschenBestaetigt(fenster, WertpapierLoeschenFrage(name), umgebung)) return;
  const std::string naechstes = Nachfolger(fenster);
  fenster.Verwaltung().WertpapierLoeschen(id);
  fenster.ListenNeuFuellen(fenster.Listen().GewaehlteKataloge(), naechstes);
}

void KopierenVerschieben(THauptfenster& fenster, const TWPDialogUmgebung& umgebung) {
  const std::string id = Wertpapier(fenster);
  std::vector<std::string> kataloge;
  fenster.Verwaltung().KatalogeAuflisten(kataloge);
  TDialogWPKopierenVerschieben dialog(&fenster, kataloge, fenster.Verwaltung().KatalogAusID(id),
                                      umgebung);
  if (dialog.exec() != QDialog::Accepted) return;
  const std::string neu =
      WertpapierKopieren(fenster.Verwaltung(), id, dialog.Katalog(), dialog.Verschieben());
  fenster.ListenNeuFuellen(fenster.Listen().GewaehlteKataloge(), dialog.Verschieben() ? neu : id);
}

// Opens a dialog on the selected security; on OK the chart reloads it.
template <class Dialog, class... Args>
void AmWertpapier(THauptfenster& fenster, const TWPDialogUmgebung& umgebung, Args... args) {
  const std::string id = Wertpapier(fenster);
  Dialog dialog(&fenster, fenster.Verwaltung(), id, args..., umgebung);
  if (dialog.exec() == QDialog::Accepted) fenster.Feld().Aktualisiere(id);
}

}  // namespace

void WertpapierDialogeVerbinden(THauptfenster& fenster, TEinstellungen&,
                                const std::string& programmverzeichnis) {
  const TWPDialogUmgebung umgebung = Umgebung(fenster, programmverzeichnis);
  auto& befehle = fenster.Befehle();
  befehle.Verbinden(TMenuebefehl::WPEigenschaften, [&fenster, umgebung] {
    const std::string id = Wertpapier(fenster);
    if (WPEigenschaftenBearbeiten(&fenster, fenster.Verwaltung(), id, umgebung)) {
      fenster.Feld().Aktualisiere(id);
      fenster.ListenNeuFuellen();
    }
  });
  befehle.Verbinden(TMenuebefehl::WPKurstabelle, [&fenster, umgebung] {
    AmWertpapier<TDialogWPKurstabelle>(fenster, umgebung, HeuteBoersentag());
  });
  befehle.Verbinden(TMenuebefehl::WPTransaktionen, [&fenster, umgebung] {
    AmWertpapier<TDialogWPTransaktionen>(fenster, umgebung, HeuteBoersentag());
  });
  befehle.Verbinden(TMenuebefehl::WPAktiensplit, [&fenster, umgebung] {
    AmWertpapier<TDialogWPSplit>(fenster, umgebung, HeuteBoersentag());
  });
  befehle.Verbinden(TMenuebefehl::KatalogUmbenennen,
                    [&fenster, umgebung] { KatalogUmbenennen(fenster, umgebung); });
  befehle.Verbinden(TMenuebefehl::KatalogLoeschen,
                    [&fenster, umgebung] { KatalogeLoeschen(fenster, umgebung); });
  befehle.Verbinden(TMenuebefehl::WertpapierLoeschen,
                    [&fenster, umgebung] { WertpapierLoeschen(fenster, umgebung); });
  befehle.Verbinden(TMenuebefehl::WertpapierKopierenVerschieben,
                    [&fenster, umgebung] { KopierenVerschieben(fenster, umgebung); });
}

}  // namespace morvane
