#include "store/einstellungsblock.h"

#include <string>

namespace morvane {

std::int32_t ListenAnzahl(TBinaerLeser& leser, std::size_t mindestGroesse) {
  const std::int32_t anzahl = leser.Int32();
  if (anzahl < 1) return 0;
  if (mindestGroesse > 0 && static_cast<std::size_t>(anzahl) > leser.Rest() / mindestGroesse) {
    throw ELesefehler("Lesefehler: ungültige Anzahl " + std::to_string(anzahl));
  }
  return anzahl;
}

}  // namespace morvane
