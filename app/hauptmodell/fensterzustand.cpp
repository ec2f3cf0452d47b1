#include "app/hauptmodell/fensterzustand.h"

#include <algorithm>

#include "store/einstellungen.h"

namespace morvane {

std::optional<TFensterrechteck> GespeichertesRechteck(const TEinstellungen& einstellungen) {
  const TFensterrechteck& r = einstellungen.Fensterrechteck;
  if (r[2] == r[0] && r[3] == r[1]) return std::nullopt;
  if (r[2] <= 0 || r[3] <= 0) return std::nullopt;
  return r;
}

void FensterzustandSpeichern(TEinstellungen& einstellungen, const TFensterzustand& zustand) {
  einstellungen.Maximiert = zustand.Maximiert;
  if (!zustand.Maximiert) einstellungen.Fensterrechteck = zustand.Rechteck;
  einstellungen.OffeneKataloge = zustand.OffeneKataloge;
  einstellungen.OffenesWertpapier.clear();
  if (zustand.OffenesWertpapier)
    einstellungen.OffenesWertpapier.push_back(*zustand.OffenesWertpapier);
  einstellungen.Speichern();
}

int PanelBreite(int mausX, int startX, int clientBreite, int teilerBreite) {
  return std::max(0, std::min(mausX - startX, clientBreite - teilerBreite));
}

int KataloglistenHoehe(int mausY, int startY, int panelHoehe, int teilerHoehe, int kopfHoehe) {
  return std::max(0, std::min(mausY - startY, panelHoehe - teilerHoehe - kopfHoehe));
}

}  // namespace morvane
