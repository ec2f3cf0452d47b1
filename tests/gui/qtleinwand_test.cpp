#include "platform/qtleinwand.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>

#include "grafik/grafikfenster.h"

namespace morvane {
namespace {

QImage WeissesBild(int w = 40, int h = 40) {
  QImage bild(w, h, QImage::Format_RGB32);
  bild.fill(Qt::white);
  return bild;
}

bool Schwarz(const QImage& b, int x, int y) {
  return b.pixel(x, y) == qRgb(0, 0, 0);
}

TEST(QtLeinwand, ArialWirdZuLiberationSans) {
  SchriftersatzEinrichten();
  QFont arial(QStringLiteral("Arial"));
  arial.setPixelSize(15);
  EXPECT_EQ(QFontInfo(arial).family(), QStringLiteral("Liberation Sans"));
}

TEST(QtLeinwand, LinienLassenDenEndpunktWeg) {
  QImage bild = WeissesBild();
  {
    QPainter p(&bild);
    TQtLeinwand l(p);
    l.Linie(2, 5, 12, 5);
    l.Linie(20, 2, 20, 12);
    l.Linie(30, 30, 32, 30);  // a printer dash: two pixels
    l.Linie(30, 20, 34, 24);
  }
  EXPECT_TRUE(Schwarz(bild, 30, 30));
  EXPECT_TRUE(Schwarz(bild, 31, 30));
  EXPECT_FALSE(Schwarz(bild, 32, 30));
  EXPECT_TRUE(Schwarz(bild, 33, 23));
  EXPECT_FALSE(Schwarz(bild, 34, 24));
  for (int x = 2; x < 12; ++x)
    EXPECT_TRUE(Schwarz(bild, x, 5)) << x;
  EXPECT_FALSE(Schwarz(bild, 12, 5));
  EXPECT_FALSE(Schwarz(bild, 1, 5));
  EXPECT_TRUE(Schwarz(bild, 20, 2));
  EXPECT_TRUE(Schwarz(bild, 20, 11));
  EXPECT_FALSE(Schwarz(bild, 20, 12));
}

TEST(QtLeinwand, RechteckeMitUndOhneStiftDeckenBeideEcken) {
  QImage bild = WeissesBild();
  {
    QPainter p(&bild);
    TQtLeinwand l(p);
    TGrafikfenster f(l, {0, 0, 39, 39});
    f.SetzePinselFarbe(kRot);
    f.Rechteck(10, 10, 5, 5);  // black outline, red inside
    f.StiftLeer();
    f.SetzePinselFarbe(kGruen);
    f.Rechteck(20, 20, 25, 25);
  }
  for (int i = 5; i <= 10; ++i) {
    EXPECT_TRUE(Schwarz(bild, i, 5)) << i;
    EXPECT_TRUE(Schwarz(bild, i, 10)) << i;
    EXPECT_TRUE(Schwarz(bild, 10, i)) << i;
  }
  EXPECT_EQ(bild.pixel(7, 7), qRgb(255, 0, 0));
  EXPECT_EQ(bild.pixel(11, 11), qRgb(255, 255, 255));
  EXPECT_EQ(bild.pixel(20, 20), qRgb(0, 128, 0));
  EXPECT_EQ(bild.pixel(25, 25), qRgb(0, 128, 0));
  EXPECT_EQ(bild.pixel(26, 25), qRgb(255, 255, 255));
  EXPECT_EQ(bild.pixel(25, 26), qRgb(255, 255, 255));
}

TEST(QtLeinwand, ClipUndGedrehterText) {
  QImage bild = WeissesBild(200, 200);
  int breite = 0;
  {
    QPainter p(&bild);
    TQtLeinwand l(p);
    TGrafikfenster f(l, {100, 0, 199, 199});
    f.SetzePinselFarbe(kSchwarz);
    f.StiftLeer();
    f.Rechteck(-50, 0, 10, 10);  // only its part inside the surface shows
    f.PinselLeer();
    f.SetzeSchriftHoehe(15);
    breite = f.TextBreite("Kauf 10");
    f.SetzeSchriftWinkel(900);
    f.Text(50, 150, "Kauf 10");
  }
  EXPECT_FALSE(Schwarz(bild, 99, 5));
  EXPECT_TRUE(Schwarz(bild, 100, 5));
  EXPECT_GT(breite, 30);
  // The upright text lies in x 150 ... 165, y 150 - width ... 150.
  int schwarzOben = 0, schwarzAusserhalb = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 101; x < 200; ++x) {
      if (qGray(bild.pixel(x, y)) > 128) continue;
      if (x >= 150 && x <= 166 && y >= 150 - breite - 1 && y <= 151)
        ++schwarzOben;
      else if (y > 12)
        ++schwarzAusserhalb;
    }
  EXPECT_GT(schwarzOben, 20);
  EXPECT_EQ(schwarzAusserhalb, 0);
}

}  // namespace
}  // namespace morvane
