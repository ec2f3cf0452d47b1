#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/exception.h"
#include "store/wpverwaltung.h"

namespace morvane {

// Rules for renaming catalogs and copying securities between them, used by
// the desktop program's dialogs.

MORVANE_EXCEPTION(EKatalogname, Exception);

// Checks a new catalog name and returns it trimmed: blank gives "Keinen
// Katalog-Namen eingegeben!", a character that NameFiltern would remove gives
// "Sonderzeichen sind im Katalog-Namen nicht erlaubt!".
std::string KatalogNamePruefen(std::string_view name);

// Writes the security `id` under a new ID in `katalog` (named by its
// Bezeichnung) and, when `verschieben`, deletes the old file afterwards.
// Returns the new ID. When writing fails the reserved new file is removed
// again and the old one stays. Moving into the security's own catalog changes
// nothing and returns `id`.
std::string WertpapierKopieren(const TWPVerwaltung& verwaltung, const std::string& id,
                               const std::string& katalog, bool verschieben);

// Writes the six fee values of `quelle` into every other security of
// `katalog`, each in its own locked change. The first failure stops; the
// securities changed before it keep their new fees.
void GebuehrenUebertragen(const TWPVerwaltung& verwaltung, const std::string& katalog,
                          const TWPStammdaten& quelle);

// The questions asked before deleting: one security by its name, then the
// selected catalogs (one by its name, several by their count).
std::string WertpapierLoeschenFrage(const std::string& name);
std::string KatalogeLoeschenFrage(const std::vector<std::string>& kataloge);

}  // namespace morvane
