// Any bytes as an update index. The format has one spelling for each index,
// so what reads without error must be written back byte for byte; the signed
// reader must refuse everything (no key signed these bytes).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "online/signatur.h"
#include "online/updateindex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  using namespace morvane;
  const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
  try {
    UpdateIndexLesen(text, UpdateSchluessel());
    std::abort();
  } catch (const EUpdateIndex&) {
  }
  try {
    if (UpdateIndexText(UpdateIndexTextLesen(text)) != text) std::abort();
  } catch (const EUpdateIndex&) {
  }
  return 0;
}
