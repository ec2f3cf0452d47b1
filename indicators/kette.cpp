#include "indicators/kette.h"

namespace morvane {

void TKettensummen::Aendern(double vorher, double nachher, bool abziehen) {
  const TDifferenz d = ExakteDifferenz(nachher, vorher);
  if (d.Wert == 0) return;
  d.BetragBuchen(d.Wert > 0 ? Auf : Ab, abziehen);
  d.BetragBuchen(Weg, abziehen);
}

}  // namespace morvane
