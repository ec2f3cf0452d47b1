#pragma once

#include <string>

#include "core/exception.h"
#include "core/wpstammdaten.h"

namespace morvane {

// Editing rules of the master-data dialog's fee page as model operations.

// The fee fields in the order in which they are checked.
enum class TGebuehrenfeld { KaufRel, KaufAbs, KaufMin, VerkaufRel, VerkaufAbs, VerkaufMin };

// An invalid fee; Feld() names the first field that failed.
class EGebuehreneingabe : public Exception {
 public:
  EGebuehreneingabe(const std::string& meldung, TGebuehrenfeld feld)
      : Exception(meldung), feld_(feld) {}
  TGebuehrenfeld Feld() const { return feld_; }

 private:
  TGebuehrenfeld feld_;
};

// The texts of the fee fields; the proportional fees in percent.
struct TGebuehrenEingabe {
  std::string KaufRel;
  std::string KaufAbs;
  std::string KaufMin;
  std::string VerkaufRel;
  std::string VerkaufAbs;
  std::string VerkaufMin;
  friend bool operator==(const TGebuehrenEingabe&, const TGebuehrenEingabe&) = default;
};

// The fee fields as the dialog shows them.
TGebuehrenEingabe GebuehrenEingabe(const TWPStammdaten& stammdaten);

// Reads percentages with 4 decimals and amounts with 2, all >= 0 and the sale
// percentage below 100, and stores them (percentages as fractions) in
// `stammdaten`. At the first invalid field nothing is stored and
// EGebuehreneingabe "Ungültigen Wert eingegeben." is thrown.
void GebuehrenLesen(const TGebuehrenEingabe& eingabe, TWPStammdaten& stammdaten);

}  // namespace morvane
