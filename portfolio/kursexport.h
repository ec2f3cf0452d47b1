#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/datum.h"
#include "core/exception.h"
#include "core/wertpapier.h"
#include "store/wpverwaltung.h"

namespace morvane {

MORVANE_EXCEPTION(EKursExport, Exception);

// What the text export writes.
struct TExportOptionen {
  std::string Trennzeichen = "\t";
  bool ISIN = true;
  bool WKN = false;
  bool Name = true;
  // Only the last price of each security, else the prices from Von to Bis.
  bool NurLetzterKurs = true;
  Kalendertag Von = 0;
  Kalendertag Bis = 0;
};

// The entries of the options dialog as typed.
struct TExportEingabe {
  std::string Trennzeichen;
  bool ISIN = false;
  bool WKN = false;
  bool Name = false;
  bool NurLetzterKurs = true;
  std::string Von;
  std::string Bis;
};

// The field a refused entry belongs to, for the dialog's focus.
enum class TExportFeld { Trennzeichen, ISIN, Von, Bis };

struct TExportFehler {
  TExportFeld Feld;
  std::string Meldung;
};

// The offered separators with their captions; any other text is the
// separator as typed.
inline constexpr std::string_view kTrennzeichenTexte[] = {"Tabulator", "Strichpunkt (;)",
                                                          "Leerzeichen"};

// Checks the entries in the dialog's order (separator, identifying columns,
// dates); on success fills `optionen`, else returns the first refusal.
std::optional<TExportFehler> ExportEingabePruefen(const TExportEingabe& eingabe,
                                                  TExportOptionen& optionen);

// The export text: one header line, then one line per price of every
// security, UTF-8, cells joined by the separator. Dates read "05.01.2026",
// numbers "1234,5" (no grouping, as exact as stored); a missing price is an
// empty cell. A cell holding the separator, a quote or a line break is put in
// double quotes, its quotes doubled.
std::string KurseAlsText(const std::vector<const TWertpapier*>& wertpapiere,
                         const TExportOptionen& optionen);

// Exports the securities `ids` into the file `pfad` (atomically: on failure
// the old file stays and no half file is left). A security that cannot be
// loaded is left out; its reason is returned. Throws EKursExport with the
// German reason when the file cannot be written.
std::vector<std::string> KurseExportieren(const TWPVerwaltung& verwaltung,
                                          const std::vector<std::string>& ids,
                                          const TExportOptionen& optionen, const std::string& pfad);

}  // namespace morvane
