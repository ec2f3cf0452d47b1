// Security files of the older versions through the whole chain of readers.
// The first byte picks a version whose header is put in front of the rest, so
// that the fuzzer spends its time behind the headers; other values feed the
// input unchanged.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/leserkette.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  static constexpr std::array<std::string_view, 4> kKoepfe = {"Morvane 3.1b Wertpapier-Datei\x1A",
                                                              "Morvane 3.0d Wertpapier-Datei\x1A",
                                                              "Morvane 2.0  Wertpapier-Datei\x1A",
                                                              "Morvane 1\xF9"
                                                              "0  Wertpapier-Datei\x1A"};
  if (groesse == 0) return 0;
  std::string eingabe(reinterpret_cast<const char*>(daten) + 1, groesse - 1);
  if (daten[0] < kKoepfe.size()) eingabe.insert(0, kKoepfe[daten[0]]);
  for (TLeseumfang umfang :
       {TLeseumfang::Stammdaten, TLeseumfang::Transaktionen, TLeseumfang::Alles}) {
    MitLeserketteLesen(eingabe, "fuzz.mv2", umfang);
  }
  return 0;
}
