#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "platform/tabellendruck.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace morvane {

// The choice of the output: the installed printers and "PDF-Datei" (always
// offered, preselected when no printer is installed), with the PDF file's
// name and a file chooser. Any print dialog can hold it.
class TDruckerWahl : public QWidget {
 public:
  explicit TDruckerWahl(std::vector<std::string> drucker = InstallierteDrucker(),
                        QWidget* eltern = nullptr);

  // Shows `auftrag`: its printer when installed, else the first printer or
  // PDF; its file name. The orientation is left alone.
  void Setzen(const TDruckAuftrag& auftrag);
  // Printer or PDF and file name into `auftrag` (orientation untouched).
  void Uebernehmen(TDruckAuftrag& auftrag) const;
  // A German message when the choice cannot be printed to, else empty; a
  // PDF name without extension gets ".pdf".
  std::string Pruefen();

  QComboBox* Liste() const { return liste_; }
  QLineEdit* DateiFeld() const { return datei_; }
  QPushButton* WaehlenKnopf() const { return waehlen_; }

 private:
  bool PdfGewaehlt() const;
  void ZustandAktualisieren();
  void DateiWaehlen();

  QComboBox* liste_;
  QLineEdit* datei_;
  QPushButton* waehlen_;
};

}  // namespace morvane
