#include "app/fenster/dialoge_chartdruck.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrinter>
#include <memory>

#include "app/fenster/behandlung.h"
#include "app/fenster/hauptfenster.h"
#include "chart/chartdruck.h"
#include "chart/chartfeld.h"
#include "chart/ui/dialogdruckenchart.h"
#include "platform/druckchart.h"
#include "platform/hilfe.h"
#include "store/einstellungen.h"

namespace morvane {
namespace {

// A file name safe to propose: the security's name without path separators.
std::string Vorschlag(const std::string& bezeichnung) {
  std::string name = bezeichnung.empty() ? std::string("Chart") : bezeichnung;
  for (char& c : name)
    if (c == '/' || c == '\\') c = '_';
  return QDir::home().filePath(QString::fromStdString(name + ".pdf")).toStdString();
}

// Points a PDF printer at the file the user names; false when cancelled.
bool PdfZielWaehlen(QWidget* eltern, QPrinter& drucker, const std::string& bezeichnung,
                    const TPdfDateiFrage& frage) {
  std::string datei = frage(eltern, Vorschlag(bezeichnung));
  if (datei.empty()) return false;
  if (!QString::fromStdString(datei).endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
    datei += ".pdf";
  drucker.setOutputFileName(QString::fromStdString(datei));
  return true;
}

}  // namespace

std::string PdfDateiErfragen(QWidget* eltern, const std::string& vorschlag) {
  return QFileDialog::getSaveFileName(eltern, QStringLiteral("Chart als PDF-Datei speichern"),
                                      QString::fromStdString(vorschlag),
                                      QStringLiteral("PDF-Dateien (*.pdf)"))
      .toStdString();
}

void ChartDruckVerbinden(THauptfenster& fenster, TEinstellungen& einstellungen,
                         const std::string& programmverzeichnis, TPdfDateiFrage pdfDatei) {
  auto drucker = std::make_shared<QPrinter>(QPrinter::HighResolution);
  fenster.Befehle().Verbinden(TMenuebefehl::WertpapierChartDrucken, [&fenster, &einstellungen,
                                                                     programmverzeichnis, pdfDatei,
                                                                     drucker] {
    const TWertpapier* wertpapier = fenster.Feld().Wertpapier();
    if (!wertpapier)
      throw EDruckChart("Es ist kein Wertpapier ausgewählt, dessen Chart gedruckt werden könnte.");
    // The help runs inside the dialog's own event loop and reports there.
    const THilfe hilfe = [programmverzeichnis, &fenster](int) {
      QWidget* modal = QApplication::activeModalWidget();
      TBehandlung(modal ? modal : &fenster)(
          [&] { HilfeOeffnen(programmverzeichnis, "chart.html#drucken"); });
    };
    TDruckWahl wahl = DruckWahlLesen(einstellungen);
    if (!ChartDruckWaehlen(&fenster, wahl, *drucker, hilfe)) return;
    DruckWahlSchreiben(einstellungen, wahl);
    if (drucker->outputFormat() == QPrinter::PdfFormat &&
        !PdfZielWaehlen(&fenster, *drucker, wertpapier->Bezeichnung, pdfDatei))
      return;
    const TSanduhr sanduhr;
    TDruckChart::Drucke(*drucker, fenster.Feld(), wahl, einstellungen.Titel());
  });
}

}  // namespace morvane
