#include "textmessung.h"

#include <QPainter>

namespace morvane::test {

QRect Tinte(const QImage& bild) {
  QRect box;
  for (int y = 0; y < bild.height(); ++y)
    for (int x = 0; x < bild.width(); ++x)
      if (bild.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
  return box;
}

QRect TintePerQt(const TSchrift& schrift, int x, int y, const std::string& text) {
  // A picture with room for the text in every direction around the point.
  int breite = 0;
  QImage bild(8, 8, QImage::Format_RGB32);
  {
    QPainter p(&bild);
    TQtLeinwand l(p);
    l.SetzeSchrift(schrift);
    breite = l.TextBreite(text);
  }
  const int rand = breite + 2 * schrift.Hoehe + 10;
  bild = QImage(2 * rand, 2 * rand, QImage::Format_RGB32);
  bild.fill(Qt::white);
  {
    QPainter p(&bild);
    TQtLeinwand l(p);
    l.SetzeSchrift(schrift);
    l.SetzePinsel({kWeiss, TPinselStil::Leer});
    l.Text(rand, rand, text);
  }
  return Tinte(bild).translated(x - rand, y - rand);
}

}  // namespace morvane::test
