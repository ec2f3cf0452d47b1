#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/exception.h"
#include "core/wpstammdaten.h"
#include "store/wertpapiervorlagen.h"

namespace morvane {

MORVANE_EXCEPTION(EWPAnlegen, Exception);

class TWPVerwaltung;

// The rules of creating securities, from the templates or by hand.

// The exchange filter of the template search: "Alle" first, then the exchange
// list, so item i > 0 stands for exchange code i - 1.
inline constexpr int kFilterAlle = 0;
std::vector<std::string> BoersenFilter();

// Which of the three template searches a search text runs: the ISIN search
// for more than 6 characters starting with two ASCII letters, the WKN search
// for more than 2 starting with three digits, the name search for more than 2.
struct TSuchregeln {
  bool ISIN = false;
  bool WKN = false;
  bool Name = false;
  friend bool operator==(const TSuchregeln&, const TSuchregeln&) = default;
};
TSuchregeln SuchregelnFuer(std::string_view text);

// The entries of category `kategorie` when one is chosen, else those the
// search text finds; an entry found by two rules is listed twice.
TWertpapierVorlagen::TListe VorlagenFinden(TWertpapierVorlagen& vorlagen,
                                           std::optional<std::size_t> kategorie,
                                           std::string_view text);

// One row of the result list: a template entry on one exchange (code 0: none).
// Rows stay small, as a short search text can find every entry.
struct TAnlegeZeile {
  const TWertpapierEintrag* Eintrag = nullptr;
  int Boerse = 0;
};
// The security a row creates: name and codes from the entry, the row's
// exchange, the entry's comment with "; " and the exchange symbol (unless it is
// "x"), an index as type Index in "Punkte", everything else in EUR.
TWPStammdaten ZeilenStammdaten(const TAnlegeZeile& zeile);
// The row's columns: comment, exchange, name, WKN, ISIN.
inline constexpr int kZeilenSpalten = 5;
std::array<std::string, kZeilenSpalten> ZeilenSpalten(const TAnlegeZeile& zeile);

// One row per exchange of every entry that passes `filter` (an index of
// BoersenFilter()): the row without exchange for an entry traded nowhere, one
// row per exchange where it has a symbol.
std::vector<TAnlegeZeile> AnlegeZeilen(const TWertpapierVorlagen::TListe& eintraege, int filter);

// The enabling rules of the two create buttons; blank means empty after
// trimming.
bool AusListeAnlegbar(std::size_t markierteZeilen, std::string_view katalog);
bool ManuellAnlegbar(std::string_view name, std::string_view isin, std::string_view wkn,
                     std::string_view katalog);

// Creates each security in `katalog` under a new ID, in order. The first one
// that fails stops the run with EWPAnlegen naming it and its position; those
// before it stay created. Returns the new IDs.
std::vector<std::string> WertpapiereAnlegen(const TWPVerwaltung& verwaltung,
                                            const std::string& katalog,
                                            const std::vector<TWPStammdaten>& wertpapiere);

}  // namespace morvane
