// Any text as a price-source script: the parser either builds a command list
// whose loops are closed and point backwards, or raises its own error.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "online/scriptparser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  using namespace morvane;
  try {
    TScriptParser parser(std::string_view(reinterpret_cast<const char*>(daten), groesse));
    const auto& befehle = parser.Befehle();
    for (std::size_t i = 0; i < befehle.size(); ++i) {
      if (befehle[i].Typ != TBefehlsTyp::Ende) continue;
      const int start = std::get<TSchleifenParameter>(befehle[i].Parameter).DatensatzIndex;
      if (start < 0 || static_cast<std::size_t>(start) + 1 >= i ||
          befehle[start].Typ != TBefehlsTyp::Datensatz) {
        std::abort();
      }
    }
    std::size_t gezaehlt = 0;
    while (parser.NaechsterBefehl() != nullptr)
      ++gezaehlt;
    if (gezaehlt != befehle.size()) std::abort();
  } catch (const EScriptParseError&) {
  }
  return 0;
}
