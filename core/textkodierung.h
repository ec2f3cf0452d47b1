#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morvane {

// The one place where text changes its encoding. In memory every text is UTF-8;
// files store Windows-1252 (and DOS code page 850 in the oldest security files).

// Windows-1252 bytes to UTF-8. The five unassigned bytes (81, 8D, 8F, 90, 9D)
// map to the C1 control characters of the same value, as Windows does.
std::string Win1252ZuUtf8(std::string_view bytes);

// UTF-8 to Windows-1252; a character that Windows-1252 cannot hold, and every
// malformed UTF-8 sequence, becomes "?".
std::string Utf8ZuWin1252(std::string_view utf8);

// Code page 850 (German DOS) bytes to UTF-8.
std::string Cp850ZuUtf8(std::string_view bytes);

bool IstGueltigesUtf8(std::string_view bytes);

// Text from outside (pages, text files): kept when it is valid UTF-8, else read
// as Windows-1252.
std::string ExternZuUtf8(std::string_view bytes);

// Appends one code point as UTF-8.
void Utf8Anhaengen(std::string& ziel, char32_t zeichen);

// Number of characters (code points) of valid UTF-8 text.
std::size_t Utf8Laenge(std::string_view utf8);

// Byte offset of character number `zeichen` (0-based); size() when past the end.
std::size_t Utf8Offset(std::string_view utf8, std::size_t zeichen);

// Cuts valid UTF-8 text to at most `maxBytes` bytes without splitting a character.
std::string_view Utf8Kuerzen(std::string_view utf8, std::size_t maxBytes);

}  // namespace morvane
