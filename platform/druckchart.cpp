#include "platform/druckchart.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "platform/qtleinwand.h"

namespace morvane {
namespace {

QString Ziel(const QPrinter& drucker) {
  return drucker.outputFormat() == QPrinter::PdfFormat ? drucker.outputFileName()
                                                       : drucker.printerName();
}

}  // namespace

void TDruckChart::Drucke(QPrinter& drucker, TGrafikfeld& feld, const TDruckWahl& wahl,
                         const std::string& titel) {
  drucker.setDocName(QString::fromStdString(titel));
  drucker.setCreator(QString::fromStdString(titel));
  QPainter painter;
  if (!painter.begin(&drucker)) {
    throw EDruckChart("Der Druck auf \"" + Ziel(drucker).toStdString() +
                      "\" ließ sich nicht beginnen.");
  }
  // The device's own pixels: the fonts follow its resolution through
  // TQtLeinwand, which measures them on the painter's device.
  const int fx = std::max(1, drucker.logicalDpiX() / 60);
  const int fy = std::max(1, drucker.logicalDpiY() / 60);
  const TRechteck seite{0, 0, drucker.width() - 1, drucker.height() - 1};
  TQtLeinwand leinwand(painter);
  try {
    FeldInBandDrucken(feld, leinwand, seite, fx, fy, wahl);
  } catch (...) {
    drucker.abort();
    painter.end();
    throw;
  }
  painter.end();
}

}  // namespace morvane
