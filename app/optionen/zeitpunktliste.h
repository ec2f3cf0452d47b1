#pragma once

#include <QStyledItemDelegate>

namespace morvane {

// Draws the rows of the schedule list, "02:00 Uhr\tMontag Freitag\t2 Kataloge",
// in three columns at fixed positions with light grey lines between them.
class TZeitpunktZeilen : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // Left edges of the second and third column; the lines stand just before.
  static constexpr int kSpalte2 = 80;
  static constexpr int kSpalte3 = 330;

  void paint(QPainter* maler, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace morvane
