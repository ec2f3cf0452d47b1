#include "core/ui/kurstabellenmodell.h"

#include "core/datumtext.h"
#include "core/ui/wpdialogteile.h"
#include "core/zahltext.h"

namespace morvane {

namespace {

constexpr const char* kUeberschriften[] = {"Datum",      "Eröffnungskurs", "Höchstkurs",
                                           "Tiefstkurs", "Schlusskurs",    "Kassakurs",
                                           "Stückumsatz"};

// The cell's text; `gruppiert` for showing, plain for editing.
std::string Zelltext(const TKurs& kurs, int spalte, bool gruppiert) {
  const double wert = KursFeld(kurs, KurstabellenFeld(spalte));
  if (wert == 0) return {};
  if (spalte == 6) return gruppiert ? ZahlZuTextGruppiert(0, wert) : ZahlZuText(0, wert);
  return gruppiert ? KursZuTextGruppiert(wert) : KursZuText(wert);
}

}  // namespace

TKurstabellenModell::TKurstabellenModell(TKurse& kurse, TKursZeitraum zeitraum, QObject* eltern)
    : QAbstractTableModel(eltern), kurse_(kurse), zeitraum_(zeitraum) {}

void TKurstabellenModell::Neu() {
  beginResetModel();
  endResetModel();
}

std::vector<TDruckSpalte> TKurstabellenModell::DruckSpalten() {
  std::vector<TDruckSpalte> spalten;
  for (const char* titel : kUeberschriften)
    spalten.push_back(
        {titel, spalten.empty() ? TDruckAusrichtung::Links : TDruckAusrichtung::Rechts});
  return spalten;
}

std::vector<std::string> TKurstabellenModell::DruckZeilen(TKursZeitraum zeitraum) const {
  std::vector<std::string> zeilen;
  for (Boersentag tag = zeitraum.Von; tag <= zeitraum.Bis; ++tag) {
    const TKurs* kurs = kurse_.Suche(tag);
    if (!kurs) continue;
    std::string zeile = BoersentagZuText(tag);
    for (int spalte = 1; spalte < kSpalten; ++spalte)
      zeile += '\t' + Zelltext(*kurs, spalte, true);
    zeilen.push_back(std::move(zeile));
  }
  return zeilen;
}

int TKurstabellenModell::rowCount(const QModelIndex& eltern) const {
  return eltern.isValid() ? 0 : std::max(0, zeitraum_.Bis - zeitraum_.Von + 1);
}

int TKurstabellenModell::columnCount(const QModelIndex& eltern) const {
  return eltern.isValid() ? 0 : kSpalten;
}

QVariant TKurstabellenModell::data(const QModelIndex& index, int rolle) const {
  if (!index.isValid()) return {};
  if (rolle == Qt::TextAlignmentRole)
    return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
  if (rolle != Qt::DisplayRole && rolle != Qt::EditRole) return {};
  const Boersentag tag = Tag(index.row());
  if (index.column() == 0) return UiText(BoersentagZuText(tag));
  const TKurs* kurs = kurse_.Suche(tag);
  if (!kurs) return QString();
  return UiText(Zelltext(*kurs, index.column(), rolle == Qt::DisplayRole));
}

QVariant TKurstabellenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
  if (rolle != Qt::DisplayRole || richtung != Qt::Horizontal || abschnitt < 0 ||
      abschnitt >= kSpalten)
    return {};
  return QString::fromUtf8(kUeberschriften[abschnitt]);
}

Qt::ItemFlags TKurstabellenModell::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (index.isValid() && index.column() > 0) f |= Qt::ItemIsEditable;
  return f;
}

bool TKurstabellenModell::setData(const QModelIndex& index, const QVariant& wert, int rolle) {
  if (!index.isValid() || index.column() == 0 || rolle != Qt::EditRole) return false;
  const std::string text = ModellText(wert.toString());
  if (data(index, Qt::EditRole).toString() == wert.toString()) return false;
  if (!KurszelleAendern(kurse_, Tag(index.row()), index.column(), text)) {
    if (abgelehnt_) abgelehnt_(index.row(), index.column());
    return false;
  }
  emit dataChanged(this->index(index.row(), 1), this->index(index.row(), kSpalten - 1));
  return true;
}

}  // namespace morvane
