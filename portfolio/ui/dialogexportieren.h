#pragma once

#include <QDialog>

#include "portfolio/kursexport.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace morvane {

// "Als Textdatei exportieren": separator, identifying columns and the price
// range. OK ("Exportieren") checks the entries in order and names the first
// one refused; the options are handed out only after OK.
class TDialogExportierenTextdatei : public QDialog {
 public:
  explicit TDialogExportierenTextdatei(QWidget* eltern = nullptr);

  const TExportOptionen& Optionen() const { return optionen_; }

  QComboBox* Trennzeichen() const { return trenner_; }
  QCheckBox* ISIN() const { return isin_; }
  QCheckBox* WKN() const { return wkn_; }
  QCheckBox* Name() const { return name_; }
  QRadioButton* NurLetzter() const { return letzter_; }
  QRadioButton* Zeitraum() const { return zeitraum_; }
  QLineEdit* Von() const { return von_; }
  QLineEdit* Bis() const { return bis_; }

  void accept() override;

 private:
  TExportOptionen optionen_;
  QComboBox* trenner_;
  QCheckBox* isin_;
  QCheckBox* wkn_;
  QCheckBox* name_;
  QRadioButton* letzter_;
  QRadioButton* zeitraum_;
  QLineEdit* von_;
  QLineEdit* bis_;
};

}  // namespace morvane
