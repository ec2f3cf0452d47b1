#include "app/optionen/dialogzeitpunkt.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "app/hauptmodell/listenauswahl.h"
#include "online/optionen.h"

namespace morvane {
namespace {

constexpr std::array<const char*, 7> kTage = {"&Montag",  "&Dienstag", "M&ittwoch", "D&onnerstag",
                                              "&Freitag", "S&amstag",  "So&nntag"};
constexpr std::array<const char*, 7> kTagNamen = {
    "Z_Montag", "Z_Dienstag", "Z_Mittwoch", "Z_Donnerstag", "Z_Freitag", "Z_Samstag", "Z_Sonntag"};

}  // namespace

TDialogZeitpunktBearbeiten::TDialogZeitpunktBearbeiten(QWidget* eltern, const TZeitpunkt& zeitpunkt,
                                                       bool neu,
                                                       const std::vector<std::string>& kataloge,
                                                       THilfeAufruf hilfe)
    : QDialog(eltern), zeitpunkt_(zeitpunkt) {
  setObjectName(QStringLiteral("DialogZeitpunktBearbeiten"));
  setWindowTitle(neu ? QStringLiteral("Neuen Zeitpunkt hinzufügen")
                     : QStringLiteral("Zeitpunkt bearbeiten"));
  auto* spalten = new QHBoxLayout;
  spalten->addWidget(Zeitteil());
  spalten->addWidget(Katalogteil(kataloge), 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(spalten);
  layout->addWidget(Knopfleiste(
      this, [this] { Pruefen(); }, hilfe));
  if (!neu) uhrzeit_->setText(Qt8(zeitpunkt.Uhrzeit()));
  uhrzeit_->setFocus();
}

QWidget* TDialogZeitpunktBearbeiten::Zeitteil() {
  auto* gruppe = new QGroupBox(QStringLiteral("Startzeitpunkt:"), this);
  auto* layout = new QGridLayout(gruppe);
  auto* beschriftung = new QLabel(QStringLiteral("&Uhrzeit:"), gruppe);
  uhrzeit_ = new QLineEdit(gruppe);
  uhrzeit_->setObjectName(QStringLiteral("Z_Uhrzeit"));
  uhrzeit_->setMaxLength(8);
  uhrzeit_->setFixedWidth(uhrzeit_->fontMetrics().horizontalAdvance(QStringLiteral("00:00 00")));
  beschriftung->setBuddy(uhrzeit_);
  layout->addWidget(beschriftung, 0, 0);
  layout->addWidget(uhrzeit_, 0, 1);
  layout->addWidget(new QLabel(QStringLiteral("Uhr"), gruppe), 0, 2);
  layout->setColumnStretch(3, 1);
  for (std::size_t tag = 0; tag < tage_.size(); ++tag) {
    tage_[tag] = new QCheckBox(QString::fromUtf8(kTage[tag]), gruppe);
    tage_[tag]->setObjectName(QString::fromUtf8(kTagNamen[tag]));
    tage_[tag]->setChecked(zeitpunkt_.Wochentage[tag]);
    layout->addWidget(tage_[tag], static_cast<int>(tag) + 1, 0, 1, 4);
  }
  herunterfahren_ = new QCheckBox(QStringLiteral("Anschließend &Rechner herunterfahren"), gruppe);
  herunterfahren_->setObjectName(QStringLiteral("Herunterfahren"));
  herunterfahren_->setChecked(zeitpunkt_.Herunterfahren);
  layout->addWidget(herunterfahren_, 8, 0, 1, 4);
  layout->setRowStretch(9, 1);
  return gruppe;
}

QWidget* TDialogZeitpunktBearbeiten::Katalogteil(const std::vector<std::string>& kataloge) {
  auto* gruppe = new QGroupBox(QStringLiteral("Diese Kataloge aktualisieren:"), this);
  auto* box = new QScrollArea(gruppe);
  box->setObjectName(QStringLiteral("Kataloge"));
  auto* innen = new QWidget(box);
  int breite = 0;
  std::vector<std::string> sortiert = kataloge;
  std::sort(sortiert.begin(), sortiert.end(), NameVor);
  for (const TKatalogWahl& wahl : KatalogWahlen(sortiert, zeitpunkt_.Kataloge)) {
    // A "&" in a name is shown, not taken as an accelerator.
    auto* knopf = new QCheckBox(Qt8(wahl.Name).replace(u'&', QStringLiteral("&&")), innen);
    knopf->setChecked(wahl.Gewaehlt);
    knopf->setGeometry(4, 2 + static_cast<int>(kataloge_.size()) * kKatalogAbstand,
                       knopf->sizeHint().width(), kKatalogAbstand);
    breite = std::max(breite, knopf->sizeHint().width() + 8);
    kataloge_.push_back(knopf);
    katalogNamen_.push_back(wahl.Name);
  }
  innen->setMinimumSize(breite, 4 + static_cast<int>(kataloge_.size()) * kKatalogAbstand);
  box->setWidgetResizable(true);
  box->setWidget(innen);
  box->setMinimumSize(200, 9 * kKatalogAbstand);
  auto* layout = new QVBoxLayout(gruppe);
  layout->addWidget(box);
  return gruppe;
}

void TDialogZeitpunktBearbeiten::Pruefen() {
  std::array<bool, 7> tage{};
  for (std::size_t tag = 0; tag < tage.size(); ++tag)
    tage[tag] = tage_[tag]->isChecked();
  if (const auto fehler = ZeitpunktPruefen(uhrzeit_->text().toStdString(), tage)) {
    QWidget* ziel =
        UhrzeitLesen(uhrzeit_->text().toStdString()) ? static_cast<QWidget*>(tage_[0]) : uhrzeit_;
    QMessageBox::warning(this, windowTitle(), Qt8(*fehler));
    ziel->setFocus();
    return;
  }
  Uebernehmen();
  accept();
}

void TDialogZeitpunktBearbeiten::Uebernehmen() {
  const auto zeit = UhrzeitLesen(uhrzeit_->text().toStdString());
  zeitpunkt_.Stunde = zeit->Stunde;
  zeitpunkt_.Minute = zeit->Minute;
  for (std::size_t tag = 0; tag < tage_.size(); ++tag)
    zeitpunkt_.Wochentage[tag] = tage_[tag]->isChecked();
  zeitpunkt_.Herunterfahren = herunterfahren_->isChecked();
  zeitpunkt_.Kataloge.clear();
  for (std::size_t i = 0; i < kataloge_.size(); ++i) {
    if (kataloge_[i]->isChecked()) zeitpunkt_.Kataloge.push_back(katalogNamen_[i]);
  }
}

bool TDialogZeitpunktBearbeiten::Ausfuehren(QWidget* eltern, TZeitpunkt& zeitpunkt, bool neu,
                                            const std::vector<std::string>& kataloge,
                                            THilfeAufruf hilfe) {
  TDialogZeitpunktBearbeiten dialog(eltern, zeitpunkt, neu, kataloge, std::move(hilfe));
  if (dialog.exec() != QDialog::Accepted) return false;
  zeitpunkt = dialog.Zeitpunkt();
  return true;
}

}  // namespace morvane
