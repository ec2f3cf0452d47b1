#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/datum.h"
#include "core/kurse.h"
#include "indicators/indliste.h"
#include "indicators/indvorlagen.h"
#include "store/wpverwaltung.h"

namespace morvane {

// Marker rows of the depot indicator lists.
inline constexpr std::string_view kKatalogTrenner = "-1";
inline constexpr std::string_view kListenende = "-2";
inline constexpr std::string_view kErsteSpalte = "Katalog / WP-Bezeichnung";
// Records the indicators see up to the chosen day.
inline constexpr int kDepotFenster = 200;

// An entry of the indicator set.
struct TIndWahl {
  int Gruppe = 1;
  int Index = 0;
  bool operator==(const TIndWahl&) const = default;
};

// The lines of the indicator choice: per group a heading, then the Titel of
// every entry, the aggregate last.
std::vector<std::string> IndikatorWahlZeilen(const TIndListe& liste);
// The entry of a line of that choice (c1, c2: entry counts of groups 1 and 2);
// none for a heading or a negative line.
std::optional<TIndWahl> IndikatorWahl(int zeile, int c1, int c2);

// Cuts the series to the last kDepotFenster records up to and including
// `datum`; false (series unchanged) when there is no record on that day.
bool KurseBisTag(TKurse& kurse, Kalendertag datum);

struct TDepotIndListe {
  // Header texts; the first column is left-aligned, the others right-aligned.
  std::vector<std::string> Spalten;
  std::vector<std::string> Zeilen;
  // Why each security that could not be loaded was left out (the store's
  // message, which names the file).
  std::vector<std::string> Uebersprungen;
};

// One column per entry of the set (its code), one row per security of the
// catalogs with every entry's signal on the day; sorted, catalogs separated.
TDepotIndListe DepotIndikatorsignale(const TWPVerwaltung& verwaltung, const TIndVorlagen& vorlagen,
                                     const std::vector<std::string>& kataloge, Kalendertag datum);
// The signal of one entry (a group aggregate over fresh copies of its group)
// per security, strongest buy signal first.
TDepotIndListe DepotEinzelindikator(const TWPVerwaltung& verwaltung, const TIndVorlagen& vorlagen,
                                    const std::vector<std::string>& kataloge, Kalendertag datum,
                                    TIndWahl wahl);

}  // namespace morvane
