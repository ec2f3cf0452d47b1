// Any server answer, handed to the answer reader in pieces split at points
// taken from the input's first bytes.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "online/httpantwort.h"
#include "online/httpfehler.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  using namespace morvane;
  if (groesse < 4) return 0;
  const std::uint8_t* schnitte = daten;
  std::string_view antworttext(reinterpret_cast<const char*>(daten + 4), groesse - 4);
  THttpAntwort antwort;
  std::size_t dokument = 0;
  try {
    for (int i = 0; !antworttext.empty(); ++i) {
      const std::size_t stueck = i < 4 ? schnitte[i] : antworttext.size();
      antwort.Fuettern(antworttext.substr(0, stueck),
                       [&](std::string_view s) { dokument += s.size(); });
      antworttext.remove_prefix(std::min(stueck, antworttext.size()));
    }
  } catch (const EHttpException&) {
    return 0;
  }
  // Nothing the reader keeps may outgrow its bounds.
  if (antwort.Kopf().Grund.size() > THttpAntwort::MaxZeile) __builtin_trap();
  if (dokument > groesse) __builtin_trap();
  return 0;
}
