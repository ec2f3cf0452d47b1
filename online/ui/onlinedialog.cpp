#include "online/ui/onlinedialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvane {

TOnlineDialog::TOnlineDialog(const TEinstellungen& einstellungen, QWidget* eltern)
    : QDialog(eltern),
      download_(einstellungen),
      quelle_(new QLabel),
      fortschritt_(new QLabel),
      status_(new QLabel),
      balken_(new QProgressBar),
      abbrechen_(new QPushButton("Abbrechen")) {
  setWindowTitle("Status der Kursaktualisierung");
  setModal(false);
  auto* felder = new QFormLayout;
  felder->addRow("Aktuelle Kursquelle:", quelle_);
  felder->addRow("Fortschritt:", fortschritt_);
  felder->addRow(QString(), balken_);
  felder->addRow("Status:", status_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(felder);
  layout->addWidget(abbrechen_, 0, Qt::AlignHCenter);
  status_->setMinimumWidth(320);
  connect(abbrechen_, &QPushButton::clicked, this, [this] { Abbrechen(); });
  download_.OnStatus = [this](const std::string& text) {
    status_->setText(QString::fromStdString(text));
  };
  download_.Protokoll = [this](const std::string& zeile) {
    if (Protokoll) Protokoll(zeile);
  };
  download_.Pumpe = [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 10); };
}

void TOnlineDialog::Progress(const std::string& quelle, int anzahl, int nummer, int lauf) {
  quelle_->setText(QString::fromStdString(quelle));
  balken_->setMaximum(anzahl);
  balken_->setValue(nummer);
  fortschritt_->setText(QString("Adresse %1 von %2 (Lauf %3)").arg(nummer).arg(anzahl).arg(lauf));
  status_->clear();
  show();
}

void TOnlineDialog::Status(const std::string& text) {
  status_->setText(QString::fromStdString(text));
  show();
}

int TOnlineDialog::Download(const std::string& anfrage,
                            const std::function<void(std::string_view)>& senke) {
  return download_.Download(anfrage, senke);
}

TSeitenabruf TOnlineDialog::Abrufen(const std::string& anfrage, const std::string& agent,
                                    const std::function<void(std::string_view)>& senke) {
  return SeiteAbrufen(download_, anfrage, agent, senke);
}

void TOnlineDialog::Abbrechen() {
  download_.Abbrechen();
  if (BeimAbbrechen) BeimAbbrechen();
}

void TOnlineDialog::closeEvent(QCloseEvent* ereignis) {
  Abbrechen();
  QDialog::closeEvent(ereignis);
}

}  // namespace morvane
