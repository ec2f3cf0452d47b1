#include "indicators/indanpassen.h"

#include <stdexcept>

#include "indicators/indikatortypen.h"

namespace morvane {

TAnpassenKnoepfe AnpassenKnoepfe(int auswahl, int anzahl) {
  TAnpassenKnoepfe k;
  k.Auf = 0 < auswahl && auswahl < anzahl - 1;
  k.Ab = 0 <= auswahl && auswahl < anzahl - 2;
  k.Bearbeiten = 0 <= auswahl && auswahl < anzahl;
  k.Loeschen = 0 <= auswahl && auswahl < anzahl - 1;
  return k;
}

TIndAnpassen::TIndAnpassen(const TIndVorlagen& vorlagen) : kopie_(vorlagen.Kopie()) {}

std::vector<std::string> TIndAnpassen::Eintraege(int gruppe) const {
  std::vector<std::string> texte;
  for (int i = 0; i < kopie_->Anzahl(gruppe); ++i)
    texte.push_back(kopie_->Indikator(gruppe, i).Titel());
  return texte;
}

TAnpassenKnoepfe TIndAnpassen::Knoepfe(int gruppe, int auswahl) const {
  return AnpassenKnoepfe(auswahl, kopie_->Anzahl(gruppe));
}

int TIndAnpassen::Hinzufuegen(int gruppe, int auswahl, std::string_view schluessel) {
  auto indikator = ErzeugeIndikator(schluessel);
  if (!indikator)
    throw std::invalid_argument("Unbekannter Indikatortyp '" + std::string(schluessel) + "'");
  const int stelle = auswahl < 0 ? 0 : auswahl;
  kopie_->Einfuegen(gruppe, stelle, std::move(indikator));
  return stelle;
}

std::string TIndAnpassen::LoeschFrage(int gruppe, int auswahl) const {
  return "Indikator '" + kopie_->Indikator(gruppe, auswahl).Titel() + "' wirklich löschen?";
}

int TIndAnpassen::Loeschen(int gruppe, int auswahl) {
  kopie_->Loeschen(gruppe, auswahl);
  return auswahl;
}

int TIndAnpassen::Auf(int gruppe, int auswahl) {
  if (!Knoepfe(gruppe, auswahl).Auf) return auswahl;
  kopie_->Tauschen(gruppe, auswahl, auswahl - 1);
  return auswahl - 1;
}

int TIndAnpassen::Ab(int gruppe, int auswahl) {
  if (!Knoepfe(gruppe, auswahl).Ab) return auswahl;
  kopie_->Tauschen(gruppe, auswahl, auswahl + 1);
  return auswahl + 1;
}

void TIndAnpassen::Uebernehmen(TIndVorlagen& vorlagen) {
  if (kopie_) vorlagen.Ersetzen(std::move(kopie_));
}

}  // namespace morvane
