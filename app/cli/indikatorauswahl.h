#pragma once

#include <string>

#include "indicators/indanalyse.h"

namespace morvane {

// Shows the entries named by "G:I[:MODUS],..." (group 1..3, index from 0 as the
// signale command counts, mode 1 lines, 2 lines and signal, 3 signal only) and
// hides all others. An entry without a mode is shown as a plain click on it
// would show it. Throws EAufruf naming the entry when one is malformed or does
// not exist; nothing is changed then.
void IndikatorenAnzeigen(TIndAnalyse& analyse, const std::string& liste);

}  // namespace morvane
