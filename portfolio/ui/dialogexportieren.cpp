#include "portfolio/ui/dialogexportieren.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/datumtext.h"

namespace morvane {

TDialogExportierenTextdatei::TDialogExportierenTextdatei(QWidget* eltern)
    : QDialog(eltern),
      trenner_(new QComboBox(this)),
      isin_(new QCheckBox(QStringLiteral("&ISIN"), this)),
      wkn_(new QCheckBox(QStringLiteral("&WKN"), this)),
      name_(new QCheckBox(QStringLiteral("Wertpapier-&Bezeichnung"), this)),
      letzter_(new QRadioButton(QStringLiteral("&Nur letzten Kurs exportieren"), this)),
      zeitraum_(new QRadioButton(QStringLiteral("&Kurse in diesem Zeitraum:"), this)),
      von_(new QLineEdit(QString::fromStdString(HeuteZuText()), this)),
      bis_(new QLineEdit(QString::fromStdString(HeuteZuText()), this)) {
  setWindowTitle(QStringLiteral("Als Textdatei exportieren"));
  trenner_->setEditable(true);
  for (std::string_view t : kTrennzeichenTexte)
    trenner_->addItem(QString::fromUtf8(t.data(), t.size()));
  trenner_->setCurrentIndex(0);
  isin_->setChecked(true);
  name_->setChecked(true);
  letzter_->setChecked(true);

  auto* kopf = new QFormLayout;
  auto* trennText = new QLabel(QStringLiteral("&Spaltentrennzeichen:"), this);
  trennText->setBuddy(trenner_);
  kopf->addRow(trennText, trenner_);

  auto* merkmale = new QGroupBox(QStringLiteral("Spalten zur Identifizierung"), this);
  auto* m = new QHBoxLayout(merkmale);
  m->addWidget(isin_);
  m->addWidget(wkn_);
  m->addWidget(name_);

  auto* kurse = new QGroupBox(QStringLiteral("Kurse"), this);
  auto* k = new QVBoxLayout(kurse);
  k->addWidget(letzter_);
  k->addWidget(zeitraum_);
  auto* zeile = new QHBoxLayout;
  auto* vonText = new QLabel(QStringLiteral("&von:"), this);
  vonText->setBuddy(von_);
  auto* bisText = new QLabel(QStringLiteral("b&is:"), this);
  bisText->setBuddy(bis_);
  zeile->addSpacing(20);
  zeile->addWidget(vonText);
  zeile->addWidget(von_);
  zeile->addWidget(bisText);
  zeile->addWidget(bis_);
  k->addLayout(zeile);

  auto* leiste = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  leiste->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Exportieren"));
  leiste->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(leiste, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(leiste, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* spalte = new QVBoxLayout(this);
  spalte->addLayout(kopf);
  spalte->addWidget(merkmale);
  spalte->addWidget(kurse);
  spalte->addWidget(leiste);
  const auto zustand = [this] {
    von_->setEnabled(zeitraum_->isChecked());
    bis_->setEnabled(zeitraum_->isChecked());
  };
  connect(zeitraum_, &QRadioButton::toggled, this, zustand);
  zustand();
}

void TDialogExportierenTextdatei::accept() {
  const TExportEingabe eingabe{trenner_->currentText().toStdString(),
                               isin_->isChecked(),
                               wkn_->isChecked(),
                               name_->isChecked(),
                               letzter_->isChecked(),
                               von_->text().toStdString(),
                               bis_->text().toStdString()};
  const auto fehler = ExportEingabePruefen(eingabe, optionen_);
  if (!fehler) return QDialog::accept();
  QMessageBox::warning(this, windowTitle(), QString::fromStdString(fehler->Meldung));
  switch (fehler->Feld) {
    case TExportFeld::Trennzeichen:
      return trenner_->setFocus();
    case TExportFeld::ISIN:
      return isin_->setFocus();
    case TExportFeld::Von:
      return von_->setFocus();
    case TExportFeld::Bis:
      return bis_->setFocus();
  }
}

}  // namespace morvane
