#include "chart/grafikfeld.h"

#include <algorithm>

namespace morvane {

void TGrafikfeld::SetzeGrenzen(const TRechteck& grenzen) {
  grenzen_ = grenzen;
  breite_ = std::max(0, grenzen.Rechts - grenzen.Links + 1);
  hoehe_ = std::max(0, grenzen.Unten - grenzen.Oben + 1);
  GroesseGeaendert();
}

bool TGrafikfeld::EnthaeltPunkt(TPunkt p) const {
  return sichtbar_ && grenzen_.Links <= p.x && p.x <= grenzen_.Rechts && grenzen_.Oben <= p.y &&
         p.y <= grenzen_.Unten;
}

void TGrafikfeld::ZeichneIn(TGrafikfenster& fenster) {
  if (!sichtbar_) return;
  const auto teil = fenster.Teilfenster(grenzen_);
  Zeichne(*teil);
}

void TGrafikfeld::ZeichneInRechteck(TGrafikfenster& fenster, const TRechteck& rechteck) {
  const TRechteck alteGrenzen = grenzen_;
  TNeuZeichnenEreignis ereignis = std::move(onNeuZeichnen_);
  onNeuZeichnen_ = nullptr;
  struct Wiederherstellen {
    TGrafikfeld& feld;
    const TRechteck& grenzen;
    TNeuZeichnenEreignis& ereignis;
    ~Wiederherstellen() {
      feld.onNeuZeichnen_ = std::move(ereignis);
      feld.SetzeGrenzen(grenzen);
    }
  } wiederherstellen{*this, alteGrenzen, ereignis};
  SetzeGrenzen(rechteck);
  ZeichneIn(fenster);
}

void TGrafikfeld::Klick(TMausTaste taste, TUmschaltStatus status, TPunkt bildschirm,
                        TPunkt besitzer) {
  MausKlick(taste, status, bildschirm,
            TPunkt{besitzer.x - grenzen_.Links, besitzer.y - grenzen_.Oben});
}

void TGrafikfeld::NeuZeichnen(bool loeschen) {
  if (sichtbar_ && onNeuZeichnen_) onNeuZeichnen_(grenzen_, loeschen);
}

void TGrafikfeld::NeuZeichnenTeil(const TRechteck& r, bool loeschen) {
  if (sichtbar_ && onNeuZeichnen_)
    onNeuZeichnen_(TRechteck{r.Links + grenzen_.Links, r.Oben + grenzen_.Oben,
                             r.Rechts + grenzen_.Links, r.Unten + grenzen_.Oben},
                   loeschen);
}

}  // namespace morvane
