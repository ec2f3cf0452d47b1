#include "platform/ui/dialogdrucken.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/ui/druckerwahl.h"

namespace morvane {
namespace {

// A sheet with a few text lines, upright or on its side.
QPixmap Blatt(bool quer) {
  const int b = quer ? 56 : 40;
  const int h = quer ? 40 : 56;
  QPixmap bild(60, 60);
  bild.fill(Qt::transparent);
  QPainter maler(&bild);
  const QRect blatt((60 - b) / 2, (60 - h) / 2, b - 1, h - 1);
  maler.setPen(Qt::black);
  maler.setBrush(Qt::white);
  maler.drawRect(blatt);
  maler.setPen(Qt::darkGray);
  for (int y = blatt.top() + 6; y < blatt.bottom() - 4; y += 5) {
    maler.drawLine(blatt.left() + 5, y, blatt.right() - 5, y);
  }
  return bild;
}

QLabel* BildLabel(bool quer, QWidget* eltern) {
  auto* label = new QLabel(eltern);
  label->setPixmap(Blatt(quer));
  label->setFixedSize(60, 60);
  return label;
}

}  // namespace

TDialogDrucken::TDialogDrucken(const TDruckAuftrag& auftrag, std::vector<std::string> drucker,
                               QWidget* eltern, std::function<void()> hilfe)
    : QDialog(eltern),
      auftrag_(auftrag),
      wahl_(new TDruckerWahl(std::move(drucker), this)),
      hoch_(new QRadioButton(QStringLiteral("&Hochformat"), this)),
      quer_(new QRadioButton(QStringLiteral("&Querformat"), this)),
      bildHoch_(BildLabel(false, this)),
      bildQuer_(BildLabel(true, this)) {
  setWindowTitle(QStringLiteral("Liste drucken"));
  wahl_->Setzen(auftrag);
  (auftrag.Querformat ? quer_ : hoch_)->setChecked(true);

  auto* ausrichtung = new QGroupBox(QStringLiteral("Ausrichtung"), this);
  auto* knoepfe = new QVBoxLayout;
  knoepfe->addWidget(hoch_);
  knoepfe->addWidget(quer_);
  knoepfe->addStretch();
  auto* zeile = new QHBoxLayout(ausrichtung);
  zeile->addLayout(knoepfe);
  zeile->addStretch();
  zeile->addWidget(bildHoch_);
  zeile->addWidget(bildQuer_);

  auto* leiste = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  leiste->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  leiste->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  if (hilfe) {
    auto* knopf = leiste->addButton(QStringLiteral("&Hilfe"), QDialogButtonBox::HelpRole);
    connect(knopf, &QPushButton::clicked, this, [hilfe] { hilfe(); });
  }
  connect(leiste, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(leiste, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(wahl_);
  spalte->addWidget(ausrichtung);
  spalte->addWidget(leiste);
  connect(hoch_, &QRadioButton::toggled, this, [this] { BildAktualisieren(); });
  BildAktualisieren();
  setTabOrder(wahl_, hoch_);
  setTabOrder(hoch_, quer_);
}

void TDialogDrucken::BildAktualisieren() {
  bildHoch_->setVisible(hoch_->isChecked());
  bildQuer_->setVisible(!hoch_->isChecked());
}

TDruckAuftrag TDialogDrucken::Auftrag() const {
  TDruckAuftrag auftrag = auftrag_;
  wahl_->Uebernehmen(auftrag);
  auftrag.Querformat = quer_->isChecked();
  return auftrag;
}

void TDialogDrucken::accept() {
  const std::string fehler = wahl_->Pruefen();
  if (!fehler.empty()) {
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(fehler));
    wahl_->DateiFeld()->setFocus();
    return;
  }
  QDialog::accept();
}

bool DruckEinstellungenAbfragen(QWidget* eltern, TDruckAuftrag& auftrag,
                                std::function<void()> hilfe) {
  TDialogDrucken dialog(auftrag, InstallierteDrucker(), eltern, std::move(hilfe));
  if (dialog.exec() != QDialog::Accepted) return false;
  auftrag = dialog.Auftrag();
  return true;
}

}  // namespace morvane
