#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>

#include "grafik/leinwand.h"

namespace morvane {

// The chart canvas on a QPainter: the same chart paints on the screen, into a
// QImage, an SVG generator, a PDF writer or a printer. The painter is not
// owned and must be active for the canvas's lifetime. Primitives follow the
// coordinate rules of TLeinwand exactly (exclusive right and bottom edges,
// line end pixel left out), without antialiasing.
//
// The font height is the height of the text cell (see PixelGroesseFuerZelle).
// Text is drawn with the font colour as the painter's pen, and whatever lies
// wholly outside the clip rectangle is skipped before it reaches the painter,
// so that back ends that ignore clipping (the SVG generator) show what the
// picture shows.
class TQtLeinwand : public TLeinwand {
 public:
  explicit TQtLeinwand(QPainter& painter);

  void Linie(int x1, int y1, int x2, int y2) override;
  void Rechteck(int links, int oben, int rechts, int unten) override;
  void Ellipse(int links, int oben, int rechts, int unten) override;
  void Vieleck(std::span<const TPunkt> punkte) override;
  void Text(int x, int y, std::string_view text) override;
  int TextBreite(std::string_view text) override;
  void BildKopieren(const TBild& bild, const TRechteck& quelle, const TRechteck& ziel) override;
  void SetzeClip(const std::optional<TRechteck>& clip) override;

 private:
  // False when the rectangle (exclusive edges) lies wholly outside the clip.
  bool Sichtbar(const QRect& r) const;
  void StiftAnwenden();
  void PinselAnwenden();
  const QFont& Font();

  QPainter& painter_;
  // What the painter holds, to avoid resetting pens for every primitive.
  std::optional<TStift> stift_;
  std::optional<TPinsel> pinsel_;
  std::optional<TSchrift> schrift_;
  QFont font_;
};

// The font heights of the charts are cell heights (ascent + descent), not em
// sizes: this is the largest pixel size at which the font's cell on the device
// (nullptr: the screen) is at most `zellhoehe` pixels high, at least 1. The
// result is measured once per family, weight, height and resolution.
int PixelGroesseFuerZelle(const QFont& font, int zellhoehe, const QPaintDevice* geraet);

// Makes "Arial" resolve to a metric-compatible installed font (Liberation
// Sans) when Arial itself is not installed. Needs a QGuiApplication.
void SchriftersatzEinrichten();

}  // namespace morvane
