#include "core/ui/wpdialogteile.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

namespace morvane {

TWPDialogUmgebung StandardUmgebung() {
  TWPDialogUmgebung umgebung;
  umgebung.Fehler = [](QWidget* eltern, const std::string& meldung) {
    QMessageBox::critical(eltern, QStringLiteral("Fehler"), UiText(meldung));
  };
  umgebung.Frage = [](QWidget* eltern, const std::string& frage) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigung"), UiText(frage),
                    QMessageBox::NoButton, eltern);
    QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == ja;
  };
  return umgebung;
}

QDialogButtonBox* Knopfleiste(QDialog* dialog, const TWPDialogUmgebung& umgebung, int kontext,
                              std::function<void()> pruefen) {
  auto* leiste = new QDialogButtonBox(dialog);
  QPushButton* ok = leiste->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  leiste->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
  QPushButton* hilfe = leiste->addButton(QStringLiteral("&Hilfe"), QDialogButtonBox::HelpRole);
  ok->setDefault(true);
  hilfe->setEnabled(static_cast<bool>(umgebung.Hilfe));
  QObject::connect(leiste, &QDialogButtonBox::accepted, dialog, std::move(pruefen));
  QObject::connect(leiste, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  if (umgebung.Hilfe) {
    auto oeffnen = [h = umgebung.Hilfe, kontext] { h(kontext); };
    QObject::connect(hilfe, &QPushButton::clicked, dialog, oeffnen);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
    QObject::connect(f1, &QShortcut::activated, dialog, oeffnen);
  }
  return leiste;
}

}  // namespace morvane
