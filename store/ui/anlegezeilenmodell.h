#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "store/wpanlegen.h"

namespace morvane {

// The rows of the template search as a table: comment, exchange, name, WKN
// and ISIN. The texts are made when a cell is shown, so that a search that
// finds every entry fills the list at once.
class TAnlegeZeilenModell : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void Setzen(std::vector<TAnlegeZeile> zeilen);
  const std::vector<TAnlegeZeile>& Zeilen() const { return zeilen_; }

  int rowCount(const QModelIndex& eltern = {}) const override;
  int columnCount(const QModelIndex& eltern = {}) const override;
  QVariant data(const QModelIndex& index, int rolle) const override;
  QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

 private:
  std::vector<TAnlegeZeile> zeilen_;
};

}  // namespace morvane
