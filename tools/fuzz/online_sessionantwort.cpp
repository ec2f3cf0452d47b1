// Any text as the provider's answer to the login: the identifier found holds
// neither "<" nor a tab and comes from behind the first "<XID".

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "online/sessionantwort.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string_view antwort(reinterpret_cast<const char*>(daten), groesse);
  const auto id = morvane::SessionIDLesen(antwort);
  if (!id) return 0;
  if (id->find_first_of("<\t") != std::string::npos) std::abort();
  if (antwort.find("<XID") == std::string_view::npos || id->size() >= groesse) std::abort();
  return 0;
}
