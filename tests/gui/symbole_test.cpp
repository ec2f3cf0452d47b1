#include "platform/symbole.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <set>
#include <stdexcept>

namespace morvane {
namespace {

// Share of the pixels that are not fully transparent.
double Deckung(const QImage& bild) {
  int gedeckt = 0;
  for (int y = 0; y < bild.height(); ++y)
    for (int x = 0; x < bild.width(); ++x)
      gedeckt += qAlpha(bild.pixel(x, y)) > 0;
  return double(gedeckt) / (bild.width() * bild.height());
}

TEST(Symbole, EveryIconIsValidSvgAndDrawsAtToolbarSizes) {
  for (const std::string_view name : SymbolNamen()) {
    SCOPED_TRACE(std::string(name));
    const QString pfad = ":/symbole/" + QString::fromUtf8(name.data(), name.size()) + ".svg";
    QSvgRenderer svg(pfad);
    ASSERT_TRUE(svg.isValid());
    const QIcon symbol = Symbol(name);
    ASSERT_FALSE(symbol.isNull());
    for (const int groesse : {16, 24}) {
      const QImage bild = symbol.pixmap(groesse, groesse).toImage();
      ASSERT_EQ(bild.size(), QSize(groesse, groesse));
      // Drawn, but not a filled square that would read as a blot.
      EXPECT_GT(Deckung(bild), 0.12) << groesse;
      EXPECT_LT(Deckung(bild), 0.95) << groesse;
    }
  }
}

TEST(Symbole, ResourceHoldsExactlyTheNamedIcons) {
  (void)Symbol("morvane");  // registers the resource
  std::set<std::string> dateien;
  for (const QString& datei : QDir(":/symbole").entryList(QDir::Files))
    dateien.insert(datei.toStdString());
  std::set<std::string> erwartet;
  for (const std::string_view name : SymbolNamen())
    erwartet.insert(std::string(name) + ".svg");
  EXPECT_EQ(dateien, erwartet);
  EXPECT_EQ(erwartet.size(), 12u);
}

TEST(Symbole, UnknownNameIsAProgrammerError) {
  for (const std::string name : {"", "Linienchart", "kerze", "morvane.svg"}) {
    SCOPED_TRACE(name);
    try {
      Symbol(name);
      ADD_FAILURE() << "no exception";
    } catch (const std::logic_error& e) {
      EXPECT_STREQ(e.what(), ("Unbekanntes Symbol '" + name + "'.").c_str());
    }
  }
}

// Not a check: draws every icon at 16 and 24 pixels (and the program icon at
// 64) into symbole.png in the
// test's working directory (build-test/tests/gui/), for people to look at.
TEST(Symbole, SheetForTheEye) {
  const auto namen = SymbolNamen();
  QImage bogen(int(namen.size()) * 32 + 80, 80, QImage::Format_ARGB32);
  bogen.fill(Qt::white);
  QPainter maler(&bogen);
  int x = 8;
  for (const std::string_view name : namen) {
    maler.drawPixmap(x, 8, Symbol(name).pixmap(16, 16));
    maler.drawPixmap(x, 32, Symbol(name).pixmap(24, 24));
    maler.fillRect(x, 60, 24, 16, QColor(0xd4, 0xd0, 0xc8));
    maler.drawPixmap(x + 4, 60, Symbol(name).pixmap(16, 16));
    x += 32;
  }
  maler.drawPixmap(x, 8, Symbol("morvane").pixmap(64, 64));
  maler.end();
  EXPECT_TRUE(bogen.save("symbole.png"));
}

}  // namespace
}  // namespace morvane
