#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/datum.h"
#include "core/exception.h"
#include "online/quelle.h"

namespace morvane {

// A price-source file that cannot be read or written.
MORVANE_EXCEPTION(EQuellendatei, Exception);

// The two signatures of price-source files: the user's own sources and the
// sources shipped with the program. The kind of a source is stored as a type
// code whose meaning depends on the signature.
enum class TQuellenKopf { Persoenlich = 1, Programm = 2 };

// The signature at the start of the file, if any.
std::optional<TQuellenKopf> QuellenSignatur(std::string_view daten);

// Reads a price-source file held in memory. Every source read is appended to
// `quellen` at once, so that the sources before a damaged record stay. A file
// without signature raises EQuellendatei, a truncated one ELesefehler. Returns
// the version date of the sources.
Kalendertag QuellenLesen(std::string_view daten, std::vector<TQuelle>& quellen);

// The bytes of a price-source file. The texts that are not interpreted are
// stored empty. A personal file cannot tell the kinds 0 to 2 apart from 3 and
// 4, so such a source raises EQuellendatei instead of silently changing kind.
std::string QuellenSchreiben(const std::vector<TQuelle>& quellen, TQuellenKopf kopf,
                             Kalendertag versionsdatum);

// Writes a price-source file atomically.
void QuellendateiSchreiben(const std::string& pfad, const std::vector<TQuelle>& quellen,
                           TQuellenKopf kopf, Kalendertag versionsdatum);

}  // namespace morvane
