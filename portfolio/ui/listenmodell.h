#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <string>
#include <vector>

#include "grafik/drucktabelle.h"

namespace morvane {

// The rows of a list for a table view; cells are split at the tabs when asked.
class TListenModell : public QAbstractTableModel {
 public:
  TListenModell(const std::vector<TDruckSpalte>& spalten, const std::vector<std::string>& zeilen,
                QObject* eltern = nullptr);
  int rowCount(const QModelIndex& eltern = {}) const override;
  int columnCount(const QModelIndex& eltern = {}) const override;
  QVariant data(const QModelIndex& index, int rolle) const override;
  QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

  const std::string& Zeile(int zeile) const { return zeilen_[static_cast<std::size_t>(zeile)]; }

 private:
  const std::vector<TDruckSpalte>& spalten_;
  const std::vector<std::string>& zeilen_;
};

// Draws the cells with the list convention: silver column lines, red cells
// beginning with "-", the separator row "-1" as a light grey line through the
// middle and the closing row "-2" with the column lines ending there.
class TListenZeichner : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* maler, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace morvane
