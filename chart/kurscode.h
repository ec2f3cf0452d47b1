#pragma once

#include "core/kurse.h"

namespace morvane {

// A record's price by the chart's price-field code: 1 Eröffnungskurs,
// 2 Höchstkurs, 3 Tiefstkurs, 4 Schlusskurs, 5 Kassakurs; 0 for other codes.
inline double KursNachCode(const TKurs& kurs, int code) {
  switch (code) {
    case 1:
      return kurs.Eroeffnung;
    case 2:
      return kurs.Hoch;
    case 3:
      return kurs.Tief;
    case 4:
      return kurs.Schluss;
    case 5:
      return kurs.Kassakurs;
    default:
      return 0;
  }
}

}  // namespace morvane
