#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// The session identifier in the provider's answer to the login: tabs read as
// blanks, everything up to and including "<XID" dropped, then everything up to
// and including the next ">"; the identifier is the text before the next "<".
// Nothing when one of these markers is missing.
std::optional<std::string> SessionIDLesen(std::string_view antwort);

}  // namespace morvane
