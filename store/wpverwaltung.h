#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/exception.h"
#include "core/kurse.h"
#include "core/wertpapier.h"
#include "core/wpstammdaten.h"
#include "core/wptransaktionen.h"

namespace morvane {

MORVANE_EXCEPTION(EWPVerwaltung, Exception);

// The single gateway between the program and the securities on disk. A
// catalog is a directory directly below the data directory, a security one
// file in it, and its ID the absolute path of that file. Nothing is cached:
// every operation reads or writes the files anew. Loaders return new objects
// owned by the caller; every failure leaves as EWPVerwaltung.
class TWPVerwaltung {
 public:
  // A fixed data directory (absolute path).
  explicit TWPVerwaltung(std::string datenverzeichnis);
  // The data directory is asked for anew by every operation, so that a
  // changed setting applies at once.
  explicit TWPVerwaltung(std::function<std::string()> datenverzeichnis);

  // The data directory, always ending with "/".
  std::string Datenverzeichnis() const;

  // Clears `liste`, then adds the name of every subdirectory of the data
  // directory in the order the file system lists them.
  void KatalogeAuflisten(std::vector<std::string>& liste) const;
  // Appends the IDs of the files of a catalog ending in ".mv3", then ".mv2",
  // then ".mvt" (any case). Refuses a catalog name that could leave the data
  // directory.
  void WertpapiereAuflisten(const std::string& katalog, std::vector<std::string>& liste) const;
  bool Existiert(const std::string& id) const;

  // Each tries the readers of the versions 3.5, 3.1, 3.0, 2 and 1 and returns
  // the first success; when all fail: "Die ID '<id>' verweist auf keine
  // gültige Wertpapier-Datei.". WertpapierLaden and StammdatenLaden also set
  // Katalog from the ID.
  TWertpapier WertpapierLaden(const std::string& id) const;
  TWPStammdaten StammdatenLaden(const std::string& id) const;
  TWPTransaktionen TransaktionenLaden(const std::string& id) const;
  TKurse KurseLaden(const std::string& id) const;

  // Writes the whole security in the current format, replacing the file
  // atomically; creates a missing catalog directory (one level).
  void WertpapierSpeichern(const std::string& id, const TWertpapier& wertpapier) const;
  // Read-modify-write operations; each holds a lock on the file throughout.
  // StammdatenAendern creates the security when the file does not exist.
  void StammdatenAendern(const std::string& id, const TWPStammdaten& stammdaten) const;
  void TransaktionenAendern(const std::string& id, const TWPTransaktionen& transaktionen) const;
  void KurseAendern(const std::string& id, const TKurse& kurse) const;
  // Merges downloaded prices into the stored ones; errors keep the message of
  // the load or the save.
  void KurseMischen(const std::string& id, const TKurse& kurse) const;

  // ID for a new security file: catalog and name reduced to the allowed
  // characters, then "<name>.mv3", or "<name> (1).mv3", "(2)" ... when taken.
  std::string NeueID(const std::string& katalog, const std::string& name) const;
  void WertpapierLoeschen(const std::string& id) const;
  // Deletes every file of the catalog, then its directory; the first failure
  // stops (files deleted before it stay deleted).
  void KatalogLoeschen(const std::string& katalog) const;
  // Renames a catalog directory; an existing target is never replaced.
  void Umbenennen(const std::string& alt, const std::string& neu) const;

  // Catalog of an ID: its directory below the data directory, empty for an ID
  // outside of it.
  std::string KatalogAusID(const std::string& id) const;

 private:
  template <class F>
  void Aendern(const std::string& id, bool neuErlaubt, F&& aenderung) const;
  void KatalogPruefen(const std::string& katalog) const;

  std::function<std::string()> datenverzeichnis_;
};

// Keeps only the characters allowed in catalog and security names: blank,
// ! $ ( ) + - digits, A-Z, [ ] _ a-z { } and the umlauts ÄÖÜäöü. Every other
// character is removed.
std::string NameFiltern(std::string_view name);

}  // namespace morvane
