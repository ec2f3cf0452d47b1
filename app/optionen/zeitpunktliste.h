#pragma once

#include <QStyledItemDelegate>

namespace morvane {

// Draws the rows of the schedule list, "02:00 Uhr\tMontag Freitag\t2 Kataloge",
// in three columns at fixed positions with light grey lines between them.
class TZeitpunktZeilen : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // Left edges of the second and third column for a font: wide enough for
  // "00:00 Uhr" and for all seven weekdays; the lines stand just before.
  static int Spalte2(const QFontMetrics& metrik);
  static int Spalte3(const QFontMetrics& metrik);
  // The whole row with "0 Kataloge".
  static int Breite(const QFontMetrics& metrik);

  void paint(QPainter* maler, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace morvane
