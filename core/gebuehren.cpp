#include "core/gebuehren.h"

#include <algorithm>

namespace morvane {

double KaufBetrag(const TWPStammdaten& stammdaten, double kurs, double stueck) {
  // The value is rounded to double precision before the fee is compared.
  const double wert = stueck * kurs;
  return wert + std::max(wert * stammdaten.KaufRel + stammdaten.KaufAbs, stammdaten.KaufMin);
}

double VerkaufBetrag(const TWPStammdaten& stammdaten, double kurs, double stueck) {
  const double wert = stueck * kurs;
  return wert -
         std::max(wert * stammdaten.VerkaufRel + stammdaten.VerkaufAbs, stammdaten.VerkaufMin);
}

}  // namespace morvane
