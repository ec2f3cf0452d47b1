#pragma once

#include <QImage>
#include <QRect>
#include <string>

#include "platform/qtleinwand.h"

namespace morvane::test {

// The bounding box of every pixel that is not white; empty when there is none.
QRect Tinte(const QImage& bild);

// Where the text's pixels land when the Qt canvas paints it alone at (x, y)
// in `schrift` on a clear brush, in the same coordinates.
QRect TintePerQt(const TSchrift& schrift, int x, int y, const std::string& text);

}  // namespace morvane::test
