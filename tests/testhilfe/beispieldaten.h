#pragma once

#include <string>

#include "core/kurse.h"
#include "core/wertpapier.h"

namespace morvane::test {

// The one reader of the example price files in beispieldaten/ for tests and
// benchmarks. The files hold "Date,Open,High,Low,Close,Volume" with ISO dates;
// a missing file or a line of another form throws std::runtime_error naming
// the file and the line, so a test never runs silently on no data.

// The path of `name` (e.g. "MSFT_2003_matplotlib.csv") in beispieldaten/.
std::string BeispielPfad(const std::string& name);

// The prices of the example file `name`, one record per line.
TKurse BeispielKurse(const std::string& name);

// The prices of a file of that form anywhere; errors name `pfad`.
TKurse KursdateiLesen(const std::string& pfad);

// A security in USD named `bezeichnung` holding the prices of `name`.
TWertpapier BeispielPapier(const std::string& name, const std::string& bezeichnung);

}  // namespace morvane::test
