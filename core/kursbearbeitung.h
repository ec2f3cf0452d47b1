#pragma once

#include <string>
#include <string_view>

#include "core/exception.h"
#include "core/kurse.h"

namespace morvane {

// Editing rules of the price dialogs (factor, delete range, price table) as
// model operations; the dialogs only call these.

MORVANE_EXCEPTION(EKursbearbeitung, Exception);

struct TKursZeitraum {
  Boersentag Von = 0;
  Boersentag Bis = 0;
};

// The dates the factor and delete dialogs are opened with: `bis` is the day of
// the selected table row, `von` the series' first date (or that same day when
// the series is empty or starts after it).
TKursZeitraum VorbelegterZeitraum(const TKurse& kurse, Boersentag zeile);

// Reads "von"/"bis" as calendar dates ("Ungültiges Datum angegeben!" when not
// valid or bis before von); a "von" off a trading day starts at the next one,
// a "bis" on a weekend ends on the Friday before.
TKursZeitraum ZeitraumLesen(std::string_view vonText, std::string_view bisText);

// The factor with 6 decimals, > 0, else "Es muss eine positive Zahl angegeben werden!".
double FaktorLesen(std::string_view text);

// Sets the fields `felder` of every record von..bis to 0; records left empty go.
void KurseLoeschen(TKurse& kurse, const TKursZeitraum& zeitraum, unsigned felder);

// First and last row day of the price table opened for day `tag`.
TKursZeitraum KurstabellenZeitraum(const TKurse& kurse, Boersentag tag);

// The field shown in price table column `spalte` (1 ... 6, see below).
TKursFeld KurstabellenFeld(int spalte);

// Applies an edit of the price table cell in `spalte` (1 Eroeffnung, 2 Hoch,
// 3 Tief, 4 Schluss, 5 Kassakurs, 6 Umsatz) for day `tag`. Returns false when
// the edit is not taken (bad text, out of range, or an invalid day).
bool KurszelleAendern(TKurse& kurse, Boersentag tag, int spalte, std::string_view text);

}  // namespace morvane
