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
  // Where a value beside a label at x goes: 0 when it fits on the label's
  // line (in a font reduced down to a readable size at most), else 10·fy,
  // the line below.
  int Umbruch(TGrafikfenster& f, int x, const std::string& beschriftung,
              const std::string& wert) const;
  // The label at (x, y) in black, then the value in `farbe` right-aligned
  // `umbruch` lower; returns the y of the value's line.
  int Zeile(TGrafikfenster& f, int x, int y, const std::string& beschriftung,
            const std::string& wert, TFarbe farbe, int umbruch) const;
  // Where a value beside a label at x may begin.
  int Neben(TGrafikfenster& f, int x, const std::string& beschriftung) const;
  // A text right-aligned at the field's right margin. A text wider than the
  // room from `links` to the margin is drawn in a smaller font rather than
  // over the label or cut off.
  void Rechtsbuendig(TGrafikfenster& f, int y, const std::string& text, int links = 0) const;
  // Sets the largest font height up to the area's own (at least 1) at which
  // the text fits into `raum` pixels and returns it.
  int Einpassen(TGrafikfenster& f, const std::string& text, int raum) const;

  const TWertpapier* wertpapier_ = nullptr;
  Boersentag tag_ = 0;
};

}  // namespace morvane
