#include "store/ui/anlegezeilenmodell.h"

#include <array>
#include <utility>

namespace morvane {
namespace {

const std::array<const char*, kZeilenSpalten> kUeberschriften = {"Bemerkung", "Börse", "Name",
                                                                 "WKN", "ISIN"};

}  // namespace

void TAnlegeZeilenModell::Setzen(std::vector<TAnlegeZeile> zeilen) {
  beginResetModel();
  zeilen_ = std::move(zeilen);
  endResetModel();
}

int TAnlegeZeilenModell::rowCount(const QModelIndex& eltern) const {
  return eltern.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

int TAnlegeZeilenModell::columnCount(const QModelIndex& eltern) const {
  return eltern.isValid() ? 0 : kZeilenSpalten;
}

QVariant TAnlegeZeilenModell::data(const QModelIndex& index, int rolle) const {
  if (rolle != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  const auto spalten = ZeilenSpalten(zeilen_[static_cast<std::size_t>(index.row())]);
  return QString::fromStdString(spalten[static_cast<std::size_t>(index.column())]);
}

QVariant TAnlegeZeilenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
  if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole || abschnitt < 0 ||
      abschnitt >= kZeilenSpalten) {
    return {};
  }
  return QString::fromUtf8(kUeberschriften[static_cast<std::size_t>(abschnitt)]);
}

}  // namespace morvane
