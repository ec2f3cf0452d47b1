#pragma once

#include <QDialog>
#include <array>

#include "chart/chartdruck.h"
#include "chart/ui/dialogteile.h"

class QComboBox;
class QLabel;
class QPrinter;
class QRadioButton;

namespace morvane {

inline constexpr int kHilfeChartDrucken = 1401;

// Shows the chart print dialog for `drucker` with `wahl` (the choice the
// settings remember, see DruckWahlLesen). On OK `wahl` holds the dialog's
// choice and `drucker` the chosen printer and orientation; on cancel the
// choice stays as it was. Returns true on OK.
bool ChartDruckWaehlen(QWidget* eltern, TDruckWahl& wahl, QPrinter& drucker, THilfe hilfe = {});

// The chart print dialog ("Drucken"): printer, orientation, bands per page
// and the band to print into, with a picture of the page. It only moves
// values between its controls and the rules of chart/chartdruck.h.
class TDialogDruckenChart : public QDialog {
 public:
  TDialogDruckenChart(QPrinter& drucker, THilfe hilfe, QWidget* eltern = nullptr);

  // Checks the buttons of `wahl` and applies the rules.
  void Fuellen(const TDruckWahl& wahl);
  // The checked buttons.
  TDruckWahl Wahl() const;
  // The name chosen in the printer list.
  QString Drucker() const;

 private:
  void SteuerelementeAnlegen();
  void KnoepfeAnlegen();
  // The enabling rules and the picture, after every click and on opening.
  void RegelnAnwenden();
  // The platform's page and printer properties for the printer chosen in
  // the list (enabled only for a real printer); the dialog's printer is
  // pointed back where it was afterwards.
  void Eigenschaften();

  QPrinter& drucker_;
  THilfe hilfe_;
  QComboBox* druckerListe_ = nullptr;
  QRadioButton* hochformat_ = nullptr;
  QRadioButton* querformat_ = nullptr;
  std::array<QRadioButton*, 3> charts_{};
  std::array<QRadioButton*, 3> position_{};
  std::array<QLabel*, kDruckBilder> bilder_{};
  bool regelnLaufen_ = false;
};

}  // namespace morvane
