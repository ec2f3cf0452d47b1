#pragma once

#include <string_view>

#include "core/exception.h"

namespace morvane {

// Arithmetic errors of chart computations that only a view or file outside
// the allowed ranges can cause.
MORVANE_EXCEPTION(EChart, Exception);

inline constexpr std::string_view kMeldungGanzzahlDivision = "Integer-Division durch 0";
inline constexpr std::string_view kMeldungFliesskommaDivision = "Fließkomma-Division durch 0";

[[noreturn]] void GanzzahlDivisionDurchNull();
[[noreturn]] void FliesskommaDivisionDurchNull();

}  // namespace morvane
