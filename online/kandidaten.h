#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/wpstammdaten.h"

namespace morvane {

// One price source a security may be fetched from.
struct TKandidat {
  std::string Anzeigename;
  // Matched against the identifier the script reads.
  std::string SatzKennung;
  // Put into the <id> placeholder of the source's address.
  std::string AnfrageKennung;
  friend bool operator==(const TKandidat&, const TKandidat&) = default;
};

// A source identifier "record,request": split at the first comma; without a
// comma, or with nothing after it, both parts are the text before it.
std::pair<std::string, std::string> KennungTeilen(const std::string& kennung);

// The candidate sources of a security for daily prices (`tageskurse`) or for
// historical prices, in order: the sources the user set (up to the first empty
// name), else the one provider source chosen from the master data.
class TKandidaten {
 public:
  TKandidaten(const TWPStammdaten& wp, bool tageskurse);
  // The next candidate, nothing when exhausted.
  std::optional<TKandidat> Naechster();

 private:
  std::vector<TKandidat> liste_;
  std::size_t index_ = 0;
};

}  // namespace morvane
