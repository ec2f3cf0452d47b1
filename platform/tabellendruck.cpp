#include "platform/tabellendruck.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include "core/datei.h"
#include "platform/qtleinwand.h"

#ifdef MORVANE_MIT_DRUCKER
#include <QPrinter>
#include <QPrinterInfo>
#endif

namespace morvane {
namespace {

// The printable area of a paged device with an active painter.
class TSeitenZiel : public TDruckZiel {
 public:
  TSeitenZiel(QPagedPaintDevice& geraet, QPainter& painter) : geraet_(geraet), leinwand_(painter) {}
  TLeinwand& Leinwand() override { return leinwand_; }
  int AufloesungX() const override { return geraet_.logicalDpiX(); }
  int AufloesungY() const override { return geraet_.logicalDpiY(); }
  int SeitenBreite() const override { return geraet_.width(); }
  int SeitenHoehe() const override { return geraet_.height(); }
  void NeueSeite() override {
    if (!geraet_.newPage()) throw EDruck("Die nächste Seite ließ sich nicht anlegen.");
  }

 private:
  QPagedPaintDevice& geraet_;
  TQtLeinwand leinwand_;
};

void SeiteEinrichten(QPagedPaintDevice& geraet, const TDruckAuftrag& auftrag) {
  geraet.setPageSize(QPageSize(QPageSize::A4));
  geraet.setPageOrientation(auftrag.Querformat ? QPageLayout::Landscape : QPageLayout::Portrait);
  geraet.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

void AufGeraetDrucken(QPagedPaintDevice& geraet, TDruckTabelle& tabelle, const char* wohin) {
  QPainter painter;
  if (!painter.begin(&geraet)) {
    throw EDruck(std::string("Der Druckauftrag ließ sich nicht beginnen: ") + wohin + ".");
  }
  TSeitenZiel ziel(geraet, painter);
  try {
    tabelle.Drucken(ziel);
  } catch (...) {
    painter.end();
    throw;
  }
  painter.end();
}

void PdfDrucken(TDruckTabelle& tabelle, const TDruckAuftrag& auftrag, const std::string& dokument) {
  if (auftrag.Datei.empty()) throw EDruck("Es wurde kein Name für die PDF-Datei angegeben.");
  QByteArray daten;
  {
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setResolution(kPdfAufloesung);
    pdf.setTitle(QString::fromStdString(dokument));
    pdf.setCreator(QString::fromStdString(dokument));
    SeiteEinrichten(pdf, auftrag);
    AufGeraetDrucken(pdf, tabelle, auftrag.Datei.c_str());
  }
  try {
    DateiAtomarSchreiben(auftrag.Datei, std::string_view(daten.constData(), daten.size()));
  } catch (const EDatei& e) {
    throw EDruck(e.what());
  }
}

#ifdef MORVANE_MIT_DRUCKER
void DruckerDrucken(TDruckTabelle& tabelle, const TDruckAuftrag& auftrag,
                    const std::string& dokument) {
  const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(auftrag.Drucker));
  if (info.isNull()) throw EDruck("Der Drucker \"" + auftrag.Drucker + "\" ist nicht installiert.");
  QPrinter drucker(info, QPrinter::HighResolution);
  drucker.setDocName(QString::fromStdString(dokument));
  SeiteEinrichten(drucker, auftrag);
  AufGeraetDrucken(drucker, tabelle, auftrag.Drucker.c_str());
  if (drucker.printerState() == QPrinter::Error) {
    throw EDruck("Der Drucker \"" + auftrag.Drucker + "\" meldet einen Fehler.");
  }
}
#endif

}  // namespace

void TabelleDrucken(TDruckTabelle& tabelle, const TDruckAuftrag& auftrag,
                    const std::string& dokument) {
  if (auftrag.Pdf) return PdfDrucken(tabelle, auftrag, dokument);
#ifdef MORVANE_MIT_DRUCKER
  DruckerDrucken(tabelle, auftrag, dokument);
#else
  throw EDruck(
      "Dieses Programm wurde ohne Druckerunterstützung gebaut; bitte als PDF-Datei drucken.");
#endif
}

void ListeDrucken(const std::string& titel, const std::vector<TDruckSpalte>& spalten,
                  const std::vector<std::string>& zeilen, const TDruckAuftrag& auftrag) {
  TDruckTabelle tabelle = ListenTabelle(titel, spalten, zeilen);
  TabelleDrucken(tabelle, auftrag);
}

std::vector<std::string> InstallierteDrucker() {
  std::vector<std::string> namen;
#ifdef MORVANE_MIT_DRUCKER
  const QString standard = QPrinterInfo::defaultPrinterName();
  if (!standard.isEmpty()) namen.push_back(standard.toStdString());
  for (const QString& name : QPrinterInfo::availablePrinterNames()) {
    if (name != standard) namen.push_back(name.toStdString());
  }
#endif
  return namen;
}

}  // namespace morvane
