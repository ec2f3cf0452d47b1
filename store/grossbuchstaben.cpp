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

std::string Grossbuchstaben(std::string_view utf8) {
  std::string ergebnis(utf8);
  for (std::size_t i = 0; i < ergebnis.size(); ++i) {
    auto c = static_cast<unsigned char>(ergebnis[i]);
    if (c >= 'a' && c <= 'z') {
      ergebnis[i] = static_cast<char>(c - ('a' - 'A'));
    } else if ((c == kLatin1Vorsatz || c == kLatinAVorsatz) && i + 1 < ergebnis.size()) {
      auto zweites = static_cast<unsigned char>(ergebnis[i + 1]);
      ZweiBytes(c, zweites);
      ergebnis[i] = static_cast<char>(c);
      ergebnis[i + 1] = static_cast<char>(zweites);
      ++i;
    }
  }
  return ergebnis;
}

}  // namespace morvane
