#include "online/sessionantwort.h"

#include <algorithm>

namespace morvane {

std::optional<std::string> SessionIDLesen(std::string_view antwort) {
  const auto xid = antwort.find("<XID");
  if (xid == std::string_view::npos) return std::nullopt;
  const auto zu = antwort.find('>', xid + 4);
  if (zu == std::string_view::npos) return std::nullopt;
  const auto ende = antwort.find('<', zu + 1);
  if (ende == std::string_view::npos) return std::nullopt;
  std::string id(antwort.substr(zu + 1, ende - zu - 1));
  std::replace(id.begin(), id.end(), '\t', ' ');
  return id;
}

}  // namespace morvane
