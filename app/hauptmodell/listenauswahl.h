#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "store/wpverwaltung.h"

namespace morvane {

// One row of the security list: the security's ID and the name it shows.
struct TWertpapierZeile {
  std::string ID;
  std::string Name;
};

// The state of the main window's two lists: the sorted catalogs with their
// (multiple) selection and the securities of the selected catalogs with their
// (single) selection, and the rules that move between them. The widgets only
// show this state and report the user's clicks back.
//
// Every operation that reads the store either completes or leaves the state as
// it was, so that a failure reported to the user keeps the lists as they were.
// The store is not owned and must outlive this object.
class TListenAuswahl {
 public:
  explicit TListenAuswahl(const TWPVerwaltung& verwaltung);

  const std::vector<std::string>& Kataloge() const { return kataloge_; }
  bool KatalogGewaehlt(std::size_t i) const { return gewaehlt_.at(i); }
  std::vector<std::string> GewaehlteKataloge() const;
  // The selection the user made in the catalog list.
  void SetzeKatalogauswahl(const std::vector<bool>& gewaehlt);
  void WaehleNurKatalog(std::size_t i);

  const std::vector<TWertpapierZeile>& Zeilen() const { return zeilen_; }
  std::optional<std::size_t> Zeile() const { return zeile_; }
  void WaehleZeile(std::optional<std::size_t> zeile);
  // The ID of the selected row, if any.
  std::optional<std::string> GewaehlteID() const;

  // Reads the catalogs anew, sorted, keeping the selection of those still there.
  void KatalogeFuellen();
  // Reads the securities of the selected catalogs anew, sorted by name,
  // keeping the selected ID when it is still listed. A security whose master
  // data cannot be read is listed under its file name; the store's message is
  // added to `hinweise`, so that no security disappears from view unnoticed.
  void WertpapiereFuellen(std::vector<std::string>& hinweise);

  // After start: selects the named catalogs, else the first one; fills the
  // securities and selects the named ID, else the first row. True when a row
  // is selected then (the caller shows it).
  bool Wiederherstellen(const std::vector<std::string>& offeneKataloge,
                        const std::vector<std::string>& offenesWertpapier,
                        std::vector<std::string>& hinweise);
  // After the user changed the catalog selection: fills the securities and
  // selects the first row when none is selected. True when a row is selected.
  bool KatalogeGeaendert(std::vector<std::string>& hinweise);

  // The next security: the row below, else the first row of the next catalog
  // below the last selected one that holds securities (selected alone). False
  // when there is none; nothing changes then.
  bool Naechstes(std::vector<std::string>& hinweise);
  // The previous security: the row above, else the last row of the next
  // catalog above the first selected one that holds securities.
  bool Voriges(std::vector<std::string>& hinweise);

 private:
  // The first catalog from `start` in steps of `schritt` that lists any
  // security file.
  std::optional<std::size_t> NichtLeererKatalog(std::ptrdiff_t start, std::ptrdiff_t schritt) const;
  bool ZuKatalog(std::optional<std::size_t> katalog, bool letzteZeile,
                 std::vector<std::string>& hinweise);

  const TWPVerwaltung& verwaltung_;
  std::vector<std::string> kataloge_;
  std::vector<bool> gewaehlt_;
  std::vector<TWertpapierZeile> zeilen_;
  std::optional<std::size_t> zeile_;
};

// The order of the lists: case and umlauts ignored first ("Ärzte" beside
// "Arzt"), then byte order, so that the order is total.
bool NameVor(const std::string& a, const std::string& b);

}  // namespace morvane
