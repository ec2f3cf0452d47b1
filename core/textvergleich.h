#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// Comparisons of UTF-8 text without regard to case, for currencies and for
// the order of list rows.

// Lower case of the ASCII and Latin-1 letters; every other byte unchanged.
std::string Kleinbuchstaben(std::string_view text);
bool GleichOhneGross(std::string_view a, std::string_view b);

// Key that sorts in German dictionary order without regard to case: lower
// case, umlauts as their base letters, "ß" as "ss".
std::string Sortierschluessel(std::string_view text);

// Sorts texts (list rows, catalog names) by Sortierschluessel; texts with
// equal keys keep their order.
void TexteSortieren(std::vector<std::string>& zeilen);

}  // namespace morvane
