#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "indicators/indliste.h"
#include "indicators/indvorlagen.h"

namespace morvane {

// Which buttons of the customise dialog are enabled for the selected index
// `auswahl` (negative: none) of a group list with `anzahl` entries. Nothing
// moves past the aggregate, and the aggregate neither moves nor is deleted.
struct TAnpassenKnoepfe {
  bool Auf = false;
  bool Ab = false;
  bool Bearbeiten = false;
  bool Loeschen = false;
};
TAnpassenKnoepfe AnpassenKnoepfe(int auswahl, int anzahl);

// The customise dialog's work on a copy of the templates: the dialog shows
// Eintraege and calls these operations; each returns the index to select.
// Uebernehmen commits the copy to the templates; dropping the object without
// it leaves the templates untouched.
class TIndAnpassen {
 public:
  explicit TIndAnpassen(const TIndVorlagen& vorlagen);

  TIndListe& Liste() { return *kopie_; }
  // The list texts of a group (Titel), the aggregate last.
  std::vector<std::string> Eintraege(int gruppe) const;
  TAnpassenKnoepfe Knoepfe(int gruppe, int auswahl) const;

  // Inserts a new indicator of the kind before the selection (at 0 when
  // nothing is selected). Raises std::invalid_argument for an unknown key.
  int Hinzufuegen(int gruppe, int auswahl, std::string_view schluessel);
  // The confirmation question for deleting the selection.
  std::string LoeschFrage(int gruppe, int auswahl) const;
  int Loeschen(int gruppe, int auswahl);
  int Auf(int gruppe, int auswahl);
  int Ab(int gruppe, int auswahl);

  // Hands the copy to the templates; the object is empty afterwards.
  void Uebernehmen(TIndVorlagen& vorlagen);

 private:
  std::unique_ptr<TIndListe> kopie_;
};

}  // namespace morvane
