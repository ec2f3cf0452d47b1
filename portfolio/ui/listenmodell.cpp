#include "portfolio/ui/listenmodell.h"

#include <QColor>
#include <QPainter>

#include "portfolio/depotlisten.h"

namespace morvane {
namespace {

Qt::Alignment Ausrichtung(TDruckAusrichtung a) {
  switch (a) {
    case TDruckAusrichtung::Rechts:
      return Qt::AlignRight | Qt::AlignVCenter;
    case TDruckAusrichtung::Zentriert:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case TDruckAusrichtung::Links:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

TListenModell::TListenModell(const std::vector<TDruckSpalte>& spalten,
                             const std::vector<std::string>& zeilen, QObject* eltern)
    : QAbstractTableModel(eltern), spalten_(spalten), zeilen_(zeilen) {}

int TListenModell::rowCount(const QModelIndex& eltern) const {
  return eltern.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

int TListenModell::columnCount(const QModelIndex& eltern) const {
  return eltern.isValid() ? 0 : static_cast<int>(spalten_.size());
}

QVariant TListenModell::data(const QModelIndex& index, int rolle) const {
  const std::string& zeile = Zeile(index.row());
  const auto spalte = static_cast<std::size_t>(index.column());
  if (rolle == Qt::TextAlignmentRole)
    return QVariant::fromValue(Ausrichtung(spalten_[spalte].Ausrichtung));
  if (rolle != Qt::DisplayRole && rolle != Qt::ForegroundRole) return {};
  if (zeile == kTrennzeile || zeile == kSchlusszeile) return {};
  const auto zellen = ZellenTeilen(zeile);
  if (spalte >= zellen.size()) return {};
  const std::string_view zelle = zellen[spalte];
  if (rolle == Qt::ForegroundRole) {
    return zelle.starts_with('-') ? QVariant(QColor(255, 0, 0)) : QVariant();
  }
  return QString::fromUtf8(zelle.data(), static_cast<qsizetype>(zelle.size()));
}

QVariant TListenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
  if (richtung != Qt::Horizontal || abschnitt < 0 || abschnitt >= columnCount()) return {};
  const TDruckSpalte& spalte = spalten_[static_cast<std::size_t>(abschnitt)];
  if (rolle == Qt::DisplayRole) return QString::fromStdString(spalte.Titel);
  if (rolle == Qt::TextAlignmentRole) return QVariant::fromValue(Ausrichtung(spalte.Ausrichtung));
  return {};
}

void TListenZeichner::paint(QPainter* maler, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  const auto* modell = static_cast<const TListenModell*>(index.model());
  const std::string& zeile = modell->Zeile(index.row());
  const QRect r = option.rect;
  const int mitte = r.top() + r.height() / 2;
  if (zeile != kTrennzeile && zeile != kSchlusszeile) {
    QStyleOptionViewItem o = option;
    o.rect = r.adjusted(4, 0, -6, 0);
    QStyledItemDelegate::paint(maler, o, index);
  }
  maler->save();
  maler->setPen(QColor(192, 192, 192));
  const int unten = zeile == kSchlusszeile ? mitte : r.bottom();
  maler->drawLine(r.right(), r.top(), r.right(), unten);
  if (zeile == kTrennzeile || zeile == kSchlusszeile) {
    maler->drawLine(r.left(), mitte, r.right(), mitte);
  }
  maler->restore();
}

}  // namespace morvane
