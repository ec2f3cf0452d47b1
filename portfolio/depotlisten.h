#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/datum.h"
#include "core/exception.h"
#include "core/kurse.h"
#include "core/wertpapier.h"
#include "store/wpverwaltung.h"

namespace morvane {

MORVANE_EXCEPTION(EDepotListe, Exception);

// Rows of the depot lists. Every row is one text whose cells are separated by
// tabs; two marker rows carry no data: kTrennzeile is drawn as a separator
// line (between catalog groups and above the totals), kSchlusszeile as the
// closing line under the totals. List windows and printouts show these rows
// as they are.
inline constexpr std::string_view kTrennzeile = "-1";
inline constexpr std::string_view kSchlusszeile = "-2";

enum class TAusrichtung { Links, Rechts, Zentriert };

struct TListenSpalte {
  std::string Titel;
  TAusrichtung Ausrichtung = TAusrichtung::Links;
  friend bool operator==(const TListenSpalte&, const TListenSpalte&) = default;
};

struct TDepotListe {
  // Caption of the list window and title of its printout.
  std::string Titel;
  std::vector<TListenSpalte> Spalten;
  std::vector<std::string> Zeilen;
  // Why each security that could not be loaded was left out (the store's
  // message, which names the file); the list goes on without it.
  std::vector<std::string> Uebersprungen;
};

// The line that tells the user (standard error, log book) about a security
// left out of a list or listing: "Wertpapier übersprungen: " + grund.
std::string UebersprungenText(std::string_view grund);

// Called after each security of a catalog-based list with the number done and
// the number of securities found, so that a window can show progress.
using TListenFortschritt = std::function<void(int erledigt, int gesamt)>;

// The transaction history of one security with running holding, cash flow and
// realised results, closed by a total row.
TDepotListe WertpapierTransaktionen(const TWertpapier& wertpapier);

// The catalog-based lists evaluate every security of `kataloge` (taken in
// sorted order) on `datum`; a Saturday or Sunday evaluates on the Friday
// before. Each security is loaded, evaluated and freed before the next one.
// A security that cannot be loaded is left out and its reason kept in
// Uebersprungen; failures of the catalogs themselves leave as EWPVerwaltung.

// Holding, price, break-even price, market value and book gain per security,
// with totals per currency. `nurMitBestand` leaves out securities not held.
TDepotListe DepotUebersicht(const TWPVerwaltung& verwaltung,
                            const std::vector<std::string>& kataloge, Kalendertag datum,
                            bool nurMitBestand, const TListenFortschritt& fortschritt = {});

// Cash flow, market value, realised, book and total gain of every security
// that has been held, with totals per currency.
TDepotListe DepotGewinne(const TWPVerwaltung& verwaltung, const std::vector<std::string>& kataloge,
                         Kalendertag datum, const TListenFortschritt& fortschritt = {});

// Mean relative daily change of the close over at most `zeitraum` trading
// days up to the evaluation day. Throws EDepotListe "Ungültigen
// Berechnungszeitraum eingegeben!" for a period below 1.
TDepotListe Volatilitaet(const TWPVerwaltung& verwaltung, const std::vector<std::string>& kataloge,
                         Kalendertag datum, int zeitraum,
                         const TListenFortschritt& fortschritt = {});

// Mean of |S - S_prev| / S_prev over the known closes of the records from
// tag - zeitraum to tag; none when fewer than two closes are known.
std::optional<double> MittlereTagesaenderung(const TKurse& kurse, Boersentag tag, int zeitraum);

// Inputs of the selection dialogs.

// Every catalog of the store, sorted by name without regard to case.
std::vector<std::string> AuswahlKataloge(const TWPVerwaltung& verwaltung);
// The list date as typed; throws EDepotListe "Ungültiges Datum eingegeben!".
Kalendertag ListenDatumLesen(std::string_view text);
// Default text of the volatility period field.
inline constexpr std::string_view kStandardZeitraum = "150";
// The volatility period as typed, an integer above 0; throws EDepotListe
// "Ungültigen Berechnungszeitraum eingegeben!".
int BerechnungszeitraumLesen(std::string_view text);

}  // namespace morvane
