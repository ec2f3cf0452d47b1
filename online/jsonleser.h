#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// One entry of a JSON array as the price history needs it: a number, a text,
// null, or anything else (true, false, an object, an array).
struct TJsonEintrag {
  enum class TArt { Null, Zahl, Text, Sonst };
  TArt Art = TArt::Null;
  double Zahl = 0;
  std::string Text;
};

struct TJsonFelder {
  // Per wanted name, in the order asked for: the entries of the first member
  // of that name, found at any depth of the object. A member whose value is
  // no array counts as an array of that one value; a name not found gives no
  // entries.
  std::vector<std::vector<TJsonEintrag>> Listen;
  // Byte offset just past the object's closing brace.
  std::size_t Ende = 0;
};

// Reads the JSON object that starts at the first "{" at or after `ab` in
// `text` and collects the members named in `namen` (an empty name is never
// found). What a server sends is hostile: the scan walks the text once,
// without recursion; nesting deeper than 256 levels, a syntax error, or the
// text ending before the object closes give nothing, and so does a text
// without "{".
std::optional<TJsonFelder> JsonFelderLesen(std::string_view text, std::size_t ab,
                                           const std::vector<std::string>& namen);

}  // namespace morvane
