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
#include "store/wpdateileser.h"

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

  // The data directory, always ending with "/" ("./" when none is given).
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
  // Katalog from the ID; WertpapierLaden and KurseLaden pass a file that
  // reads only in part to the receiver of notes (HinweiseAn).
  TWertpapier WertpapierLaden(const std::string& id) const;
  TWPStammdaten StammdatenLaden(const std::string& id) const;
  TWPTransaktionen TransaktionenLaden(const std::string& id) const;
  TKurse KurseLaden(const std::string& id) const;

  // Writes the whole security in the current format, replacing the file
  // atomically under its lock; creates a missing catalog directory (one
  // level). A blind write: the file's old content is not looked at.
  void WertpapierSpeichern(const std::string& id, const TWertpapier& wertpapier) const;

  using TAenderung = std::function<void(TWertpapier&)>;
  // The one read-modify-write of a stored security, for every writer: takes
  // the file's lock, loads the whole security, lets `aenderung` change it,
  // saves it atomically and releases the lock, so that writers in other
  // processes follow each other and none works on a stale copy. A file that
  // did not read cleanly is never replaced (see Beschaedigt). Errors of the
  // load, of `aenderung` and of the save pass through unchanged; when any is
  // raised the file stays as it was.
  void WertpapierAendern(const std::string& id, const TAenderung& aenderung) const;
  // The same for one part each. StammdatenAendern creates the security when
  // the file does not exist or is empty (a name reserved by NeueID).
  void StammdatenAendern(const std::string& id, const TWPStammdaten& stammdaten) const;
  void TransaktionenAendern(const std::string& id, const TWPTransaktionen& transaktionen) const;
  void KurseAendern(const std::string& id, const TKurse& kurse) const;
  // Merges downloaded prices into the stored ones; errors keep the message of
  // the load or the save.
  void KurseMischen(const std::string& id, const TKurse& kurse) const;

  // ID for a new security file: catalog and name reduced to the allowed
  // characters, then "<name>.mv3", or "<name> (1).mv3", "(2)" ... when taken.
  // The name is reserved by creating the empty file exclusively (and the
  // catalog directory when missing), so that no two callers, in this process
  // or another, get the same ID. The caller writes the security there or
  // deletes the file again.
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

  // Receives what a load noticed but did not fail on (a file that reads only
  // in part, see Beschaedigt), so that the front end can show or log it.
  // Without a receiver such notes are dropped.
  using THinweis = std::function<void(const std::string&)>;
  void HinweiseAn(THinweis hinweis) { hinweis_ = std::move(hinweis); }

 private:
  void Aendern(const std::string& id, bool neuErlaubt, const TAenderung& aenderung) const;
  TLesung Laden(const std::string& id, TLeseumfang umfang) const;
  void Schreiben(const std::string& id, const TWertpapier& wertpapier) const;
  void KatalogPruefen(const std::string& katalog) const;

  std::function<std::string()> datenverzeichnis_;
  THinweis hinweis_;
};

// Why a security that reads only in part is damaged: bytes follow its last
// section, most likely records that a lowered count hides. Loading shows
// what the counts declare and passes this on as a note; changing refuses to
// replace the file with it as the reason, so that those bytes stay.
std::string Beschaedigt(const std::string& id, std::size_t ungelesen);

// Keeps only the characters allowed in catalog and security names: blank,
// ! $ ( ) + - digits, A-Z, [ ] _ a-z { } and the umlauts ÄÖÜäöü. Every other
// character is removed.
std::string NameFiltern(std::string_view name);

}  // namespace morvane
