#pragma once

#include <QDialog>
#include <string>

#include "core/kurse.h"
#include "core/ui/kurstabellenmodell.h"
#include "core/ui/wpdialogteile.h"
#include "store/wpverwaltung.h"

class QPushButton;
class QTableView;

namespace morvane {

// "Kurstabelle": the security's prices as an editable grid over a working
// copy of its series; "Multiplizieren" and "Löschen" change ranges of it. OK
// writes the series with one locked change; Cancel writes nothing.
class TDialogWPKurstabelle : public QDialog {
 public:
  TDialogWPKurstabelle(QWidget* eltern, const TWPVerwaltung& verwaltung, std::string id,
                       Boersentag heute, TWPDialogUmgebung umgebung);

  const TKurse& Kurse() const { return kurse_; }
  QTableView* Tabelle() const { return tabelle_; }
  TKurstabellenModell& Modell() { return *modell_; }
  // The range dialogs for the selected row, then applied to the series.
  void Multiplizieren();
  void Loeschen();
  void Drucken();
  void Pruefen();
  // The day of the current row; the range dialogs start from it.
  Boersentag GewaehlterTag() const;

 private:
  // Shows the series anew after a range change, keeping the current cell.
  void Neu();

  const TWPVerwaltung& verwaltung_;
  std::string id_;
  TWPDialogUmgebung umgebung_;
  TKurse kurse_;
  std::string name_;
  TKurstabellenModell* modell_;
  QTableView* tabelle_;
};

}  // namespace morvane
