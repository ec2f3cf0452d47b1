// Security files of the current version: every input either loads or fails
// with the reader's exception, and whatever loads is written back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "store/wp_importexport_mv35.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string_view eingabe(reinterpret_cast<const char*>(daten), groesse);
  static const TWP_ImportExport_MV35 format;
  for (TLeseumfang umfang : {TLeseumfang::Stammdaten, TLeseumfang::Transaktionen}) {
    try {
      format.AusDaten(eingabe, "fuzz.mv3", umfang);
    } catch (const EWP_ImportExport_MV35&) {
    }
  }
  try {
    const TWertpapier geladen = format.AusDaten(eingabe, "fuzz.mv3", TLeseumfang::Alles);
    // Whatever the file held, the series keeps its rules: valid, non-empty
    // records of the allowed years in strictly ascending order.
    Boersentag letzter = 0;
    for (const TKurs& k : geladen.Kurse.Alle()) {
      if (k.Datum < kErsterBoersentag || k.Datum > kLetzterBoersentag || k.Datum <= letzter ||
          k.IstLeer() || !k.IstGueltig()) {
        std::abort();
      }
      letzter = k.Datum;
    }
    // A loaded security must survive a save and a reload byte for byte.
    const std::string kodiert = TWP_ImportExport_MV35::Kodieren(geladen);
    const TWertpapier wieder = format.AusDaten(kodiert, "fuzz.mv3", TLeseumfang::Alles);
    if (TWP_ImportExport_MV35::Kodieren(wieder) != kodiert) std::abort();
  } catch (const EWP_ImportExport_MV35&) {
  }
  return 0;
}
