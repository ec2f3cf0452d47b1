#include "indicators/indvorlagen.h"

#include <utility>

namespace morvane {

TIndVorlagen::TIndVorlagen() : liste_(std::make_unique<TIndListe>()) {
  StandardsatzEinfuegen(*liste_);
}

std::unique_ptr<TIndListe> TIndVorlagen::Kopie() const {
  return std::make_unique<TIndListe>(*liste_);
}

void TIndVorlagen::Ersetzen(std::unique_ptr<TIndListe> liste) {
  if (liste) liste_ = std::move(liste);
}

void IndEinstellungenEinstecken(TEinstellungen& einstellungen) {
  if (!einstellungen.Eingesteckt(TEinstellungsBlockArt::IndVorlagen))
    einstellungen.Einstecken<TIndVorlagen>(TEinstellungsBlockArt::IndVorlagen);
}

TIndVorlagen& IndVorlagen(TEinstellungen& einstellungen) {
  return einstellungen.Block<TIndVorlagen>(TEinstellungsBlockArt::IndVorlagen);
}

}  // namespace morvane
