#pragma once

#include <QDialog>

#include "chart/chartansicht.h"
#include "chart/ui/dialogteile.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace morvane {

class TChartVorlagen;

// "Als Vorlage speichern": stores a copy of a view in one of the ten template
// slots, under a name, or empties a slot. Changes go into the store at once.
class TDialogChartAnsichtVorlagen : public QDialog {
 public:
  TDialogChartAnsichtVorlagen(TChartVorlagen& vorlagen, THilfe hilfe, QWidget* eltern = nullptr);

  // Prepares the dialog for `ansicht` and shows it modally.
  int Zeige(const TChartAnsicht& ansicht);
  // Fills the list, selects the first empty slot (slot 1 when all are used)
  // and focuses the name; Zeige calls it.
  void Oeffnen(const TChartAnsicht& ansicht);
  // Whether a slot was saved or emptied.
  bool Geaendert() const { return geaendert_; }
  // The selected slot, 1 ... 10.
  int Slot() const;

 private:
  void ListeFuellen();
  void AuswahlZeigen();
  void Speichern();
  void Loeschen();

  TChartVorlagen& vorlagen_;
  TChartAnsicht ansicht_;
  bool geaendert_ = false;
  QLabel* nr_ = nullptr;
  QLineEdit* bezeichnung_ = nullptr;
  QListWidget* liste_ = nullptr;
  QPushButton* loeschen_ = nullptr;
};

}  // namespace morvane
