#pragma once

#include <string>
#include <vector>

#include "core/kurse.h"

namespace morvane {

// A close more than this factor above or below the one before it is
// implausible (a wrong unit, a split, another security's page).
inline constexpr double kSprungFaktor = 5;

// The log-book lines for the implausible jumps among the `neu` records of a
// security named `name`: each close is compared with the close of the run's
// record before it, the first with the last stored close before its date.
std::vector<std::string> Kurssprunge(const std::string& name, const TKurse& gespeichert,
                                     const TKurse& neu);

}  // namespace morvane
