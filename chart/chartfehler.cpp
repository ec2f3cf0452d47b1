#include "chart/chartfehler.h"

#include <string>

namespace morvane {

void GanzzahlDivisionDurchNull() {
  throw EChart(std::string(kMeldungGanzzahlDivision));
}

void FliesskommaDivisionDurchNull() {
  throw EChart(std::string(kMeldungFliesskommaDivision));
}

}  // namespace morvane
