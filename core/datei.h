#pragma once

#include <string>
#include <string_view>

#include "core/exception.h"

namespace morvane {

// Raised by the file helpers; the message is the bare reason ("Datei nicht
// gefunden"), callers put the file name around it.
MORVANE_EXCEPTION(EDatei, Exception);

// Reads a whole file with one read into memory.
std::string DateiLesen(const std::string& pfad);

// Replaces a file atomically: writes a temporary file in the same directory,
// flushes it to disk and renames it over `pfad`. On failure the previous file
// stays intact and the temporary file is removed. `modus` applies to a newly
// written file (0600 for files that hold passwords).
void DateiAtomarSchreiben(const std::string& pfad, std::string_view daten, unsigned modus = 0644);

// German reason text for an errno value.
std::string Fehlertext(int fehlernummer);

}  // namespace morvane
