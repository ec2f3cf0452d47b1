#include "core/textvergleich.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

namespace morvane {
namespace {

constexpr unsigned char kLatin1 = 0xC3;  // lead byte of U+00C0..U+00FF

// Second byte of a Latin-1 capital letter (U+00C0..U+00DE without "×").
bool IstLatin1Gross(unsigned char zweites) {
  return zweites >= 0x80 && zweites <= 0x9E && zweites != 0x97;
}

// Base letter of a lower-case umlaut or "ß" (second byte after C3), 0 for
// any other character.
std::string_view Grundbuchstabe(unsigned char zweites) {
  switch (zweites) {
    case 0xA4:
      return "a";
    case 0xB6:
      return "o";
    case 0xBC:
      return "u";
    case 0x9F:
      return "ss";
    default:
      return {};
  }
}

}  // namespace

std::string Kleinbuchstaben(std::string_view text) {
  std::string ergebnis(text);
  for (std::size_t i = 0; i < ergebnis.size(); ++i) {
    const auto c = static_cast<unsigned char>(ergebnis[i]);
    if (c >= 'A' && c <= 'Z') {
      ergebnis[i] = static_cast<char>(c - 'A' + 'a');
    } else if (c == kLatin1 && i + 1 < ergebnis.size() &&
               IstLatin1Gross(static_cast<unsigned char>(ergebnis[i + 1]))) {
      ergebnis[i + 1] = static_cast<char>(ergebnis[i + 1] + 0x20);
      ++i;
    }
  }
  return ergebnis;
}

bool GleichOhneGross(std::string_view a, std::string_view b) {
  return a.size() == b.size() && Kleinbuchstaben(a) == Kleinbuchstaben(b);
}

std::string Sortierschluessel(std::string_view text) {
  const std::string klein = Kleinbuchstaben(text);
  std::string schluessel;
  schluessel.reserve(klein.size());
  for (std::size_t i = 0; i < klein.size(); ++i) {
    if (static_cast<unsigned char>(klein[i]) == kLatin1 && i + 1 < klein.size()) {
      const std::string_view grund = Grundbuchstabe(static_cast<unsigned char>(klein[i + 1]));
      if (!grund.empty()) {
        schluessel += grund;
        ++i;
        continue;
      }
    }
    schluessel += klein[i];
  }
  return schluessel;
}

void TexteSortieren(std::vector<std::string>& zeilen) {
  std::vector<std::string> schluessel;
  schluessel.reserve(zeilen.size());
  for (const std::string& zeile : zeilen)
    schluessel.push_back(Sortierschluessel(zeile));
  std::vector<std::size_t> reihenfolge(zeilen.size());
  std::iota(reihenfolge.begin(), reihenfolge.end(), 0);
  std::stable_sort(reihenfolge.begin(), reihenfolge.end(),
                   [&](std::size_t a, std::size_t b) { return schluessel[a] < schluessel[b]; });
  std::vector<std::string> sortiert;
  sortiert.reserve(zeilen.size());
  for (std::size_t i : reihenfolge)
    sortiert.push_back(std::move(zeilen[i]));
  zeilen = std::move(sortiert);
}

}  // namespace morvane
