#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <filesystem>

#include "app/fenster/dialoge_optionen.h"
#include "fenstertesthilfe.h"

namespace morvane::test {
namespace {

using Optionen = FensterTest;

// Types `verzeichnis` into the options dialog that opens next and presses `knopf`.
void Eingeben(const std::string& verzeichnis, const char* knopf) {
  QTimer::singleShot(0, [verzeichnis, knopf] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>("KatalogVerz1")->setText(QString::fromStdString(verzeichnis));
    dialog->findChild<QAbstractButton*>(knopf)->click();
  });
}

TEST_F(Optionen, OkSpeichertUndFuelltDieListenAusDemNeuenVerzeichnis) {
  // As in the program, the store follows the settings' data directory.
  const TWPVerwaltung folgend([this] { return einstellungen_->Datenverzeichnis(); });
  THauptfenster f(*einstellungen_, folgend,
                  [this](QWidget*, const std::string& meldung) { Meldungen.push_back(meldung); });
  f.show();
  f.Starten();
  OptionenVerbinden(f, *einstellungen_, programm_.Pfad());
  QAction& optionen = *f.Befehle().Aktion(TMenuebefehl::ExtrasOptionen);
  ASSERT_TRUE(optionen.isEnabled());
  TTempVerzeichnis neu;
  std::filesystem::create_directory(neu.Pfad() + "Anleihen");
  const std::string ohneSchraegstrich = neu.Pfad().substr(0, neu.Pfad().size() - 1);
  const std::string datei = programm_.Pfad() + std::string(kEinstellungsdatei);

  Eingeben(ohneSchraegstrich, "Abbrechen");
  optionen.trigger();
  EXPECT_FALSE(std::filesystem::exists(datei));
  EXPECT_EQ(Texte(*f.Panel().Kataloge()), (VS{"Aktien", "Indizes", "Leer"}));

  Eingeben(ohneSchraegstrich, "OK");
  optionen.trigger();
  EXPECT_EQ(Texte(*f.Panel().Kataloge()), VS{"Anleihen"});
  EXPECT_EQ(TEinstellungen(programm_.Pfad()).EingestelltesDatenverzeichnis(), neu.Pfad());
  EXPECT_TRUE(Meldungen.empty());
}

}  // namespace
}  // namespace morvane::test
