// Feeds arbitrary bytes to the settings reader, once with the chart and
// schedule blocks plugged in and once without any block. Whatever loads must
// save to bytes that load again and save unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "chart/chartvorlagen.h"
#include "online/zeitplaner.h"
#include "store/einstellungen.h"

namespace {

constexpr const char* kKeinVerzeichnis = "/nicht/vorhanden/morvane-fuzz";

void Einrichten(morvane::TEinstellungen& e, bool mitBloecken) {
  if (!mitBloecken) return;
  morvane::ChartEinstellungenEinstecken(e);
  morvane::ZeitplanerEinstecken(e);
}

void Pruefen(std::string_view eingabe, bool mitBloecken) {
  morvane::TEinstellungen e(kKeinVerzeichnis);
  Einrichten(e, mitBloecken);
  if (!e.LadenAus(eingabe)) {
    (void)e.Dateiinhalt();
    return;
  }
  const std::string gespeichert = e.Dateiinhalt();
  morvane::TEinstellungen wieder(kKeinVerzeichnis);
  Einrichten(wieder, mitBloecken);
  if (!wieder.LadenAus(gespeichert)) std::abort();
  if (wieder.Dateiinhalt() != gespeichert) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string_view eingabe(reinterpret_cast<const char*>(daten), groesse);
  Pruefen(eingabe, true);
  Pruefen(eingabe, false);
  return 0;
}
