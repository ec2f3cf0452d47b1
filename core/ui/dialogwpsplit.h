#pragma once

#include <QDialog>
#include <string>

#include "core/datum.h"
#include "core/ui/wpdialogteile.h"
#include "store/wpverwaltung.h"

class QLineEdit;

namespace morvane {

// "Aktiensplit": `von` old shares become `nach` new ones from a trading day
// on. OK records the split and rescales the earlier prices in one locked
// change of the stored security; on any failure the file stays as it was.
class TDialogWPSplit : public QDialog {
 public:
  TDialogWPSplit(QWidget* eltern, const TWPVerwaltung& verwaltung, std::string id, Boersentag heute,
                 TWPDialogUmgebung umgebung);
  QLineEdit* VonEdit() const { return von_; }
  QLineEdit* NachEdit() const { return nach_; }
  QLineEdit* DatumEdit() const { return datum_; }
  void Pruefen();

 private:
  const TWPVerwaltung& verwaltung_;
  std::string id_;
  TWPDialogUmgebung umgebung_;
  QLineEdit* von_;
  QLineEdit* nach_;
  QLineEdit* datum_;
};

}  // namespace morvane
