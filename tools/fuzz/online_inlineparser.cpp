// Any text as a URL template, expanded for a security and without one.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "online/inlineparser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  using namespace morvane;
  if (groesse < 3) return 0;
  const TDatum datum{static_cast<std::uint16_t>(daten[0] % 32),
                     static_cast<std::uint16_t>(daten[1] % 13),
                     static_cast<std::uint16_t>(1990 + daten[2])};
  try {
    TInlineParser parser(std::string_view(reinterpret_cast<const char*>(daten + 3), groesse - 3),
                         datum);
    TWPStammdaten wp;
    wp.WKN = "555750";
    wp.ISIN = "DE0005557508";
    wp.Boerse = daten[0];
    parser.SessionIDSetzen("S1");
    (void)parser.Expandieren(wp, "ID");
    (void)parser.Expandieren();
  } catch (const EInlineError&) {
  }
  return 0;
}
