// Any text as konto.cfg: whatever is read is written back and read again to
// the same values, so that saving the options never changes what was read.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "online/konto.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
  const morvane::TKonto konto = morvane::KontoAusText(text);
  if (morvane::KontoAusText(morvane::KontoText(konto)) != konto) std::abort();
  return 0;
}
