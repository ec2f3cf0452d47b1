#pragma once

#include "core/exception.h"
#include "core/kurse.h"
#include "core/wpstammdaten.h"
#include "core/wptransaktionen.h"

namespace morvane {

MORVANE_EXCEPTION(EWertpapier, Exception);

// A security as the store loads and saves it: master data, price series and
// transactions, all owned.
class TWertpapier : public TWPStammdaten {
 public:
  TKurse Kurse;
  TWPTransaktionen Transaktionen;

  // Records that `von` old units become `nach` new units from `datum` on and
  // rescales the earlier prices (by von/nach) and volumes (by nach/von).
  // Throws EWertpapier for a ratio that is not positive, for a split that would
  // make the holding negative, and EWPTransaktionen when `datum` already has a
  // split; in every error case nothing is changed.
  void SplitEinfuegen(Boersentag datum, double von, double nach);
};

// Rescales the prices before `datum` for a split von : nach: the five price
// fields by von/nach, the volume by nach/von. Swapping von and nach undoes it.
void KurseSplitAnpassen(TKurse& kurse, Boersentag datum, double von, double nach);

}  // namespace morvane
