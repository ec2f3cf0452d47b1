#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "platform/tabellendruck.h"

class QLabel;
class QRadioButton;

namespace morvane {

class TDruckerWahl;

// "Liste drucken": output (a printer or a PDF file) and orientation, each
// orientation with its picture. The choice is handed out only after OK.
class TDialogDrucken : public QDialog {
 public:
  // `hilfe`, when given, adds the "Hilfe" button.
  TDialogDrucken(const TDruckAuftrag& auftrag, std::vector<std::string> drucker,
                 QWidget* eltern = nullptr, std::function<void()> hilfe = {});

  // The choice as shown (valid after OK).
  TDruckAuftrag Auftrag() const;

  TDruckerWahl* Wahl() const { return wahl_; }
  QRadioButton* Hochformat() const { return hoch_; }
  QRadioButton* Querformat() const { return quer_; }
  QLabel* BildHoch() const { return bildHoch_; }
  QLabel* BildQuer() const { return bildQuer_; }

  void accept() override;

 private:
  void BildAktualisieren();

  TDruckAuftrag auftrag_;
  TDruckerWahl* wahl_;
  QRadioButton* hoch_;
  QRadioButton* quer_;
  QLabel* bildHoch_;
  QLabel* bildQuer_;
};

// Shows "Liste drucken" for `auftrag`; on OK stores the choice there and
// returns true, on cancel leaves it untouched.
bool DruckEinstellungenAbfragen(QWidget* eltern, TDruckAuftrag& auftrag,
                                std::function<void()> hilfe = {});

}  // namespace morvane
