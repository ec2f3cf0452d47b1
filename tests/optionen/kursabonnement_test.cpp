#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/optionen/dialogoptionen.h"
#include "app/optionen/kontogruppe.h"
#include "store/einstellungen.h"
#include "testhilfe/qt/dialogtesthilfe.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

// The group "Kursabonnement" of the options dialog and konto.cfg behind it.
class Kursabonnement : public testing::Test {
 protected:
  Kursabonnement() : e_(programm_.Pfad()) {
    ZeitplanerEinstecken(e_);
    umgebung_.Programmverzeichnis = programm_.Pfad();
  }

  // Runs the dialog as the program does, with `imDialog` working in it.
  bool Ausfuehren(const std::function<void(QWidget&)>& imDialog) {
    bool ok = false;
    test::ModalBeantworten(
        [&] { ok = TDialogOptionen::Ausfuehren(nullptr, e_, Zeitplaner(e_), umgebung_); },
        [&](QWidget* modal) { imDialog(*modal); });
    return ok;
  }

  static QLineEdit* Feld(QWidget& dialog, const char* name) {
    auto* feld = dialog.findChild<QLineEdit*>(name);
    EXPECT_NE(feld, nullptr) << name;
    return feld;
  }

  static void Eintragen(QWidget& dialog) {
    Feld(dialog, "Abo_Kundennummer")->setText(" 4711 ");
    Feld(dialog, "Abo_Benutzername")->setText("anna");
    Feld(dialog, "Abo_Passwort")->setText("geheim wort");
    Feld(dialog, "Abo_Agent")->setText("Testbrowser/1.0");
  }

  static void Klicken(QWidget& dialog, const char* name) {
    dialog.findChild<QPushButton*>(name)->click();
  }

  std::string Datei() const { return programm_.Datei(std::string(kKontoDatei)); }

  std::string Inhalt() const {
    std::ostringstream inhalt;
    inhalt << std::ifstream(Datei(), std::ios::binary).rdbuf();
    return inhalt.str();
  }

  test::TTempVerzeichnis programm_;
  TEinstellungen e_;
  TOptionenUmgebung umgebung_;
};

TEST_F(Kursabonnement, ShowsTheStoredValuesWithThePasswordHidden) {
  TKonto konto;
  konto.OnvistaNummer = "12";
  konto.OnvistaPasswort = "pw";
  KontoSpeichern(programm_.Pfad(), konto);
  TDialogOptionen dialog(nullptr, e_, Zeitplaner(e_), umgebung_);
  EXPECT_EQ(Feld(dialog, "Abo_Kundennummer")->text(), "12");
  EXPECT_EQ(Feld(dialog, "Abo_Passwort")->text(), "pw");
  EXPECT_EQ(Feld(dialog, "Abo_Passwort")->echoMode(), QLineEdit::Password);
  EXPECT_EQ(Feld(dialog, "Abo_Agent")->text().toStdString(), kStandardAgent);
  EXPECT_EQ(dialog.findChild<QGroupBox*>("Kursabonnement")->title(), "Kursabonnement");
}

TEST_F(Kursabonnement, CancelLeavesKontoCfgAbsentOrByteForByte) {
  EXPECT_FALSE(Ausfuehren([](QWidget& d) {
    Eintragen(d);
    Klicken(d, "Abbrechen");
  }));
  EXPECT_FALSE(std::filesystem::exists(Datei()));

  const std::string vorher = "OnvistaNummer=1\nFremd=bleibt\n";
  std::ofstream(Datei(), std::ios::binary) << vorher;
  EXPECT_FALSE(Ausfuehren([](QWidget& d) {
    Eintragen(d);
    Klicken(d, "Abbrechen");
  }));
  EXPECT_EQ(Inhalt(), vorher);
}

TEST_F(Kursabonnement, OkWritesTheValuesWithMode0600AndKeepsTheOthersAsTheyAreNow) {
  TKonto alt;
  alt.UpdateAdresse = "https://alt.example/index.txt";
  KontoSpeichern(programm_.Pfad(), alt);
  EXPECT_TRUE(Ausfuehren([&](QWidget& d) {
    Eintragen(d);
    // Another part of the program changes konto.cfg while the dialog is open.
    TKonto neu = alt;
    neu.UpdateAdresse = "https://neu.example/index.txt";
    KontoSpeichern(programm_.Pfad(), neu);
    Klicken(d, "OK");
  }));
  const TKonto erwartet{.OnvistaNummer = "4711",
                        .OnvistaName = "anna",
                        .OnvistaPasswort = "geheim wort",
                        .Agent = "Testbrowser/1.0",
                        .UpdateAdresse = "https://neu.example/index.txt"};
  EXPECT_EQ(KontoLaden(programm_.Pfad()), erwartet);
  struct stat info {};
  ASSERT_EQ(::stat(Datei().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(Kursabonnement, AnUnreadableFileIsLockedAndLeftAlone) {
  std::filesystem::create_directory(Datei());
  EXPECT_TRUE(Ausfuehren([](QWidget& d) {
    EXPECT_FALSE(Feld(d, "Abo_Passwort")->isEnabled());
    bool grundGezeigt = false;
    for (const QLabel* l : d.findChildren<QLabel*>())
      grundGezeigt |= l->text().startsWith("Die Kontodaten in '") && !l->isHidden();
    EXPECT_TRUE(grundGezeigt);
    d.findChild<QTabWidget*>()->setCurrentIndex(2);
    d.grab().save(QStringLiteral(MORVANE_BILDER "/optionen-kursabonnement-gesperrt.png"));
    Klicken(d, "OK");
  }));
  EXPECT_TRUE(std::filesystem::is_directory(Datei()));
}

TEST_F(Kursabonnement, AFailedWriteIsShownAndTheDialogStaysOpen) {
  // A program directory that has gone: nothing to read, nowhere to write.
  umgebung_.Programmverzeichnis = programm_.Datei("fehlt/");
  EXPECT_FALSE(Ausfuehren([](QWidget& d) {
    Eintragen(d);
    const std::string meldung = test::Meldung([&] { Klicken(d, "OK"); }).toStdString();
    EXPECT_EQ(meldung.rfind("Die Kontodaten konnten nicht in '", 0), 0u) << meldung;
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.findChild<QTabWidget*>()->currentIndex(), 2);
    Klicken(d, "Abbrechen");
  }));
}

}  // namespace
}  // namespace morvane
