#include "store/grossbuchstaben.h"

namespace morvane {
namespace {

constexpr unsigned char kLatin1Vorsatz = 0xC3;
constexpr unsigned char kLatinAVorsatz = 0xC5;

// Second byte of a two-byte sequence after C3 or C5 in capitals; `vorsatz`
// changes only for "ÿ" (C3 BF), whose capital lies in the C5 block.
void ZweiBytes(unsigned char& vorsatz, unsigned char& zweites) {
  if (vorsatz == kLatin1Vorsatz) {
    if (zweites >= 0xA0 && zweites <= 0xBE && zweites != 0xB7) {
      zweites -= 0x20;
    } else if (zweites == 0xBF) {
      vorsatz = kLatinAVorsatz;
      zweites = 0xB8;
    }
  } else if (vorsatz == kLatinAVorsatz) {
    if (zweites == 0xA1 || zweites == 0x93 || zweites == 0xBE) zweites -= 1;
  }
}

}  // namespace

void InGrossbuchstaben(std::string& text, std::size_t ab) {
  for (std::size_t i = ab; i < text.size(); ++i) {
    auto c = static_cast<unsigned char>(text[i]);
    if (c >= 'a' && c <= 'z') {
      text[i] = static_cast<char>(c - ('a' - 'A'));
    } else if ((c == kLatin1Vorsatz || c == kLatinAVorsatz) && i + 1 < text.size()) {
      auto zweites = static_cast<unsigned char>(text[i + 1]);
      ZweiBytes(c, zweites);
      text[i] = static_cast<char>(c);
      text[i + 1] = static_cast<char>(zweites);
      ++i;
    }
  }
}

std::string Grossbuchstaben(std::string_view utf8) {
  std::string ergebnis(utf8);
  InGrossbuchstaben(ergebnis);
  return ergebnis;
}

}  // namespace morvane
