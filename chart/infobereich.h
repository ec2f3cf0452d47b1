#pragma once

#include "chart/grafikfeld.h"
#include "core/datum.h"
#include "core/wertpapier.h"

namespace morvane {

// The narrow field beside the security chart with the figures of one trading
// day: the six price fields with their change against the record before, and
// the investor's holding and book gain on that day. The chart field hands it
// the chart's last visible day.
//
// The security is not owned; it must stay alive while it is shown (until the
// next SetzeWertpapier).
class TChart_Infobereich : public TGrafikfeld {
 public:
  TChart_Infobereich() = default;

  // Shows another security (nullptr: none) and repaints.
  void SetzeWertpapier(const TWertpapier* wertpapier);
  // Repaints only when the day changes; 0 means no day.
  void SetzeTag(Boersentag tag);

  const TWertpapier* Wertpapier() const { return wertpapier_; }
  Boersentag Tag() const { return tag_; }

  void GroesseGeaendert() override { NeuZeichnen(true); }
  void Zeichne(TGrafikfenster& fenster) override;
  void MausKlick(TMausTaste, TUmschaltStatus, TPunkt, TPunkt) override {}

 private:
  // Each paints its block from y on and returns the y below it.
  int Tagesblock(TGrafikfenster& f, int y) const;
  int Depotblock(TGrafikfenster& f, int y) const;
  // A light grey band behind a row, from y1 to y2 across the whole width.
  void Band(TGrafikfenster& f, int y1, int y2) const;
  // A row's label at (x, y); returns where a text beside it may begin.
  int Beschriftung(TGrafikfenster& f, int x, int y, const std::string& text) const;
  // A text right-aligned at the field's right margin. A text wider than the
  // room from `links` to the margin (a large change beside its label, a long
  // volume) is drawn in a smaller font rather than over the label or cut off.
  void Rechtsbuendig(TGrafikfenster& f, int y, const std::string& text, int links = 0) const;

  const TWertpapier* wertpapier_ = nullptr;
  Boersentag tag_ = 0;
};

}  // namespace morvane
