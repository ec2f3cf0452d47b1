#pragma once

#include <string>
#include <vector>

#include "core/exception.h"
#include "grafik/drucktabelle.h"

namespace morvane {

MORVANE_EXCEPTION(EDruck, Exception);

// Where and how a print job goes: an installed printer by name, or a PDF file
// (no printer needed).
struct TDruckAuftrag {
  bool Pdf = true;
  std::string Drucker;
  std::string Datei;
  bool Querformat = false;
};

// Resolution of the PDF pages (pixels per inch).
inline constexpr int kPdfAufloesung = 600;

// Prints the table as one job named `dokument`. A PDF is made in memory and
// then written atomically, so a failed job leaves no half file and an older
// file as it was. Throws EDruck with a German reason (naming the file or the
// printer). Needs a QGuiApplication.
void TabelleDrucken(TDruckTabelle& tabelle, const TDruckAuftrag& auftrag,
                    const std::string& dokument = "Morvane");

// The list-printing convention in one call: title, the columns with their
// captions and alignment, the rows ("-1" a rule, "-2" left out).
void ListeDrucken(const std::string& titel, const std::vector<TDruckSpalte>& spalten,
                  const std::vector<std::string>& zeilen, const TDruckAuftrag& auftrag);

// The installed printers by name, the default one first; empty without any.
std::vector<std::string> InstallierteDrucker();

}  // namespace morvane
