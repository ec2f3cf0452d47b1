#include <gtest/gtest.h>

#include <QFontMetrics>

#include "grafik/grafikfenster.h"
#include "platform/qtleinwand.h"
#include "textmessung.h"

namespace morvane {
namespace {

int Zelle(QFont font, int pixel) {
  font.setPixelSize(pixel);
  return QFontMetrics(font).height();
}

// The font height is the cell (ascent + descent): the largest pixel size
// whose cell fits, for an Arial-metric font about 1/1.15 of the height.
TEST(QtSchrift, PixelgroesseFuelltDieZelle) {
  SchriftersatzEinrichten();
  for (const bool fett : {false, true}) {
    QFont arial(QStringLiteral("Arial"));
    arial.setBold(fett);
    for (const int h : {2, 8, 12, 15, 20, 90, 300}) {
      SCOPED_TRACE(testing::Message() << "h " << h << (fett ? " fett" : ""));
      const int pixel = PixelGroesseFuerZelle(arial, h, nullptr);
      EXPECT_LE(Zelle(arial, pixel), h);
      EXPECT_GT(Zelle(arial, pixel + 1), h);
      if (h >= 8) {
        EXPECT_GE(pixel * 125, h * 100);
        EXPECT_LE(pixel * 105, h * 100);
      }
    }
  }
  QFont arial(QStringLiteral("Arial"));
  EXPECT_EQ(PixelGroesseFuerZelle(arial, 1, nullptr), 1);
  EXPECT_EQ(PixelGroesseFuerZelle(arial, 0, nullptr), 1);
  EXPECT_EQ(PixelGroesseFuerZelle(arial, -12, nullptr), 1);
}

// What the canvas reports as the text's cell (TextBreite by the font height,
// upright for 900) is where the text lands, and a solid brush fills exactly
// that cell. Every text has a descender, so its letters span most of the cell.
TEST(QtSchrift, ZelleUndTextBreiteDeckenSichMitDemGemalten) {
  struct TFall {
    int Hoehe;
    int Winkel;
    bool Fett;
    const char* Text;
  };
  for (const TFall& fall :
       {TFall{12, 0, false, "Eröffnung: Tag"}, TFall{8, 0, false, "Mai, Juni"},
        TFall{15, 0, true, "Apple, US0378331005"}, TFall{12, 900, false, "Kauf 10 g"},
        TFall{20, 900, true, "Verkauf, Split"}}) {
    SCOPED_TRACE(fall.Text);
    TSchrift schrift;
    schrift.Hoehe = fall.Hoehe;
    schrift.Winkel = fall.Winkel;
    schrift.Fett = fall.Fett;
    const QRect tinte = test::TintePerQt(schrift, 100, 150, fall.Text);

    QImage bild(300, 300, QImage::Format_RGB32);
    bild.fill(Qt::white);
    int breite = 0;
    {
      QPainter p(&bild);
      TQtLeinwand l(p);
      l.SetzeSchrift(schrift);
      l.SetzePinsel({kSilber, TPinselStil::Voll});
      breite = l.TextBreite(fall.Text);
      l.Text(100, 150, fall.Text);
    }
    const bool hoch = fall.Winkel == 900;
    const QRect zelle =
        hoch ? QRect(100, 150 - breite, fall.Hoehe, breite) : QRect(100, 150, breite, fall.Hoehe);
    EXPECT_EQ(test::Tinte(bild), zelle);
    EXPECT_TRUE(zelle.contains(tinte))
        << tinte.x() << "," << tinte.y() << " " << tinte.width() << "x" << tinte.height();
    // The width is the text's, not a generous guess.
    const int laenge = hoch ? tinte.height() : tinte.width();
    const int dicke = hoch ? tinte.width() : tinte.height();
    EXPECT_GE(laenge, breite - 3);
    EXPECT_GE(dicke * 10, fall.Hoehe * 7);
  }
}

}  // namespace
}  // namespace morvane
