#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "core/datum.h"
#include "core/wertpapier.h"

namespace morvane::test {

// Reads one of the example CSV files (Date,Open,High,Low,Close,Volume).
inline TWertpapier BeispielPapier(const std::string& name, const std::string& bezeichnung) {
  TWertpapier wp;
  wp.Bezeichnung = bezeichnung;
  wp.Waehrung = "USD";
  std::ifstream datei(std::string(MORVANE_BEISPIELDATEN) + "/" + name);
  std::string zeile;
  std::getline(datei, zeile);
  while (std::getline(datei, zeile)) {
    std::istringstream z(zeile);
    int jahr = 0, monat = 0, tag = 0;
    char c = 0;
    TKurs k;
    z >> jahr >> c >> monat >> c >> tag >> c >> k.Eroeffnung >> c >> k.Hoch >> c >> k.Tief >> c >>
        k.Schluss >> c >> k.Umsatz;
    k.Datum = BoersentagAusDatum(tag, monat, jahr);
    wp.Kurse.Setze(k, TSetzModus::Ersetzen);
  }
  return wp;
}

}  // namespace morvane::test
