#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/kurse.h"

namespace morvane {

// Result of reading a price file: the records read and, per rejected line,
// its number (1-based) and the reason.
struct TCsvImport {
  TKurse Kurse;
  int Uebernommen = 0;
  std::vector<std::pair<int, std::string>> Abgelehnt;
};

// Reads daily prices from CSV text. A first line naming the columns (Date or
// Datum, Open or Eröffnung, High or Hoch, Low or Tief, Close or Schluss, Kassa,
// Volume or Umsatz; any order, unknown columns ignored) is optional; without it
// the columns are date, open, high, low, close, volume. Separator ",", ";" or
// tab; dates ISO (2024-01-31) or German (31.01.2024); numbers with decimal point
// or comma, kept exactly as written. An empty cell or 0 is a missing value.
// A day that a line gave before is rejected; reasons quote a field with at
// most 60 characters.
TCsvImport CsvKurseLesen(std::string_view text);

// "<n> Kurse übernommen, <m> Zeilen abgelehnt." plus the first rejected lines.
std::string CsvImportBericht(const TCsvImport& ergebnis);

}  // namespace morvane
