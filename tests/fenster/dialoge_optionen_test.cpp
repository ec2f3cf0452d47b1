#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <filesystem>

#include "app/fenster/dialoge_optionen.h"
#include "fenstertesthilfe.h"
#include "online/zeitplaner.h"

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

TEST_F(Optionen, OkRichtetDieZeitsteuerungEinUndMeldetFehler) {
  THauptfenster& f = Oeffnen();
  OptionenVerbinden(f, *einstellungen_, programm_.Pfad());
  QAction& optionen = *f.Befehle().Aktion(TMenuebefehl::ExtrasOptionen);
  Zeitplaner(*einstellungen_).Aktiv = true;
  const std::string konfig = std::getenv("XDG_CONFIG_HOME");
  const std::string eintrag = konfig + "/autostart/morvane-zeitsteuerung.desktop";

  Eingeben(daten_.Pfad(), "OK");
  optionen.trigger();
  // No scheduler program lies beside the tests: the entry is written all the same.
  EXPECT_TRUE(std::filesystem::exists(eintrag));
  EXPECT_TRUE(Meldungen.empty());

  // The autostart folder blocked by a file: the failure is shown.
  ::setenv("XDG_CONFIG_HOME", (programm_.Pfad() + "morvane.cfg").c_str(), 1);
  Eingeben(daten_.Pfad(), "OK");
  optionen.trigger();
  ::setenv("XDG_CONFIG_HOME", konfig.c_str(), 1);
  EXPECT_EQ(Meldungen, std::vector<std::string>{"Fehler beim Einrichten der Zeitsteuerung in die "
                                                "Autostart-Liste. (Kein Verzeichnis)"});

  Zeitplaner(*einstellungen_).Aktiv = false;
  Eingeben(daten_.Pfad(), "OK");
  optionen.trigger();
  EXPECT_FALSE(std::filesystem::exists(eintrag));
}

}  // namespace
}  // namespace morvane::test
