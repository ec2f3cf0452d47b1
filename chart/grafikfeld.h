#pragma once

#include <functional>

#include "grafik/grafikfenster.h"

namespace morvane {

enum class TMausTaste { Links, Rechts, Mitte };

// Keys held during a click.
struct TUmschaltStatus {
  bool Umschalt = false;
  bool Strg = false;
  bool Alt = false;
};

// A rectangular region of the display that lays itself out when resized,
// paints itself into a surface in its own coordinates, takes mouse clicks and
// asks its owner for repaints. Bounds are inclusive, in the owner's coordinates.
class TGrafikfeld {
 public:
  // Rectangle in the owner's coordinates; true asks for the background to be
  // erased first.
  using TNeuZeichnenEreignis = std::function<void(const TRechteck&, bool loeschen)>;

  TGrafikfeld() = default;
  virtual ~TGrafikfeld() = default;
  TGrafikfeld(const TGrafikfeld&) = delete;
  TGrafikfeld& operator=(const TGrafikfeld&) = delete;

  virtual void SetzeSichtbar(bool sichtbar) { sichtbar_ = sichtbar; }
  // Lay out after the bounds changed.
  virtual void GroesseGeaendert() = 0;
  // Paint in field coordinates.
  virtual void Zeichne(TGrafikfenster& fenster) = 0;
  virtual void MausKlick(TMausTaste taste, TUmschaltStatus status, TPunkt bildschirm,
                         TPunkt feld) = 0;

  // Stores the bounds and lays the field out.
  void SetzeGrenzen(const TRechteck& grenzen);
  bool EnthaeltPunkt(TPunkt p) const;
  void SetzeOnNeuZeichnen(TNeuZeichnenEreignis ereignis) { onNeuZeichnen_ = std::move(ereignis); }
  bool Sichtbar() const { return sichtbar_; }

  // Paints the field, when visible, into its part of the owner's surface.
  void ZeichneIn(TGrafikfenster& fenster);
  // Paints the field as if its bounds were `rechteck` (printing); the bounds,
  // layout and repaint event are restored afterwards, also on an exception.
  void ZeichneInRechteck(TGrafikfenster& fenster, const TRechteck& rechteck);
  // A click at a point in the owner's coordinates.
  void Klick(TMausTaste taste, TUmschaltStatus status, TPunkt bildschirm, TPunkt besitzer);
  void NeuZeichnen(bool loeschen);
  // A field-relative rectangle.
  void NeuZeichnenTeil(const TRechteck& rechteck, bool loeschen);

  int Links() const { return grenzen_.Links; }
  int Oben() const { return grenzen_.Oben; }
  int Rechts() const { return grenzen_.Rechts; }
  int Unten() const { return grenzen_.Unten; }
  int Breite() const { return breite_; }
  int Hoehe() const { return hoehe_; }
  const TRechteck& Grenzen() const { return grenzen_; }

 private:
  TRechteck grenzen_;
  int breite_ = 0;
  int hoehe_ = 0;
  bool sichtbar_ = true;
  TNeuZeichnenEreignis onNeuZeichnen_;
};

}  // namespace morvane
