#include "chart/ui/dialogteile.h"

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

}  // namespace morvane
