#pragma once

#include <optional>
#include <vector>

#include "core/datum.h"

namespace morvane {

// A fitted line over a window of records: from the window's first date to the
// date of the slot that holds it.
struct TGerade {
  Boersentag Startdatum = 0;
  double Startwert = 0;
  double Endwert = 0;
  friend bool operator==(const TGerade&, const TGerade&) = default;
};

// Line segments indexed by date: one slot per trading day of a range, each
// empty or holding one segment.
class TGeradenListe {
 public:
  TGeradenListe() = default;
  // An empty range when bis is before von.
  TGeradenListe(Boersentag von, Boersentag bis);

  Boersentag Von() const { return von_; }
  Boersentag Bis() const { return bis_; }
  bool Enthaelt(Boersentag tag) const { return !slots_.empty() && tag >= von_ && tag <= bis_; }

  // Outside the range nothing happens; a segment already there is replaced.
  void Setzen(Boersentag tag, const TGerade& gerade);
  // None outside the range or for an empty slot.
  std::optional<TGerade> Lesen(Boersentag tag) const;
  // Empties every slot; the range stays.
  void Freigeben();

 private:
  Boersentag von_ = 0;
  Boersentag bis_ = 0;
  std::vector<std::optional<TGerade>> slots_;
};

}  // namespace morvane
