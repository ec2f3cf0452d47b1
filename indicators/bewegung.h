#pragma once

#include <vector>

#include "core/kurse.h"

namespace morvane {

// The movements of one record against the one before; a missing one is 0
// (it adds nothing to a window's sum).
struct TBewegung {
  double Auf = 0;      // rise of the high
  double Ab = 0;       // fall of the low
  double Spanne = 0;   // true range
  bool AufDa = false;  // both highs exist
  bool AbDa = false;   // both lows exist
  bool SpanneDa = false;
  bool Alle() const { return AufDa && AbDa && SpanneDa; }
};

// The movements of every record (the first has none), computed once per
// open TRechenvorrat.
std::vector<TBewegung> Bewegungen(const TKurse& kurse);

}  // namespace morvane
