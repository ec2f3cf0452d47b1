// A page read by `jsonhistorie` inside a record loop, so that every object on
// it is scanned, and by the JSON reader alone from each of the first bytes on.
// Every run must end without a fault.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "online/interpreter.h"
#include "online/jsonleser.h"
#include "online/scriptparser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  using namespace morvane;
  const std::string_view seite(reinterpret_cast<const char*>(daten), groesse);
  static TScriptParser parser(
      R"(datensatz jsonhistorie(datum "t", eröffnung "o", höchst "h", tiefst "l",
                                schluss "c", umsatz "v") ende)");
  std::size_t anzahl = 0;
  TInterpreter interpreter(parser, seite, false,
                           [&](const std::string&, const TKurs&) { ++anzahl; });
  interpreter.Ausfuehren();
  for (std::size_t ab = 0; ab < seite.size() && ab < 8; ++ab) {
    const auto felder = JsonFelderLesen(seite, ab, {"t", "c", "", "t"});
    if (felder && (felder->Ende > seite.size() || felder->Listen.size() != 4)) __builtin_trap();
  }
  return 0;
}
