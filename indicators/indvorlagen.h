#pragma once

#include <memory>

#include "indicators/indliste.h"
#include "store/einstellungen.h"

namespace morvane {

// The user's indicator set as kept in the settings file.
class TIndVorlagen {
 public:
  // Starts with the default set.
  TIndVorlagen();

  const TIndListe& Liste() const { return *liste_; }
  // A new working list copied from the templates.
  std::unique_ptr<TIndListe> Kopie() const;
  // Frees the current list and takes `liste` (ignored when null).
  void Ersetzen(std::unique_ptr<TIndListe> liste);

  void Speichern(TBinaerSchreiber& datei) const { liste_->Speichern(datei); }
  void Laden(TBinaerLeser& datei) { liste_->Laden(datei); }
  // The settings block interface.
  void Schreibe(TBinaerSchreiber& datei) const { Speichern(datei); }
  void Lies(TBinaerLeser& datei) { Laden(datei); }

 private:
  std::unique_ptr<TIndListe> liste_;
};

// Plugs the indicator set into the settings (nothing when plugged in already);
// a set read before from the file is taken over.
void IndEinstellungenEinstecken(TEinstellungen& einstellungen);
TIndVorlagen& IndVorlagen(TEinstellungen& einstellungen);

}  // namespace morvane
