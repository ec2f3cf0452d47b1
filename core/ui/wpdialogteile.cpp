#include "core/ui/wpdialogteile.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

#include "core/exception.h"

namespace morvane {

void ListeDruckenLassen(QWidget* dialog, const TWPDialogUmgebung& umgebung,
                        const TDruckListe& liste) {
  try {
    umgebung.Drucken(dialog, liste);
  } catch (const Exception& e) {
    umgebung.Fehler(dialog, e.Meldung());
  }
}

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

QLineEdit* Eingabefeld(QWidget* eltern, QFormLayout* form, const char* beschriftung,
                       std::string_view text) {
  return Beschriftet(eltern, form, beschriftung, new QLineEdit(UiText(text), eltern));
}

QPushButton* Knopf(QWidget* eltern, const char* text, std::function<void()> aktion) {
  auto* knopf = new QPushButton(QString::fromUtf8(text), eltern);
  QObject::connect(knopf, &QPushButton::clicked, eltern, std::move(aktion));
  return knopf;
}

bool Gespeichert(QWidget* dialog, const TWPDialogUmgebung& umgebung,
                 const std::function<void()>& schreiben) {
  try {
    schreiben();
    return true;
  } catch (const Exception& fehler) {
    umgebung.Fehler(dialog, fehler.what());
    return false;
  }
}

}  // namespace morvane
