#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "core/kurse.h"
#include "online/scriptparser.h"

namespace morvane {

// Order of the names in TJsonHistorieParameter::Namen.
enum TJsonHistorieFeld : std::size_t {
  jhDatum = 0,
  jhEroeffnung = 1,
  jhHoch = 2,
  jhTiefst = 3,
  jhSchluss = 4,
  jhUmsatz = 5,
};

// The field a parameter name of `jsonhistorie` stands for ("datum" or a price
// command's keyword such as "eröffnung", "schlusskurs"; lower case), if any.
std::optional<TJsonHistorieFeld> JsonHistorieFeld(std::string_view name);

struct TJsonHistorie {
  std::vector<TKurs> Kurse;
  std::size_t Ende = 0;  // byte offset just past the object read
};

// The price records of the JSON object at the first "{" at or after `ab`: one
// per index of the named arrays, over the entries all present arrays have (the
// common prefix). A date is Unix seconds (its day in UTC) or a text starting
// "JJJJ-MM-TT"; an index whose date or close is missing, null, no trading day
// or no positive number gives no record; any other value that is null or no
// positive number, and every field whose name is not given or not found in the
// object, gives 0. Nothing when the page holds no readable object.
std::optional<TJsonHistorie> JsonHistorieLesen(std::string_view seite, std::size_t ab,
                                               const TJsonHistorieParameter& p);

}  // namespace morvane
