#include "app/optionen/zeitpunktliste.h"

#include <QApplication>
#include <QPainter>

namespace morvane {
namespace {

// Light grey, 192/192/192.
const QColor kTrennlinie(0xC0, 0xC0, 0xC0);

constexpr int kRand = 12;

}  // namespace

int TZeitpunktZeilen::Spalte2(const QFontMetrics& metrik) {
  return metrik.horizontalAdvance(QStringLiteral("00:00 Uhr")) + kRand;
}

int TZeitpunktZeilen::Spalte3(const QFontMetrics& metrik) {
  return Spalte2(metrik) +
         metrik.horizontalAdvance(
             QStringLiteral("Montag Dienstag Mittwoch Donnerstag Freitag Samstag Sonntag")) +
         kRand;
}

int TZeitpunktZeilen::Breite(const QFontMetrics& metrik) {
  return Spalte3(metrik) + metrik.horizontalAdvance(QStringLiteral("00 Kataloge")) + kRand;
}

void TZeitpunktZeilen::paint(QPainter* maler, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  QStyleOptionViewItem hintergrund = option;
  initStyleOption(&hintergrund, index);
  hintergrund.text.clear();
  const QStyle* stil = option.widget ? option.widget->style() : QApplication::style();
  stil->drawControl(QStyle::CE_ItemViewItem, &hintergrund, maler, option.widget);

  const QStringList spalten = index.data().toString().split(u'\t');
  const QRect r = option.rect;
  const int kanten[] = {r.left() + 4, r.left() + Spalte2(option.fontMetrics),
                        r.left() + Spalte3(option.fontMetrics), r.right()};
  maler->save();
  const bool gewaehlt = option.state & QStyle::State_Selected;
  maler->setPen(option.palette.color(gewaehlt ? QPalette::HighlightedText : QPalette::Text));
  for (int i = 0; i < 3 && i < spalten.size(); ++i) {
    const QRect feld(kanten[i], r.top(), kanten[i + 1] - kanten[i] - 6, r.height());
    const QString text = option.fontMetrics.elidedText(spalten[i], Qt::ElideRight, feld.width());
    maler->drawText(feld, Qt::AlignVCenter | Qt::AlignLeft, text);
  }
  maler->setPen(kTrennlinie);
  for (const int x : {kanten[1] - 4, kanten[2] - 4})
    maler->drawLine(x, r.top(), x, r.bottom());
  maler->restore();
}

}  // namespace morvane
