#include "online/ui/dialogkursaktualisierung.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "core/textvergleich.h"
#include "store/einstellungen.h"

namespace morvane {
namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// "OK", "Abbrechen" and, with a help page, "Hilfe" (also F1).
QDialogButtonBox* Knoepfe(QDialog* dialog, const std::function<void()>& hilfe) {
  auto* leiste = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  leiste->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  leiste->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  QObject::connect(leiste, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(leiste, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  if (hilfe) {
    auto* knopf = leiste->addButton(QStringLiteral("&Hilfe"), QDialogButtonBox::HelpRole);
    QObject::connect(knopf, &QPushButton::clicked, dialog, hilfe);
    QObject::connect(new QShortcut(QKeySequence::HelpContents, dialog), &QShortcut::activated,
                     dialog, hilfe);
  }
  return leiste;
}

}  // namespace

TDialogKursaktualisierung::TDialogKursaktualisierung(std::vector<std::string> kataloge,
                                                     TEinstellungen& einstellungen, QWidget* eltern,
                                                     std::function<void()> hilfe)
    : QDialog(eltern),
      einstellungen_(einstellungen),
      kataloge_(new QListWidget(this)),
      tageskurse_(new QRadioButton(QStringLiteral("&Tageskurse"), this)),
      historisch_(new QRadioButton(QStringLiteral("H&istorische Kurse"), this)) {
  setWindowTitle(QStringLiteral("Kursaktualisierung"));
  TexteSortieren(kataloge);
  const auto& vorher = einstellungen.ListenKataloge;
  kataloge_->setSelectionMode(QAbstractItemView::MultiSelection);
  for (const std::string& k : kataloge) {
    auto* zeile = new QListWidgetItem(Text(k), kataloge_);
    zeile->setSelected(std::find(vorher.begin(), vorher.end(), k) != vorher.end());
  }
  // Wide enough that the window manager shows the whole title with the
  // program's name behind it.
  kataloge_->setMinimumSize(360, 180);
  auto* katalogText = new QLabel(QStringLiteral("&Kataloge:"), this);
  katalogText->setBuddy(kataloge_);

  auto* umfang = new QGroupBox(QStringLiteral("Umfang der Kursaktualisierung"), this);
  tageskurse_->setParent(umfang);
  historisch_->setParent(umfang);
  tageskurse_->setChecked(true);
  auto* knoepfe = new QVBoxLayout(umfang);
  knoepfe->addWidget(tageskurse_);
  knoepfe->addWidget(historisch_);

  QDialogButtonBox* leiste = Knoepfe(this, hilfe);
  ok_ = leiste->button(QDialogButtonBox::Ok);
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(katalogText);
  spalte->addWidget(kataloge_, 1);
  spalte->addWidget(umfang);
  spalte->addWidget(leiste);
  const auto freigeben = [this] { ok_->setEnabled(!kataloge_->selectedItems().isEmpty()); };
  connect(kataloge_, &QListWidget::itemSelectionChanged, this, freigeben);
  freigeben();
  kataloge_->setFocus();
}

void TDialogKursaktualisierung::accept() {
  if (kataloge_->selectedItems().isEmpty()) return;
  TKursaktuWahl wahl;
  for (int i = 0; i < kataloge_->count(); ++i) {
    if (kataloge_->item(i)->isSelected())
      wahl.Kataloge.push_back(kataloge_->item(i)->text().toStdString());
  }
  wahl.Tageskurse = tageskurse_->isChecked();
  wahl.Historisch = historisch_->isChecked();
  einstellungen_.ListenKataloge = wahl.Kataloge;
  wahl_ = std::move(wahl);
  QDialog::accept();
}

std::optional<TKursaktuWahl> KursaktuWahlAbfragen(QWidget* eltern,
                                                  std::vector<std::string> kataloge,
                                                  TEinstellungen& einstellungen,
                                                  std::function<void()> hilfe) {
  TDialogKursaktualisierung dialog(std::move(kataloge), einstellungen, eltern, std::move(hilfe));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Wahl();
}

}  // namespace morvane
