#include "app/fenster/dialoge_listen.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <memory>

#include "app/fenster/hauptfenster.h"
#include "core/datumtext.h"
#include "indicators/indvorlagen.h"
#include "portfolio/depotlisten.h"
#include "portfolio/ui/dialogexportieren.h"
#include "portfolio/ui/dialoglistenauswahl.h"
#include "portfolio/ui/listenfenster.h"
#include "store/einstellungen.h"

namespace morvane {
namespace {

struct TListenKontext {
  THauptfenster& fenster;
  TEinstellungen& einstellungen;
  // The print choice of all lists during this run.
  TDruckAuftrag auftrag;
};

// Shows the hourglass while `rechnen` runs.
template <class F>
auto MitSanduhr(F rechnen) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  struct TZurueck {
    ~TZurueck() { QApplication::restoreOverrideCursor(); }
  } zurueck;
  return rechnen();
}

void Zeigen(TListenKontext& k, TListenInhalt inhalt) {
  TListenFenster fenster(std::move(inhalt), k.auftrag, &k.fenster);
  fenster.exec();
}

std::optional<TListenWahl> Auswaehlen(TListenKontext& k, const TAuswahlArt& art) {
  TDialogListenAuswahl dialog(art, AuswahlKataloge(k.fenster.Verwaltung()), k.einstellungen,
                              &k.fenster);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Wahl();
}

TListenInhalt IndikatorInhalt(const std::string& titel, Kalendertag datum,
                              const TDepotIndListe& liste) {
  TListenInhalt inhalt{
      titel + " am " + KalendertagZuText(datum), {}, liste.Zeilen, liste.Uebersprungen};
  for (const std::string& s : liste.Spalten) {
    inhalt.Spalten.push_back(
        {s, inhalt.Spalten.empty() ? TDruckAusrichtung::Links : TDruckAusrichtung::Rechts});
  }
  return inhalt;
}

std::string GewaehlteID(const THauptfenster& fenster) {
  const auto id = fenster.Listen().GewaehlteID();
  if (!id) throw Exception("Es ist kein Wertpapier ausgewählt.");
  return *id;
}

void Transaktionen(TListenKontext& k) {
  const TWertpapier wp = k.fenster.Verwaltung().WertpapierLaden(GewaehlteID(k.fenster));
  Zeigen(k, ListenInhalt(WertpapierTransaktionen(wp)));
}

void DepotListe(TListenKontext& k, const TAuswahlArt& art) {
  const auto wahl = Auswaehlen(k, art);
  if (!wahl) return;
  const TWPVerwaltung& v = k.fenster.Verwaltung();
  const TDepotListe liste = MitSanduhr([&] {
    if (art.MitBestandOption)
      return DepotUebersicht(v, wahl->Kataloge, wahl->Datum, wahl->NurMitBestand);
    if (art.MitZeitraum) return Volatilitaet(v, wahl->Kataloge, wahl->Datum, wahl->Zeitraum);
    return DepotGewinne(v, wahl->Kataloge, wahl->Datum);
  });
  Zeigen(k, ListenInhalt(liste));
}

void IndikatorListe(TListenKontext& k, bool einzeln) {
  const TIndVorlagen& vorlagen = IndVorlagen(k.einstellungen);
  const std::string titel = einzeln ? "Depot-Einzelindikator" : "Depot-Indikatorsignale";
  const auto wahl = Auswaehlen(
      k, {"Katalogauswahl für " + titel, false, false, einzeln ? &vorlagen.Liste() : nullptr});
  if (!wahl) return;
  const TWPVerwaltung& v = k.fenster.Verwaltung();
  const TDepotIndListe liste = MitSanduhr([&] {
    return einzeln ? DepotEinzelindikator(v, vorlagen, wahl->Kataloge, wahl->Datum, wahl->Indikator)
                   : DepotIndikatorsignale(v, vorlagen, wahl->Kataloge, wahl->Datum);
  });
  Zeigen(k, IndikatorInhalt(titel, wahl->Datum, liste));
}

void Exportieren(TListenKontext& k, const std::vector<std::string>& ids, const std::string& name) {
  TDialogExportierenTextdatei dialog(&k.fenster);
  if (dialog.exec() != QDialog::Accepted) return;
  const QString vorschlag =
      QDir::home().filePath(QString::fromStdString(name) + QStringLiteral(".csv"));
  const QString datei =
      QFileDialog::getSaveFileName(&k.fenster, QStringLiteral("Kurse exportieren"), vorschlag,
                                   QStringLiteral("Textdateien (*.csv *.txt);;Alle Dateien (*)"));
  if (datei.isEmpty()) return;
  const auto uebersprungen = MitSanduhr([&] {
    return KurseExportieren(k.fenster.Verwaltung(), ids, dialog.Optionen(), datei.toStdString());
  });
  if (uebersprungen.empty()) return;
  QString text = QStringLiteral("Die Datei wurde geschrieben; diese Wertpapiere fehlen darin:");
  for (const std::string& grund : uebersprungen)
    text += QLatin1Char('\n') + QString::fromStdString(grund);
  QMessageBox::warning(&k.fenster, QStringLiteral("Exportieren"), text);
}

void KatalogExportieren(TListenKontext& k) {
  const TListenAuswahl& listen = k.fenster.Listen();
  const int zeile = k.fenster.KatalogPopupZeile();
  std::string katalog;
  if (zeile >= 0 && static_cast<std::size_t>(zeile) < listen.Kataloge().size()) {
    katalog = listen.Kataloge()[static_cast<std::size_t>(zeile)];
  } else if (const auto gewaehlt = listen.GewaehlteKataloge(); !gewaehlt.empty()) {
    katalog = gewaehlt.front();
  } else {
    throw Exception("Es ist kein Katalog ausgewählt.");
  }
  std::vector<std::string> ids;
  k.fenster.Verwaltung().WertpapiereAuflisten(katalog, ids);
  Exportieren(k, ids, katalog);
}

void WertpapierExportieren(TListenKontext& k) {
  const std::string id = GewaehlteID(k.fenster);
  Exportieren(k, {id}, k.fenster.Verwaltung().StammdatenLaden(id).Bezeichnung);
}

}  // namespace

void ListenVerbinden(THauptfenster& fenster, TEinstellungen& einstellungen) {
  auto k = std::make_shared<TListenKontext>(TListenKontext{fenster, einstellungen, {}});
  const auto drucker = InstallierteDrucker();
  k->auftrag.Pdf = drucker.empty();
  if (!drucker.empty()) k->auftrag.Drucker = drucker.front();
  k->auftrag.Datei = QDir::home().filePath(QStringLiteral("Liste.pdf")).toStdString();
  auto& b = fenster.Befehle();
  b.Verbinden(TMenuebefehl::ListenWPTransaktionen, [k] { Transaktionen(*k); });
  b.Verbinden(TMenuebefehl::ListenDepotUebersicht, [k] {
    DepotListe(*k, {"Katalogauswahl für Depot-Übersicht", true, false, nullptr});
  });
  b.Verbinden(TMenuebefehl::ListenDepotTransakt, [k] {
    DepotListe(*k, {"Katalogauswahl für Depot-Gewinne", false, false, nullptr});
  });
  b.Verbinden(TMenuebefehl::ListenVolatilitaet, [k] {
    DepotListe(*k, {"Volatilität der Wertpapiere", false, true, nullptr});
  });
  b.Verbinden(TMenuebefehl::ListenDepotSignale, [k] { IndikatorListe(*k, false); });
  b.Verbinden(TMenuebefehl::ListenDepotInd, [k] { IndikatorListe(*k, true); });
  b.Verbinden(TMenuebefehl::KatalogExportieren, [k] { KatalogExportieren(*k); });
  b.Verbinden(TMenuebefehl::WertpapierExportieren, [k] { WertpapierExportieren(*k); });
}

}  // namespace morvane
