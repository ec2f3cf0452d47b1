#pragma once

#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/datum.h"
#include "core/kurse.h"
#include "core/zeitreihe.h"
#include "testhilfe/beispieldaten.h"

namespace morvane::test {

// Monday 5 January 1998.
inline Boersentag Start() {
  return BoersentagAusDatum(5, 1, 1998);
}

// start, start + schritt, ... (anzahl values).
inline std::vector<double> Folge(int anzahl, double start, double schritt) {
  std::vector<double> werte;
  for (int i = 0; i < anzahl; ++i)
    werte.push_back(start + i * schritt);
  return werte;
}

// One record per consecutive trading day with only the close set (0 leaves the
// day without a record).
inline TKurse Schlusskurse(const std::vector<double>& schluss, Boersentag ab = Start()) {
  TKurse kurse;
  for (std::size_t i = 0; i < schluss.size(); ++i) {
    TKurs k;
    k.Datum = ab + static_cast<Boersentag>(i);
    k.Schluss = schluss[i];
    kurse.Setze(k, TSetzModus::Ersetzen);
  }
  return kurse;
}

// Records with high, low and close on consecutive trading days.
inline TKurse Tageskurse(const std::vector<std::array<double, 3>>& hlc, Boersentag ab = Start()) {
  TKurse kurse;
  for (std::size_t i = 0; i < hlc.size(); ++i) {
    TKurs k;
    k.Datum = ab + static_cast<Boersentag>(i);
    k.Hoch = hlc[i][0];
    k.Tief = hlc[i][1];
    k.Schluss = hlc[i][2];
    kurse.Setze(k, TSetzModus::Ersetzen);
  }
  return kurse;
}

// All values of a series as (date, value) pairs.
inline std::vector<std::pair<Boersentag, double>> Werte(const TZeitreihe& reihe) {
  std::vector<std::pair<Boersentag, double>> werte;
  for (Boersentag d = reihe.Von(); reihe.Enthaelt(d); ++d) {
    if (auto w = reihe.Lesen(d)) werte.emplace_back(d, *w);
  }
  return werte;
}

}  // namespace morvane::test
