#include "chart/ui/dialogteile.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

namespace morvane {

QPushButton* HilfeKnopf(QWidget* dialog, const THilfe& hilfe, int kontext) {
  auto* knopf = new QPushButton(QStringLiteral("&Hilfe"), dialog);
  knopf->setObjectName(QStringLiteral("Hilfe"));
  knopf->setAutoDefault(false);
  knopf->setEnabled(static_cast<bool>(hilfe));
  if (!hilfe) return knopf;
  const auto zeigen = [hilfe, kontext] { hilfe(kontext); };
  QObject::connect(knopf, &QPushButton::clicked, dialog, zeigen);
  auto* f1 = new QShortcut(QKeySequence::HelpContents, dialog);
  QObject::connect(f1, &QShortcut::activated, dialog, zeigen);
  return knopf;
}

QHBoxLayout* OkAbbrechenHilfe(QDialog* dialog, const THilfe& hilfe, int kontext, QWidget* links) {
  auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
  ok->setObjectName(QStringLiteral("OK"));
  ok->setDefault(true);
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), dialog);
  abbrechen->setObjectName(QStringLiteral("Abbrechen"));
  QPushButton* hilfeKnopf = HilfeKnopf(dialog, hilfe, kontext);
  auto* zeile = new QHBoxLayout;
  if (links) zeile->addWidget(links);
  zeile->addStretch();
  for (QPushButton* knopf : {ok, abbrechen, hilfeKnopf})
    zeile->addWidget(knopf);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(abbrechen, &QPushButton::clicked, dialog, &QDialog::reject);
  return zeile;
}

}  // namespace morvane
