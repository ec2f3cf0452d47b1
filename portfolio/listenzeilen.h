#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/datum.h"
#include "core/wertpapier.h"
#include "portfolio/depotlisten.h"
#include "store/wpverwaltung.h"

namespace morvane {

// Building blocks shared by the depot lists.

// A text as one cell: tabs and line breaks would split or break the row, so
// they become blanks.
std::string Zelle(std::string_view text);
// "1 234,56 EUR"
std::string BetragText(double betrag, std::string_view waehrung);
// A fraction as percent with `dezimalen` decimals: "12,34 %".
std::string ProzentText(double anteil, int dezimalen = 2);
// Quantity without ",00": "10", "1,50", "0,3333".
std::string StueckText(double stueck);
// "Katalog / Bezeichnung", the first cell of the catalog-based lists.
std::string GruppenText(const TWPStammdaten& wertpapier);
// The cells joined by tabs.
std::string Zeile(std::initializer_list<std::string> zellen);
// Appends the cells to a row, each after a tab.
void Anhaengen(std::string& zeile, std::initializer_list<std::string> zellen);

// Columns with these titles: the first left-aligned, all others right.
std::vector<TListenSpalte> Spalten(std::initializer_list<std::string_view> titel);
// "<name> am dd.mm.yyyy"
std::string ListenTitel(std::string_view name, Kalendertag datum);

// Builds the row of one security, or none to leave it out.
using TZeilenBauer = std::function<std::optional<std::string>(const TWertpapier&)>;

// Loads every security of the catalogs (sorted, each once) one after the
// other, builds its row, and returns the rows sorted without regard to case,
// with a separator before every change of catalog. A security that cannot be
// loaded gets no row; the store's message is appended to `uebersprungen`.
std::vector<std::string> KatalogZeilen(const TWPVerwaltung& verwaltung,
                                       const std::vector<std::string>& kataloge,
                                       const TListenFortschritt& fortschritt,
                                       std::vector<std::string>& uebersprungen,
                                       const TZeilenBauer& bauen);

// Inserts a separator before every row whose catalog (the text before the
// first " / ") differs from that of the row before it.
void KatalogTrennen(std::vector<std::string>& zeilen);

}  // namespace morvane
