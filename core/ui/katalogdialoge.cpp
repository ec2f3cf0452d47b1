#include "core/ui/katalogdialoge.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "store/katalogpflege.h"

namespace morvane {

TDialogKatalogUmbenennen::TDialogKatalogUmbenennen(QWidget* eltern, const std::string& name,
                                                   TWPDialogUmgebung umgebung)
    : QDialog(eltern), umgebung_(std::move(umgebung)), edit_(new QLineEdit(UiText(name), this)) {
  setWindowTitle(QStringLiteral("Katalog umbenennen"));
  auto* form = new QFormLayout;
  Beschriftet(this, form, "Neuer &Name:", edit_);
  edit_->setMinimumWidth(260);
  edit_->selectAll();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(Knopfleiste(this, umgebung_, kHilfeKatalogUmbenennen, [this] { Pruefen(); }));
}

void TDialogKatalogUmbenennen::Pruefen() {
  try {
    name_ = KatalogNamePruefen(ModellText(edit_->text()));
  } catch (const EKatalogname& fehler) {
    edit_->setFocus();
    umgebung_.Fehler(this, fehler.what());
    return;
  }
  accept();
}

TDialogWPKopierenVerschieben::TDialogWPKopierenVerschieben(QWidget* eltern,
                                                           const std::vector<std::string>& kataloge,
                                                           const std::string& katalog,
                                                           TWPDialogUmgebung umgebung)
    : QDialog(eltern), umgebung_(std::move(umgebung)), combo_(new QComboBox(this)) {
  setWindowTitle(QStringLiteral("Wertpapier kopieren/verschieben"));
  combo_->setEditable(true);
  combo_->setInsertPolicy(QComboBox::NoInsert);
  combo_->setMinimumWidth(260);
  for (const std::string& k : kataloge)
    combo_->addItem(UiText(k));
  combo_->setCurrentText(UiText(katalog));
  auto* form = new QFormLayout;
  Beschriftet(this, form, "&Zielkatalog:", combo_);

  auto* aktion = new QGroupBox(QStringLiteral("Aktion"), this);
  auto* kopieren = new QRadioButton(QStringLiteral("&Kopieren"), aktion);
  verschieben_ = new QRadioButton(QStringLiteral("&Verschieben"), aktion);
  kopieren->setChecked(true);
  auto* knoepfe = new QVBoxLayout(aktion);
  knoepfe->addWidget(kopieren);
  knoepfe->addWidget(verschieben_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(aktion);
  layout->addWidget(Knopfleiste(this, umgebung_, kHilfeWPKopieren, [this] { Pruefen(); }));
}

bool TDialogWPKopierenVerschieben::Verschieben() const {
  return verschieben_->isChecked();
}

void TDialogWPKopierenVerschieben::Pruefen() {
  // A new target catalog is created by the copy, so it needs a valid name.
  try {
    katalog_ = KatalogNamePruefen(ModellText(combo_->currentText()));
  } catch (const EKatalogname& fehler) {
    combo_->setFocus();
    umgebung_.Fehler(this, fehler.what());
    return;
  }
  accept();
}

}  // namespace morvane
