// Script and page from one input, split at the first NUL byte (the first byte
// also decides whether the page counts as HTML). Every run must end.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "online/interpreter.h"
#include "online/scriptparser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  using namespace morvane;
  const std::string_view eingabe(reinterpret_cast<const char*>(daten), groesse);
  const std::size_t trenner = eingabe.find('\0');
  if (trenner == std::string_view::npos) return 0;
  const bool html = groesse > 0 && (daten[0] & 1) != 0;
  try {
    TScriptParser parser(eingabe.substr(0, trenner));
    std::size_t anzahl = 0;
    TInterpreter interpreter(parser, eingabe.substr(trenner + 1), html,
                             [&](const std::string&, const TKurs&) { ++anzahl; });
    interpreter.Ausfuehren();
  } catch (const EScriptParseError&) {
  }
  return 0;
}
