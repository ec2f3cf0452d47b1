#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "core/kursbearbeitung.h"
#include "core/kurse.h"

#include "grafik/drucktabelle.h"

namespace morvane {

// The price table as a Qt model directly over a series: one row per trading
// day of a fixed range (days without prices show empty cells), the columns
// Datum and the six fields. Edits go through the cell rule of the model; a
// refused edit leaves the series as it was and is reported.
class TKurstabellenModell : public QAbstractTableModel {
 public:
  static constexpr int kSpalten = 7;

  // `kurse` is not owned and must outlive the model.
  TKurstabellenModell(TKurse& kurse, TKursZeitraum zeitraum, QObject* eltern = nullptr);

  // Called with the row and column of an edit the cell rule refused.
  void AbgelehntAn(std::function<void(int zeile, int spalte)> abgelehnt) {
    abgelehnt_ = std::move(abgelehnt);
  }
  Boersentag Tag(int zeile) const { return zeitraum_.Von + zeile; }
  int Zeile(Boersentag tag) const { return tag - zeitraum_.Von; }
  // After the series was changed outside the model (factor, delete).
  void Neu();

  // The printed price list: the columns, and one row per trading day of
  // `zeitraum` that holds a price, the cells as the table shows them.
  static std::vector<TDruckSpalte> DruckSpalten();
  std::vector<std::string> DruckZeilen(TKursZeitraum zeitraum) const;

  int rowCount(const QModelIndex& eltern = {}) const override;
  int columnCount(const QModelIndex& eltern = {}) const override;
  QVariant data(const QModelIndex& index, int rolle) const override;
  QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& wert, int rolle) override;

 private:
  TKurse& kurse_;
  TKursZeitraum zeitraum_;
  std::function<void(int, int)> abgelehnt_;
};

}  // namespace morvane
