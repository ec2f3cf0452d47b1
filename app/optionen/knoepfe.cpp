#include "app/optionen/knoepfe.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

namespace morvane {

QDialogButtonBox* Knopfleiste(QDialog* dialog, const std::function<void()>& pruefen,
                              const THilfeAufruf& hilfe) {
  auto* leiste = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, dialog);
  QPushButton* ok = leiste->button(QDialogButtonBox::Ok);
  ok->setText(QStringLiteral("OK"));
  ok->setObjectName(QStringLiteral("OK"));
  QPushButton* abbrechen = leiste->button(QDialogButtonBox::Cancel);
  abbrechen->setText(QStringLiteral("Abbrechen"));
  abbrechen->setObjectName(QStringLiteral("Abbrechen"));
  QPushButton* hilfeKnopf = leiste->button(QDialogButtonBox::Help);
  hilfeKnopf->setText(QStringLiteral("&Hilfe"));
  hilfeKnopf->setObjectName(QStringLiteral("Hilfe"));
  hilfeKnopf->setEnabled(static_cast<bool>(hilfe));
  QObject::connect(leiste, &QDialogButtonBox::accepted, dialog, pruefen);
  QObject::connect(leiste, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  if (hilfe) {
    QObject::connect(leiste, &QDialogButtonBox::helpRequested, dialog, hilfe);
    auto* f1 = new QShortcut(QKeySequence::HelpContents, dialog);
    QObject::connect(f1, &QShortcut::activated, dialog, hilfe);
  }
  return leiste;
}

}  // namespace morvane
