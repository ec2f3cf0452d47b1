#pragma once

#include <string>
#include <string_view>

namespace morvane {

// UTF-8 text in capitals as the Windows code page knows them: ASCII letters,
// the Latin-1 letters (ä → Ä, é → É, ÿ → Ÿ) and š, œ, ž. "ß" and every other
// character stay as they are, so the byte length changes only for "ÿ".
std::string Grossbuchstaben(std::string_view utf8);

}  // namespace morvane
