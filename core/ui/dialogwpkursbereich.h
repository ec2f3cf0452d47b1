#pragma once

#include <QDialog>
#include <array>

#include "core/kursbearbeitung.h"
#include "core/ui/wpdialogteile.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;

namespace morvane {

// The price table's range dialogs: "Kurse multiplizieren" (with a factor) and
// "Kurse löschen" (without) ask for a date range and the fields to change;
// "Kurse drucken" for the date range only. OK only checks the input, the
// caller applies it to its series.
class TDialogWPKursbereich : public QDialog {
 public:
  enum class TArt { Multiplizieren, Loeschen, Drucken };

  TDialogWPKursbereich(QWidget* eltern, TArt art, TKursZeitraum vorbelegt,
                       TWPDialogUmgebung umgebung);

  const TKursZeitraum& Zeitraum() const { return zeitraum_; }
  double Faktor() const { return faktor_; }
  // The TKursFeld bits of the ticked fields.
  unsigned Felder() const;
  void Pruefen();

  QLineEdit* VonEdit() const { return von_; }
  QLineEdit* BisEdit() const { return bis_; }
  QLineEdit* FaktorEdit() const { return faktorEdit_; }
  QCheckBox* FeldBox(int spalte) const { return felder_.at(static_cast<std::size_t>(spalte - 1)); }

 private:
  QGroupBox* FelderGruppe(bool faktor);

  TArt art_;
  TWPDialogUmgebung umgebung_;
  QLineEdit* von_;
  QLineEdit* bis_;
  QLineEdit* faktorEdit_ = nullptr;
  std::array<QCheckBox*, 6> felder_{};
  TKursZeitraum zeitraum_;
  double faktor_ = 1;
};

}  // namespace morvane
