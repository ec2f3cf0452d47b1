#include "indicators/ui/dialogindikatorneu.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "indicators/indikatortypen.h"

namespace morvane {

TDialogIndikatorNeu::TDialogIndikatorNeu(int gruppe, const TIndHilfe& hilfe, QWidget* eltern)
    : QDialog(eltern) {
  setWindowTitle(QString::fromUtf8("Indikator hinzufügen"));
  auto* text = new QLabel(
      QString::fromUtf8("Wählen Sie hier aus, auf welchem Indikator-Typ der neue Indikator "
                        "basieren soll."),
      this);
  text->setWordWrap(true);
  typen_ = new QListWidget(this);
  typen_->setObjectName(QStringLiteral("Typen"));
  for (const TIndikatortyp& typ : Indikatortypen()) {
    if (typ.Gruppe != gruppe) continue;
    auto* zeile = new QListWidgetItem(UiText(typ.Typname), typen_);
    zeile->setData(Qt::UserRole, UiText(typ.Schluessel));
  }
  if (typen_->count() > 0) typen_->setCurrentRow(0);
  const int zeilen = std::max(typen_->count(), 4);
  typen_->setMinimumHeight(typen_->sizeHintForRow(0) * zeilen + 2 * typen_->frameWidth() + 4);
  typen_->setMinimumWidth(typen_->sizeHintForColumn(0) + 2 * typen_->frameWidth() + 24);
  connect(typen_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });

  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(text);
  spalte->addWidget(typen_);
  spalte->addWidget(DialogKnoepfe(this, hilfe));
  typen_->setFocus(Qt::OtherFocusReason);
}

std::string TDialogIndikatorNeu::Schluessel() const {
  const QListWidgetItem* zeile = typen_->currentItem();
  if (!zeile || !zeile->isSelected()) return {};
  return zeile->data(Qt::UserRole).toString().toStdString();
}

}  // namespace morvane
