#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// Gives each caption a keyboard accelerator ("&"): the first ASCII letter of
// the caption not yet taken, case-insensitively, by `belegt` or an earlier
// caption, else the first such digit; a caption without either gets none. A "&" that is part of
// the text is doubled so that it shows as itself.
std::vector<std::string> MitBeschleunigern(std::span<const std::string> texte, std::string& belegt);

// The caption with its "&" doubled and no accelerator.
std::string OhneBeschleuniger(std::string_view text);

}  // namespace morvane
