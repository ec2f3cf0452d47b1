#include "chart/ui/druckerwahl.h"

#include <QComboBox>
#include <QPrinter>
#include <QPrinterInfo>

namespace morvane {

QString DruckerName(const QPrinter& drucker) {
  if (drucker.outputFormat() == QPrinter::PdfFormat) return QString::fromUtf8(kPdfDatei);
  return drucker.printerName();
}

void DruckerListeFuellen(QComboBox& liste, const QString& aktuell) {
  liste.clear();
  liste.addItems(QPrinterInfo::availablePrinterNames());
  liste.addItem(QString::fromUtf8(kPdfDatei));
  int index = liste.findText(aktuell);
  if (index < 0) index = liste.findText(QPrinterInfo::defaultPrinterName());
  liste.setCurrentIndex(index >= 0 ? index : liste.count() - 1);
}

void DruckerWaehlen(QPrinter& drucker, const QString& name) {
  if (name == QString::fromUtf8(kPdfDatei)) {
    drucker.setOutputFormat(QPrinter::PdfFormat);
    return;
  }
  drucker.setOutputFormat(QPrinter::NativeFormat);
  drucker.setPrinterName(name);
}

}  // namespace morvane
