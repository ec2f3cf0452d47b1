#pragma once

#include <vector>

#include "core/datum.h"
#include "core/kurse.h"

namespace morvane {

// One point-and-figure column: rising (crosses) or falling (circles), dated at
// its first price.
struct TPunktFigurSaeule {
  Boersentag Datum = 0;
  bool Steigend = false;
  double Tief = 0;
  double Hoch = 0;
  friend bool operator==(const TPunktFigurSaeule&, const TPunktFigurSaeule&) = default;
};

// The point-and-figure columns of a price series, in date order.
class TPointFigureListe {
 public:
  void Hinzufuegen(const TPunktFigurSaeule& saeule) { saeulen_.push_back(saeule); }
  // nullptr for an index outside 0..Anzahl()-1.
  const TPunktFigurSaeule* Saeule(int i) const;
  int Anzahl() const { return static_cast<int>(saeulen_.size()); }
  void Leeren() { saeulen_.clear(); }
  // The greatest index whose Datum <= d; 0 when d precedes the second column or
  // the list is empty.
  int SucheDatum(Boersentag d) const;

  // Rebuilds the list from the prices of field `kursCode` (see KursNachCode):
  // a column ends at every single move of at least `umkehrminimum` percent
  // from one valid price to the next. Prices not above 0 are passed over.
  void Aufbauen(const TKurse& kurse, int kursCode, double umkehrminimum);

 private:
  std::vector<TPunktFigurSaeule> saeulen_;
};

}  // namespace morvane
