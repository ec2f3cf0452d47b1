#include "chart/ui/dialogchartansichtvorlagen.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "chart/chartvorlagen.h"

namespace morvane {
namespace {

QPushButton* Knopf(const char* name, const char* text, QWidget* eltern) {
  auto* knopf = new QPushButton(QString::fromUtf8(text), eltern);
  knopf->setObjectName(QString::fromLatin1(name));
  return knopf;
}

}  // namespace

TDialogChartAnsichtVorlagen::TDialogChartAnsichtVorlagen(TChartVorlagen& vorlagen, THilfe hilfe,
                                                         QWidget* eltern)
    : QDialog(eltern), vorlagen_(vorlagen) {
  setWindowTitle(QStringLiteral("Als Vorlage speichern"));
  nr_ = new QLabel(this);
  nr_->setObjectName(QStringLiteral("Nr"));
  bezeichnung_ = new QLineEdit(this);
  bezeichnung_->setObjectName(QStringLiteral("Bezeichnung"));
  auto* bezeichnungLabel = new QLabel(QStringLiteral("&Bezeichnung:"), this);
  bezeichnungLabel->setBuddy(bezeichnung_);
  liste_ = new QListWidget(this);
  liste_->setObjectName(QStringLiteral("Liste"));

  QPushButton* speichern = Knopf("Speichern", "&Speichern", this);
  speichern->setDefault(true);
  QPushButton* schliessen = Knopf("Schliessen", "Schließen", this);
  loeschen_ = Knopf("Loeschen", "&Löschen", this);
  QPushButton* hilfeKnopf = HilfeKnopf(this, hilfe, kHilfeChartVorlagen);

  auto* raster = new QGridLayout;
  raster->addWidget(new QLabel(QStringLiteral("Nr:"), this), 0, 0);
  raster->addWidget(nr_, 0, 1);
  raster->addWidget(bezeichnungLabel, 1, 0);
  raster->addWidget(bezeichnung_, 1, 1);
  raster->addWidget(liste_, 2, 0, 1, 2);
  auto* knoepfe = new QVBoxLayout;
  for (QPushButton* knopf : {speichern, schliessen, loeschen_})
    knoepfe->addWidget(knopf);
  knoepfe->addStretch();
  knoepfe->addWidget(hilfeKnopf);
  auto* zeile = new QHBoxLayout(this);
  zeile->addLayout(raster, 1);
  zeile->addLayout(knoepfe);

  connect(liste_, &QListWidget::currentRowChanged, this, [this] { AuswahlZeigen(); });
  connect(speichern, &QPushButton::clicked, this, [this] { Speichern(); });
  connect(schliessen, &QPushButton::clicked, this, [this] { reject(); });
  connect(loeschen_, &QPushButton::clicked, this, [this] { Loeschen(); });
  ListeFuellen();
}

int TDialogChartAnsichtVorlagen::Zeige(const TChartAnsicht& ansicht) {
  Oeffnen(ansicht);
  return exec();
}

void TDialogChartAnsichtVorlagen::Oeffnen(const TChartAnsicht& ansicht) {
  ansicht_ = ansicht.Kopie();
  ListeFuellen();
  liste_->setCurrentRow(ErsteFreieVorlage(vorlagen_) - 1);
  AuswahlZeigen();
  bezeichnung_->setFocus(Qt::OtherFocusReason);
}

int TDialogChartAnsichtVorlagen::Slot() const {
  return liste_->currentRow() + 1;
}

void TDialogChartAnsichtVorlagen::ListeFuellen() {
  const int zeile = liste_->currentRow();
  liste_->clear();
  for (const std::string& eintrag : VorlagenListe(vorlagen_))
    liste_->addItem(QtText(eintrag));
  // All ten lines without a scroll bar.
  const int hoehe = liste_->sizeHintForRow(0) * liste_->count() + 2 * liste_->frameWidth() + 4;
  liste_->setMinimumHeight(hoehe);
  liste_->setMinimumWidth(
      std::min(liste_->sizeHintForColumn(0) + 2 * liste_->frameWidth() + 24, 480));
  if (zeile >= 0) liste_->setCurrentRow(zeile);
}

void TDialogChartAnsichtVorlagen::AuswahlZeigen() {
  if (liste_->currentRow() < 0) return;
  nr_->setText(QtText(VorlagenBeschriftung(Slot())));
  bezeichnung_->setText(QtText(VorlagenBezeichnung(vorlagen_, Slot())));
  // Only a used slot can be emptied.
  loeschen_->setEnabled(vorlagen_.Ansicht(Slot()).has_value());
}

void TDialogChartAnsichtVorlagen::Speichern() {
  if (liste_->currentRow() < 0) return;  // not opened yet
  vorlagen_.SetzeVorlage(Slot(), bezeichnung_->text().toStdString(), ansicht_);
  geaendert_ = true;
  accept();
}

void TDialogChartAnsichtVorlagen::Loeschen() {
  if (liste_->currentRow() < 0) return;
  vorlagen_.Loesche(Slot());
  geaendert_ = true;
  ListeFuellen();
  AuswahlZeigen();
}

}  // namespace morvane
