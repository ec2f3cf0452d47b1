#pragma once

#include <span>
#include <vector>

#include "indicators/bausteine.h"
#include "indicators/fenstersumme.h"

namespace morvane {

// The moves between consecutive present closes of a window: the exact sums
// of the rises, of the falls (as positive amounts) and of both.
struct TKettensummen {
  TFenstersumme Auf;
  TFenstersumme Ab;
  TFenstersumme Weg;

  // this +/-= the move from `vorher` to `nachher`, exactly.
  void Aendern(double vorher, double nachher, bool abziehen);
};

// For every record i: ausgabe(i, summen) with the moves between consecutive
// present closes of the records i-n+1..i (both inside the window; a missing
// close is skipped without breaking the chain), computed running. For n < 1
// the windows are empty.
template <typename Ausgabe>
void Kettensummen(std::span<const double> schluss, int n, Ausgabe ausgabe) {
  const int laenge = static_cast<int>(schluss.size());
  // The next present close after each record.
  std::vector<int> naechster(schluss.size(), laenge);
  for (int r = laenge - 2; r >= 0; --r)
    naechster[r] = Vorhanden(schluss[r + 1]) ? r + 1 : naechster[r + 1];
  TKettensummen summen;
  int letzter = -1;  // the last present close so far
  for (int i = 0; i < laenge; ++i) {
    // The move out of the record that leaves, if it was counted.
    const int weg = i - n;
    if (n >= 1 && weg >= 0 && Vorhanden(schluss[weg]) && naechster[weg] <= i - 1)
      summen.Aendern(schluss[weg], schluss[naechster[weg]], true);
    if (Vorhanden(schluss[i])) {
      if (letzter >= i - n + 1 && letzter >= 0) summen.Aendern(schluss[letzter], schluss[i], false);
      letzter = i;
    }
    ausgabe(i, summen);
  }
}

}  // namespace morvane
