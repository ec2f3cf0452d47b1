#pragma once

#include <string>

#include "core/datum.h"
#include "core/wertpapier.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane::bench {

// A security with `kurse` consecutive trading days of complete prices and
// `transaktionen` purchases and sales.
inline TWertpapier BeispielWertpapier(int kurse, int transaktionen) {
  TWertpapier w;
  w.Bezeichnung = "Beispiel AG";
  w.WKN = "123456";
  w.Kommentar = "Ein Kommentar mit Umlauten: äöü";
  const Boersentag start = BoersentagAusDatum(4, 1, 1988);
  w.Kurse.Kapazitaet(kurse);
  for (int i = 0; i < kurse; ++i) {
    const double p = 100 + (i % 50);
    w.Kurse.Setze(TKurs{start + i, p, p - 1, p + 0.5, p + 2, p - 2, 10000.0 + i},
                  TSetzModus::Ersetzen);
  }
  for (int i = 0; i < transaktionen; ++i) {
    if (i % 2 == 0) {
      w.Transaktionen.Einfuegen(TTransaktionKauf(start + 10 * i, 10, 100, 1000));
    } else {
      w.Transaktionen.Einfuegen(TTransaktionVerkauf(start + 10 * i, 10, 110, 1100));
    }
  }
  return w;
}

}  // namespace morvane::bench
