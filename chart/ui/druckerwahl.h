#pragma once

#include <QString>

#include "grafik/drucktabelle.h"

class QComboBox;
class QPrinter;

namespace morvane {

// The printer choice on its own, so that every print dialog offers the same
// list: the installed printers and, always, "PDF-Datei" (kPdfDatei).
// The name `drucker` stands for: "PDF-Datei" while it writes a PDF, else its
// printer's name.
QString DruckerName(const QPrinter& drucker);

// Fills `liste` with the installed printers and "PDF-Datei" last, and selects
// `aktuell`, else the system's default printer, else "PDF-Datei".
void DruckerListeFuellen(QComboBox& liste, const QString& aktuell);

// Points `drucker` at a name of the list: "PDF-Datei" makes it write a PDF
// (the file is named later), any other name selects that printer.
void DruckerWaehlen(QPrinter& drucker, const QString& name);

}  // namespace morvane
