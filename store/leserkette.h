#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/wertpapier.h"
#include "store/wpdateileser.h"

namespace morvane {

// Parses a file's content with the readers of the versions 3.5, 3.1, 3.0, 2
// and 1 in this order and returns the first success; nothing when no reader
// accepts it (why each failed is of no interest to the user).
std::optional<TLesung> MitLeserketteLesen(std::string_view daten, const std::string& id,
                                          TLeseumfang umfang);

}  // namespace morvane
