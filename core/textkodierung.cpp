#include "core/textkodierung.h"

#include <array>
#include <cstdint>

namespace morvane {
namespace {

// Code points of the bytes 80..9F in Windows-1252; A0..FF equal Latin-1.
constexpr std::array<char32_t, 32> kWin1252Hoch = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Code points of the bytes 80..FF in code page 850.
constexpr std::array<char32_t, 128> kCp850Hoch = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557,
    0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB,
    0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, 0x00DE, 0x00DA, 0x00DB, 0x00D9,
    0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0};

// Decodes one UTF-8 character at `pos`; returns its length, 0 when malformed.
std::size_t Dekodiere(std::string_view s, std::size_t pos, char32_t& c) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  std::size_t laenge;
  char32_t min;
  if (b0 < 0x80) {
    c = b0;
    return 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    laenge = 2, c = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    laenge = 3, c = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    laenge = 4, c = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (pos + laenge > s.size()) return 0;
  for (std::size_t i = 1; i < laenge; ++i) {
    const auto b = static_cast<unsigned char>(s[pos + i]);
    if ((b & 0xC0) != 0x80) return 0;
    c = (c << 6) | (b & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return laenge;
}

char Win1252Byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kWin1252Hoch.size(); ++i) {
    if (kWin1252Hoch[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace

void Utf8Anhaengen(std::string& ziel, char32_t c) {
  if (c < 0x80) {
    ziel += static_cast<char>(c);
  } else if (c < 0x800) {
    ziel += static_cast<char>(0xC0 | (c >> 6));
    ziel += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    ziel += static_cast<char>(0xE0 | (c >> 12));
    ziel += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    ziel += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    ziel += static_cast<char>(0xF0 | (c >> 18));
    ziel += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    ziel += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    ziel += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string Win1252ZuUtf8(std::string_view bytes) {
  std::string ergebnis;
  ergebnis.reserve(bytes.size() + bytes.size() / 8);
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      ergebnis += ch;
    } else {
      Utf8Anhaengen(ergebnis, b < 0xA0 ? kWin1252Hoch[b - 0x80] : char32_t{b});
    }
  }
  return ergebnis;
}

std::string Cp850ZuUtf8(std::string_view bytes) {
  std::string ergebnis;
  ergebnis.reserve(bytes.size() + bytes.size() / 8);
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      ergebnis += ch;
    } else {
      Utf8Anhaengen(ergebnis, kCp850Hoch[b - 0x80]);
    }
  }
  return ergebnis;
}

std::string Utf8ZuWin1252(std::string_view utf8) {
  std::string ergebnis;
  ergebnis.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t c = 0;
    const std::size_t laenge = Dekodiere(utf8, pos, c);
    if (laenge == 0) {
      ergebnis += '?';
      ++pos;
    } else {
      ergebnis += Win1252Byte(c);
      pos += laenge;
    }
  }
  return ergebnis;
}

bool IstGueltigesUtf8(std::string_view bytes) {
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
      ++pos;
      continue;
    }
    char32_t c = 0;
    const std::size_t laenge = Dekodiere(bytes, pos, c);
    if (laenge == 0) return false;
    pos += laenge;
  }
  return true;
}

std::string ExternZuUtf8(std::string_view bytes) {
  if (IstGueltigesUtf8(bytes)) return std::string(bytes);
  return Win1252ZuUtf8(bytes);
}

std::size_t Utf8Laenge(std::string_view utf8) {
  std::size_t anzahl = 0;
  for (char ch : utf8) {
    if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++anzahl;
  }
  return anzahl;
}

std::size_t Utf8Offset(std::string_view utf8, std::size_t zeichen) {
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    if ((static_cast<unsigned char>(utf8[pos]) & 0xC0) != 0x80) {
      if (zeichen == 0) return pos;
      --zeichen;
    }
    ++pos;
  }
  return utf8.size();
}

std::string_view Utf8Kuerzen(std::string_view utf8, std::size_t maxBytes) {
  if (utf8.size() <= maxBytes) return utf8;
  std::size_t ende = maxBytes;
  while (ende > 0 && (static_cast<unsigned char>(utf8[ende]) & 0xC0) == 0x80)
    --ende;
  return utf8.substr(0, ende);
}

}  // namespace morvane
