#pragma once

#include <QImage>
#include <QRect>
#include <optional>
#include <string>
#include <vector>

#include "platform/qtleinwand.h"

namespace morvane::test {

// The bounding box of every pixel that is not white; empty when there is none.
QRect Tinte(const QImage& bild);

// Where the text's pixels land when the Qt canvas paints it alone at (x, y)
// in `schrift` on a clear brush, in the same coordinates.
QRect TintePerQt(const TSchrift& schrift, int x, int y, const std::string& text);

// One text call as it reached the Qt canvas.
struct TGemalterText {
  std::string Text;
  TSchrift Schrift;
  std::optional<TRechteck> Clip;
  // The cell the canvas reports: TextBreite wide, the font height high.
  QRect Zelle;
};

// The Qt canvas, keeping every text it paints.
class TMessendeLeinwand : public TQtLeinwand {
 public:
  using TQtLeinwand::TQtLeinwand;
  void Text(int x, int y, std::string_view text) override;
  const std::vector<TGemalterText>& Texte() const { return texte_; }

 private:
  std::vector<TGemalterText> texte_;
};

}  // namespace morvane::test
