#pragma once

#include <cstdio>
#include <fstream>
#include <string>

#include "testhilfe/tempverzeichnis.h"

namespace morvane::bench {

inline constexpr int kEintraege = 80000;

// A file shaped like the shipped one: codes, a name, a few exchanges and
// category columns.
inline std::string Vorlagendatei() {
  static const test::TTempVerzeichnis verzeichnis;
  static const std::string pfad = [] {
    const std::string datei = verzeichnis.Datei("Werte35.mvw");
    std::ofstream aus(datei, std::ios::binary);
    aus << "Morvane 3.5  Wertpapier-Vorlagen\r\n// Kursdaten\r\n"
        << "ISIN\tWKN\tK\xFCrzel\tW\xE4hrung\tName\tBemerkung\tIstIndex\tIstFonds\tBerlin\t"
           "D\xFCsseldorf\tFrankfurt\tHamburg\tHannover\tM\xFCnchen\tStuttgart\tXetra\t"
           "DAX\tMDAX\tTecDAX\tEuro Stoxx 50\r\n";
    char zeile[512];
    for (int i = 0; i < kEintraege; ++i) {
      const int wkn = 100000 + i;
      std::snprintf(
          zeile, sizeof zeile,
          "DE000%06d%d\t%06d\tK%d\tEUR\tM\xFCller Beispiel %d AG Inhaber-Aktien\t\t%s\t%s\t"
          "%d\t\t%d.FRA\t%d\t\t%d\t%d\t%s\t%s\t%s\t\t%s\r\n",
          wkn, i % 10, wkn, i, i, i % 97 == 0 ? "x" : "", i % 13 == 0 ? "x" : "", wkn, wkn, wkn,
          wkn, wkn, i % 3 == 0 ? "DBK" : "", i % 50 == 0 ? "x" : "", i % 20 == 0 ? "x" : "",
          i % 40 == 0 ? "x" : "");
      aus << zeile;
    }
    return datei;
  }();
  return pfad;
}

}  // namespace morvane::bench
