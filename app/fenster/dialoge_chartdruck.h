#pragma once

#include <functional>
#include <string>

class QWidget;

namespace morvane {

class THauptfenster;
class TEinstellungen;

// Asks for the PDF file a chart is printed into, proposing `vorschlag`;
// empty when the user cancels.
using TPdfDateiFrage = std::function<std::string(QWidget* eltern, const std::string& vorschlag)>;

// The save-file dialog "Chart als PDF-Datei speichern".
std::string PdfDateiErfragen(QWidget* eltern, const std::string& vorschlag);

// Connects "Chart drucken..." (toolbar and menu): the print dialog with the
// choice the settings remember, then the shown chart printed into its band
// on the chosen printer or into a PDF file named through `pdfDatei`. The
// printer and its properties are kept between prints while the window lives.
void ChartDruckVerbinden(THauptfenster& fenster, TEinstellungen& einstellungen,
                         const std::string& programmverzeichnis,
                         TPdfDateiFrage pdfDatei = PdfDateiErfragen);

}  // namespace morvane
