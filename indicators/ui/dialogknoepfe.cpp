#include "indicators/ui/dialogknoepfe.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

namespace morvane {

QDialogButtonBox* DialogKnoepfe(QDialog* dialog, const TIndHilfe& hilfe) {
  auto* knoepfe = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, dialog);
  const struct {
    QDialogButtonBox::StandardButton Knopf;
    const char* Name;
    const char* Text;
  } beschriftung[] = {{QDialogButtonBox::Ok, "OK", "OK"},
                      {QDialogButtonBox::Cancel, "Abbrechen", "Abbrechen"},
                      {QDialogButtonBox::Help, "Hilfe", "&Hilfe"}};
  for (const auto& b : beschriftung) {
    QPushButton* knopf = knoepfe->button(b.Knopf);
    knopf->setObjectName(QString::fromLatin1(b.Name));
    knopf->setText(QString::fromLatin1(b.Text));
  }
  knoepfe->button(QDialogButtonBox::Ok)->setDefault(true);
  QPushButton* hilfeKnopf = knoepfe->button(QDialogButtonBox::Help);
  hilfeKnopf->setAutoDefault(false);
  hilfeKnopf->setEnabled(static_cast<bool>(hilfe));
  QObject::connect(knoepfe, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(knoepfe, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  if (hilfe) {
    QObject::connect(knoepfe, &QDialogButtonBox::helpRequested, dialog, [hilfe] { hilfe(); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, dialog);
    QObject::connect(f1, &QShortcut::activated, dialog, [hilfe] { hilfe(); });
  }
  return knoepfe;
}

}  // namespace morvane
