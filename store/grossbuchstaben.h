#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morvane {

// UTF-8 text in capitals as the Windows code page knows them: ASCII letters,
// the Latin-1 letters (ä → Ä, é → É, ÿ → Ÿ) and š, œ, ž. "ß" and every other
// character stay as they are. The byte length never changes.
std::string Grossbuchstaben(std::string_view utf8);
// The same in place, from byte `ab` on.
void InGrossbuchstaben(std::string& utf8, std::size_t ab = 0);

}  // namespace morvane
