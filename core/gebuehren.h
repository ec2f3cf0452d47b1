#pragma once

#include "core/wpstammdaten.h"

namespace morvane {

// Fee formulas of a security's master data, used to propose the amount of a
// purchase or sale and to reconstruct amounts that old files did not store.

// Paid for a purchase: value plus the larger of the proportional-plus-fixed
// fee and the minimum fee.
double KaufBetrag(const TWPStammdaten& stammdaten, double kurs, double stueck);
// Received for a sale: value minus the larger of the proportional-plus-fixed
// fee and the minimum fee.
double VerkaufBetrag(const TWPStammdaten& stammdaten, double kurs, double stueck);

}  // namespace morvane
