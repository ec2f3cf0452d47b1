#include "chart/ui/dialogdruckenchart.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "chart/ui/druckerwahl.h"
#include "chart/ui/druckvorschau.h"

namespace morvane {
namespace {

QRadioButton* Knopf(const char* text, const char* name, QWidget* eltern) {
  auto* knopf = new QRadioButton(QString::fromUtf8(text), eltern);
  knopf->setObjectName(QString::fromLatin1(name));
  return knopf;
}

// A group box holding the buttons one below the other, exclusive.
QGroupBox* Gruppe(const char* titel, std::initializer_list<QRadioButton*> knoepfe,
                  QWidget* eltern) {
  auto* box = new QGroupBox(QString::fromUtf8(titel), eltern);
  auto* spalte = new QVBoxLayout(box);
  auto* gruppe = new QButtonGroup(box);
  for (QRadioButton* k : knoepfe) {
    k->setParent(box);
    spalte->addWidget(k);
    gruppe->addButton(k);
  }
  spalte->addStretch();
  return box;
}

}  // namespace

bool ChartDruckWaehlen(QWidget* eltern, TDruckWahl& wahl, QPrinter& drucker, THilfe hilfe) {
  TDialogDruckenChart dialog(drucker, std::move(hilfe), eltern);
  dialog.Fuellen(wahl);
  if (dialog.exec() != QDialog::Accepted) return false;
  wahl = dialog.Wahl();
  DruckerWaehlen(drucker, dialog.Drucker());
  drucker.setPageOrientation(wahl.Hochformat ? QPageLayout::Portrait : QPageLayout::Landscape);
  return true;
}

TDialogDruckenChart::TDialogDruckenChart(QPrinter& drucker, THilfe hilfe, QWidget* eltern)
    : QDialog(eltern), drucker_(drucker), hilfe_(std::move(hilfe)) {
  setWindowTitle(QStringLiteral("Drucken"));
  setObjectName(QStringLiteral("DialogDruckenChart"));
  new QVBoxLayout(this);
  SteuerelementeAnlegen();
  KnoepfeAnlegen();
  DruckerListeFuellen(*druckerListe_, DruckerName(drucker_));
  Fuellen({});
}

void TDialogDruckenChart::SteuerelementeAnlegen() {
  auto* haupt = static_cast<QVBoxLayout*>(layout());
  druckerListe_ = new QComboBox(this);
  druckerListe_->setObjectName(QStringLiteral("DruckerListe"));
  druckerListe_->setMinimumContentsLength(24);
  auto* druckerText = new QLabel(QStringLiteral("&Drucker:"), this);
  druckerText->setBuddy(druckerListe_);
  auto* eigenschaften = new QPushButton(QStringLiteral("&Eigenschaften..."), this);
  eigenschaften->setObjectName(QStringLiteral("Eigenschaften"));
  eigenschaften->setAutoDefault(false);
  connect(eigenschaften, &QPushButton::clicked, this, [this] { Eigenschaften(); });
  // A PDF file has no printer properties; its page is set by the paper format.
  connect(druckerListe_, &QComboBox::currentTextChanged, eigenschaften,
          [eigenschaften](const QString& name) {
            eigenschaften->setEnabled(name != QString::fromUtf8(kPdfDatei));
          });
  auto* druckerZeile = new QHBoxLayout;
  druckerZeile->addWidget(druckerText);
  druckerZeile->addWidget(druckerListe_, 1);
  druckerZeile->addWidget(eigenschaften);
  haupt->addLayout(druckerZeile);

  hochformat_ = Knopf("Hoch&format", "Hochformat", this);
  querformat_ = Knopf("&Querformat", "Querformat", this);
  charts_ = {Knopf("&1 Chart", "Charts1", this), Knopf("&2 Charts", "Charts2", this),
             Knopf("&3 Charts", "Charts3", this)};
  position_ = {Knopf("&oben", "PosOben", this), Knopf("in der &Mitte", "PosMitte", this),
               Knopf("&unten", "PosUnten", this)};
  auto* papier = Gruppe("Papierformat", {hochformat_, querformat_}, this);
  papier->setObjectName(QStringLiteral("Papierformat"));
  auto* zeile = new QHBoxLayout;
  zeile->addWidget(papier);
  zeile->addWidget(Gruppe("Charts pro Seite", {charts_[0], charts_[1], charts_[2]}, this));
  zeile->addWidget(Gruppe("Position", {position_[0], position_[1], position_[2]}, this));

  auto* panel = new QGroupBox(QStringLiteral("Seite"), this);
  panel->setObjectName(QStringLiteral("Panel1"));
  auto* stapel = new QGridLayout(panel);
  for (std::size_t i = 0; i < bilder_.size(); ++i) {
    bilder_[i] = new QLabel(panel);
    bilder_[i]->setObjectName(QString::fromLatin1(kDruckVorschauen[i].Name));
    bilder_[i]->setPixmap(DruckVorschauMalen(kDruckVorschauen[i].Wahl));
    bilder_[i]->setAlignment(Qt::AlignCenter);
    // All pictures share one place; only the one of the choice is shown.
    stapel->addWidget(bilder_[i], 0, 0);
  }
  zeile->addWidget(panel);
  haupt->addLayout(zeile);

  for (QRadioButton* k : {hochformat_, querformat_, charts_[0], charts_[1], charts_[2],
                          position_[0], position_[1], position_[2]})
    connect(k, &QRadioButton::toggled, this, [this] { RegelnAnwenden(); });
}

void TDialogDruckenChart::KnoepfeAnlegen() {
  static_cast<QVBoxLayout*>(layout())->addLayout(
      OkAbbrechenHilfe(this, hilfe_, kHilfeChartDrucken));
}

void TDialogDruckenChart::Fuellen(const TDruckWahl& wahl) {
  const bool vorher = regelnLaufen_;
  regelnLaufen_ = true;
  (wahl.Hochformat ? hochformat_ : querformat_)->setChecked(true);
  const TDruckWahl w = DruckWahlBereinigt(wahl);
  charts_[static_cast<std::size_t>(w.ChartsProSeite - 1)]->setChecked(true);
  position_[static_cast<std::size_t>(w.Position - 1)]->setChecked(true);
  regelnLaufen_ = vorher;
  RegelnAnwenden();
}

TDruckWahl TDialogDruckenChart::Wahl() const {
  const auto nummer = [](const std::array<QRadioButton*, 3>& knoepfe) {
    return knoepfe[0]->isChecked() ? 1 : knoepfe[1]->isChecked() ? 2 : 3;
  };
  return {hochformat_->isChecked(), nummer(charts_), nummer(position_)};
}

QString TDialogDruckenChart::Drucker() const {
  return druckerListe_->currentText();
}

void TDialogDruckenChart::RegelnAnwenden() {
  // Checking a button below toggles others; they come back here.
  if (regelnLaufen_) return;
  regelnLaufen_ = true;
  const TDruckWahl w = DruckWahlBereinigt(Wahl());
  charts_[static_cast<std::size_t>(w.ChartsProSeite - 1)]->setChecked(true);
  position_[static_cast<std::size_t>(w.Position - 1)]->setChecked(true);
  const TDruckFreigabe f = DruckFreigabe(w);
  charts_[2]->setEnabled(f.Charts3);
  position_[0]->setEnabled(f.PosOben);
  position_[1]->setEnabled(f.PosMitte);
  position_[2]->setEnabled(f.PosUnten);
  const int bild = DruckBild(w);
  for (std::size_t i = 0; i < bilder_.size(); ++i)
    bilder_[i]->setVisible(static_cast<int>(i) == bild);
  regelnLaufen_ = false;
}

void TDialogDruckenChart::Eigenschaften() {
  const QString vorher = DruckerName(drucker_);
  const QPageLayout::Orientation lage = drucker_.pageLayout().orientation();
  DruckerWaehlen(drucker_, Drucker());
  drucker_.setPageOrientation(hochformat_->isChecked() ? QPageLayout::Portrait
                                                       : QPageLayout::Landscape);
  QPageSetupDialog eigenschaften(&drucker_, this);
  // An orientation chosen there becomes the dialog's paper format.
  if (eigenschaften.exec() == QDialog::Accepted) {
    const bool hoch = drucker_.pageLayout().orientation() == QPageLayout::Portrait;
    (hoch ? hochformat_ : querformat_)->setChecked(true);
  }
  DruckerWaehlen(drucker_, vorher);
  drucker_.setPageOrientation(lage);
}

}  // namespace morvane
