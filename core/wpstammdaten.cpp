#include "core/wpstammdaten.h"

namespace morvane {

std::string BoersenName(int code) {
  if (code <= 0 || code >= static_cast<int>(kBoersenplaetze.size())) return {};
  return std::string(kBoersenplaetze[static_cast<std::size_t>(code)]);
}

void TWPStammdaten::StammdatenKopieren(const TWPStammdaten& quelle) {
  if (&quelle == this) return;
  const std::string id = ID;
  const std::string katalog = Katalog;
  *this = quelle;
  ID = id;
  Katalog = katalog;
}

}  // namespace morvane
