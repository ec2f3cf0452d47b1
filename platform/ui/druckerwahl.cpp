#include "platform/ui/druckerwahl.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace morvane {

TDruckerWahl::TDruckerWahl(std::vector<std::string> drucker, QWidget* eltern)
    : QWidget(eltern),
      liste_(new QComboBox(this)),
      datei_(new QLineEdit(this)),
      waehlen_(new QPushButton(QStringLiteral("&Wählen..."), this)) {
  for (const std::string& name : drucker)
    liste_->addItem(QString::fromStdString(name));
  liste_->addItem(QString::fromUtf8(kPdfDatei));
  auto* raster = new QGridLayout(this);
  raster->setContentsMargins(0, 0, 0, 0);
  auto* druckerText = new QLabel(QStringLiteral("&Drucker:"), this);
  druckerText->setBuddy(liste_);
  auto* dateiText = new QLabel(QStringLiteral("&Datei:"), this);
  dateiText->setBuddy(datei_);
  raster->addWidget(druckerText, 0, 0);
  raster->addWidget(liste_, 0, 1, 1, 2);
  raster->addWidget(dateiText, 1, 0);
  raster->addWidget(datei_, 1, 1);
  raster->addWidget(waehlen_, 1, 2);
  raster->setColumnStretch(1, 1);
  datei_->setMinimumWidth(260);
  setTabOrder(liste_, datei_);
  setTabOrder(datei_, waehlen_);
  connect(liste_, &QComboBox::currentIndexChanged, this, [this] { ZustandAktualisieren(); });
  connect(waehlen_, &QPushButton::clicked, this, [this] { DateiWaehlen(); });
  ZustandAktualisieren();
}

bool TDruckerWahl::PdfGewaehlt() const {
  return liste_->currentIndex() == liste_->count() - 1;
}

void TDruckerWahl::ZustandAktualisieren() {
  datei_->setEnabled(PdfGewaehlt());
  waehlen_->setEnabled(PdfGewaehlt());
}

void TDruckerWahl::Setzen(const TDruckAuftrag& auftrag) {
  int index = liste_->count() - 1;
  if (!auftrag.Pdf) {
    const int gefunden = liste_->findText(QString::fromStdString(auftrag.Drucker));
    // A printer that has gone falls back to the first one, or to PDF.
    index = gefunden >= 0 && gefunden < liste_->count() - 1 ? gefunden : 0;
  }
  liste_->setCurrentIndex(index);
  datei_->setText(QString::fromStdString(auftrag.Datei));
  ZustandAktualisieren();
}

void TDruckerWahl::Uebernehmen(TDruckAuftrag& auftrag) const {
  auftrag.Pdf = PdfGewaehlt();
  auftrag.Drucker = auftrag.Pdf ? std::string() : liste_->currentText().toStdString();
  auftrag.Datei = datei_->text().trimmed().toStdString();
}

std::string TDruckerWahl::Pruefen() {
  if (!PdfGewaehlt()) return {};
  QString name = datei_->text().trimmed();
  if (name.isEmpty()) return "Bitte den Namen der PDF-Datei angeben.";
  if (QFileInfo(name).isDir()) return "Das ist ein Verzeichnis, keine Datei: " + name.toStdString();
  if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".pdf");
  datei_->setText(name);
  return {};
}

void TDruckerWahl::DateiWaehlen() {
  const QString name =
      QFileDialog::getSaveFileName(this, QStringLiteral("PDF-Datei wählen"), datei_->text(),
                                   QStringLiteral("PDF-Dateien (*.pdf)"));
  if (!name.isEmpty()) datei_->setText(name);
}

}  // namespace morvane
