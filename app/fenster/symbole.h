#pragma once

#include <QIcon>

#include "chart/charttyp.h"

namespace morvane {

// Small toolbar pictures of the five chart types, drawn in code.
QIcon CharttypSymbol(TCharttyp typ);

}  // namespace morvane
