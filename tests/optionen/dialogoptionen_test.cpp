#include "app/optionen/dialogoptionen.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/optionen/dialogzeitpunkt.h"
#include "online/konto.h"
#include "store/einstellungen.h"
#include "testhilfe/qt/dialogtesthilfe.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

using test::Meldung;
using test::ModalBeantworten;

// Dial-up networking with two phone-book entries whose editor fails.
class TFalscheVerbindung : public TInternetVerbindung {
 public:
  bool DFUeInstalliert() const override { return true; }
  std::vector<std::string> Telefonbuch() const override { return {"Anbieter", "Zweiter"}; }
};

class DialogOptionen : public testing::Test {
 protected:
  DialogOptionen() : e_(programm_.Pfad()) {
    ZeitplanerEinstecken(e_);
    umgebung_.Programmverzeichnis = programm_.Pfad();
    umgebung_.Logdatei = e_.Dateipfad(kLogbuchdatei);
    umgebung_.Kataloge = [] { return std::vector<std::string>{"Aktien", "Fonds"}; };
    umgebung_.DateiOeffnen = [this](const std::string& datei) {
      geoeffnet_.push_back(datei);
      return true;
    };
  }

  TDialogOptionen& Oeffnen() {
    dialog_ = std::make_unique<TDialogOptionen>(nullptr, e_, Zeitplaner(e_), umgebung_);
    dialog_->show();
    offen_ = dialog_.get();
    return *dialog_;
  }

  // Runs the dialog as the program does, with `imDialog` working in it.
  bool Ausfuehren(const std::function<void()>& imDialog) {
    bool ok = false;
    ModalBeantworten(
        [&] { ok = TDialogOptionen::Ausfuehren(nullptr, e_, Zeitplaner(e_), umgebung_); },
        [&](QWidget* modal) {
          offen_ = modal;
          imDialog();
        });
    offen_ = nullptr;
    return ok;
  }

  template <class T>
  T* Teil(const char* name) {
    T* teil = offen_->findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(teil, nullptr) << name;
    return teil;
  }

  void Setzen(const char* name, const char* text) { Teil<QLineEdit>(name)->setText(text); }
  void Klicken(const char* name) { Teil<QPushButton>(name)->click(); }
  int Seite() { return dialog_->findChild<QTabWidget*>()->currentIndex(); }

  // Fills the time-point dialog that `aktion` opens and confirms it.
  void ZeitpunktEingeben(const std::function<void()>& aktion, const char* uhrzeit) {
    ModalBeantworten(aktion, [uhrzeit](QWidget* modal) {
      modal->findChild<QLineEdit*>("Z_Uhrzeit")->setText(uhrzeit);
      modal->findChild<QCheckBox*>("Z_Freitag")->setChecked(true);
      modal->findChild<QPushButton*>("OK")->click();
    });
  }

  test::TTempVerzeichnis programm_;
  TEinstellungen e_;
  TOptionenUmgebung umgebung_;
  std::unique_ptr<TDialogOptionen> dialog_;
  // The dialog the helpers work in.
  QWidget* offen_ = nullptr;
  std::vector<std::string> geoeffnet_;
};

TEST_F(DialogOptionen, MeldungenInIhrerReihenfolgeMitSeiteUndFokus) {
  const struct {
    const char *Timeout, *Wahl, *Pause, *Meldung;
    int Seite;
    const char* Fokus;
  } faelle[] = {
      {"4", "1001", "x", "Der Timeout-Wert muss zwischen 5 und 500 Sekunden liegen.", 1,
       "K_Timeout"},
      {"501", "10", "5", "Der Timeout-Wert muss zwischen 5 und 500 Sekunden liegen.", 1,
       "K_Timeout"},
      {"5", "1001", "x", "Die Anzahl der Wahlwiederholungen ist ungültig.", 2,
       "DFUe_Wahlwiederholung"},
      {"500", "1000", "x", "Die angegebene Wahlpause ist ungültig.", 2, "DFUe_Wahlpause"},
  };
  umgebung_.Verbindung = [] { return std::make_unique<TFalscheVerbindung>(); };
  for (const auto& f : faelle) {
    Oeffnen();
    Teil<QCheckBox>("DFUe_Verbinden")->setChecked(true);
    Teil<QComboBox>("DFUe_Liste")->setCurrentIndex(0);
    Setzen("K_Timeout", f.Timeout);
    Setzen("DFUe_Wahlwiederholung", f.Wahl);
    Setzen("DFUe_Wahlpause", f.Pause);
    EXPECT_EQ(Meldung([&] { Klicken("OK"); }).toStdString(), f.Meldung);
    EXPECT_EQ(Seite(), f.Seite) << f.Meldung;
    EXPECT_EQ(dialog_->focusWidget()->objectName().toStdString(), f.Fokus);
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_TRUE(dialog_->isVisible());
  }
  Setzen("DFUe_Wahlpause", "1000");
  EXPECT_EQ(Meldung([&] { Klicken("OK"); }).toStdString(), "");
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
}

TEST_F(DialogOptionen, OhneDFUeNetzwerkGesperrtUndGespeicherteWerteBleiben) {
  e_.DFUeVerbinden = true;
  e_.DFUeEintrag = "Alt";
  e_.Wahlwiederholungen = 7;
  Oeffnen();
  EXPECT_EQ(Seite(), 0);
  for (const char* name : {"DFUe_Verbinden", "DFUe_Liste", "DFUe_Eigenschaften",
                           "DFUe_Wahlwiederholung", "DFUe_Wahlpause", "DFUe_Trennen"}) {
    EXPECT_FALSE(Teil<QWidget>(name)->isEnabled()) << name;
  }
  EXPECT_TRUE(Teil<QLineEdit>("ProxyAdresse1")->isEnabled());
  const TOptionenEingabe vorher = OptionenAus(e_, Zeitplaner(e_));
  EXPECT_EQ(dialog_->Eingabe(), vorher);
}

TEST_F(DialogOptionen, DFUeFreigabenFolgenHaekchenUndEintrag) {
  umgebung_.Verbindung = [] { return std::make_unique<TFalscheVerbindung>(); };
  Oeffnen();
  auto* verbinden = Teil<QCheckBox>("DFUe_Verbinden");
  auto* liste = Teil<QComboBox>("DFUe_Liste");
  EXPECT_TRUE(verbinden->isEnabled());
  EXPECT_FALSE(liste->isEnabled());
  verbinden->setChecked(true);
  EXPECT_TRUE(liste->isEnabled());
  EXPECT_EQ(liste->currentIndex(), -1);
  EXPECT_FALSE(Teil<QPushButton>("DFUe_Eigenschaften")->isEnabled());
  EXPECT_EQ(Meldung([&] { Klicken("OK"); }).toStdString(),
            "Es wurde keine DFÜ-Netzwerkverbindung ausgewählt.");
  EXPECT_EQ(Seite(), 2);
  EXPECT_EQ(dialog_->focusWidget(), liste);
  liste->setCurrentIndex(1);
  EXPECT_EQ(Meldung([&] { Klicken("DFUe_Eigenschaften"); }).toStdString(),
            "Fehler beim Anzeigen der DFÜ-Netzwerk-Eigenschaften des gewählten Eintrags.");
  EXPECT_EQ(dialog_->Eingabe().DFUeEintrag, "Zweiter");
}

TEST_F(DialogOptionen, ZeitplanHinzufuegenBearbeitenLoeschen) {
  Oeffnen();
  auto* liste = Teil<QListWidget>("K_Z_Liste");
  EXPECT_FALSE(liste->isEnabled());
  EXPECT_FALSE(Teil<QPushButton>("K_Z_Hinzufuegen")->isEnabled());
  Teil<QCheckBox>("K_Z_EinAus")->setChecked(true);
  EXPECT_FALSE(Teil<QPushButton>("K_Z_Bearbeiten")->isEnabled());
  ZeitpunktEingeben([&] { Klicken("K_Z_Hinzufuegen"); }, "930");
  ZeitpunktEingeben([&] { Klicken("K_Z_Hinzufuegen"); }, "18");
  ASSERT_EQ(liste->count(), 2);
  EXPECT_EQ(liste->currentRow(), 1);
  EXPECT_EQ(liste->item(0)->text().toStdString(), "09:30 Uhr\tFreitag\t0 Kataloge");
  EXPECT_TRUE(Teil<QPushButton>("K_Z_Loeschen")->isEnabled());

  liste->setCurrentRow(0);
  ZeitpunktEingeben([&] { Klicken("K_Z_Bearbeiten"); }, "7:5");
  EXPECT_EQ(liste->item(0)->text().toStdString(), "07:05 Uhr\tFreitag\t0 Kataloge");
  EXPECT_EQ(liste->currentRow(), 0);
  // A cancelled new time point adds nothing.
  ModalBeantworten([&] { Klicken("K_Z_Hinzufuegen"); },
                   [](QWidget* modal) { modal->findChild<QPushButton*>("Abbrechen")->click(); });
  EXPECT_EQ(liste->count(), 2);

  Klicken("K_Z_Loeschen");
  ASSERT_EQ(dialog_->Eingabe().Zeitpunkte.size(), 1u);
  EXPECT_EQ(dialog_->Eingabe().Zeitpunkte[0].Stunde, 18);
  EXPECT_EQ(liste->count(), 1);
}

TEST_F(DialogOptionen, UnlesbareKatalogeWerdenGemeldet) {
  umgebung_.Kataloge = []() -> std::vector<std::string> {
    throw Exception("Das Datenverzeichnis /weg/ ist nicht lesbar.");
  };
  Oeffnen();
  Teil<QCheckBox>("K_Z_EinAus")->setChecked(true);
  EXPECT_EQ(Meldung([&] { Klicken("K_Z_Hinzufuegen"); }).toStdString(),
            "Das Datenverzeichnis /weg/ ist nicht lesbar.");
  EXPECT_EQ(Teil<QListWidget>("K_Z_Liste")->count(), 0);
}

std::string Datei(const std::string& pfad) {
  std::ifstream datei(pfad, std::ios::binary);
  std::ostringstream inhalt;
  inhalt << datei.rdbuf();
  return inhalt.str();
}

TEST_F(DialogOptionen, AbbrechenLaesstDieDateiUnveraendert) {
  TZeitpunkt z;
  z.Stunde = 6;
  z.Wochentage[0] = true;
  Zeitplaner(e_).Anhaengen(z);
  Zeitplaner(e_).Aktiv = true;
  e_.Speichern();
  const std::string vorher = Datei(e_.Dateipfad(kEinstellungsdatei));
  EXPECT_FALSE(Ausfuehren([&] {
    Setzen("KatalogVerz1", "/anders");
    Setzen("K_Timeout", "99");
    Teil<QListWidget>("K_Z_Liste")->setCurrentRow(0);
    ZeitpunktEingeben([&] { Klicken("K_Z_Bearbeiten"); }, "8");
    EXPECT_EQ(Teil<QListWidget>("K_Z_Liste")->item(0)->text().toStdString(),
              "08:00 Uhr\tMontag Freitag\t0 Kataloge");
    Klicken("Abbrechen");
  }));
  EXPECT_EQ(e_.Dateiinhalt(), vorher);
  EXPECT_EQ(Datei(e_.Dateipfad(kEinstellungsdatei)), vorher);
}

TEST_F(DialogOptionen, OkSchreibtZurueck) {
  EXPECT_TRUE(Ausfuehren([&] {
    Setzen("KatalogVerz1", " /daten/kurse ");
    Setzen("ProxyPort1", " 8080 ");
    Teil<QCheckBox>("K_Z_EinAus")->setChecked(true);
    ZeitpunktEingeben([&] { Klicken("K_Z_Hinzufuegen"); }, "0205");
    Klicken("OK");
  }));
  EXPECT_TRUE(Zeitplaner(e_).Aktiv);
  ASSERT_EQ(Zeitplaner(e_).Anzahl(), 1u);
  EXPECT_EQ(Zeitplaner(e_).Zeitpunkt(0)->Anzeigetext(), "02:05 Uhr\tFreitag\t0 Kataloge");
  EXPECT_EQ(e_.EingestelltesDatenverzeichnis(), "/daten/kurse/");
  EXPECT_EQ(e_.ProxyPort, " 8080 ");
}

// The update address lives in konto.cfg beside the account values, written
// on OK only and only when it changed.
TEST_F(DialogOptionen, UpdateAdresseInKontoCfg) {
  const std::string konto = programm_.Datei("konto.cfg");
  EXPECT_FALSE(Ausfuehren([&] {
    Setzen("K_UpdateAdresse", "https://anders.example/index.txt");
    Klicken("Abbrechen");
  }));
  EXPECT_TRUE(Ausfuehren([&] {
    EXPECT_EQ(Teil<QLineEdit>("K_UpdateAdresse")->text().toStdString(), kStandardUpdateAdresse);
    Klicken("OK");
  }));
  EXPECT_FALSE(std::filesystem::exists(konto));

  Oeffnen();
  Setzen("K_UpdateAdresse", "http://kursquellen.example/index.txt");
  EXPECT_EQ(Meldung([&] { Klicken("OK"); }).toStdString(),
            "Die Update-Adresse muss mit https:// beginnen und darf keine Leerzeichen enthalten.");
  EXPECT_EQ(Seite(), 1);
  EXPECT_EQ(dialog_->focusWidget()->objectName().toStdString(), "K_UpdateAdresse");

  TKonto alt;
  alt.OnvistaName = "kunde";
  alt.OnvistaPasswort = "geheim";
  KontoSpeichern(programm_.Pfad(), alt);
  EXPECT_TRUE(Ausfuehren([&] {
    Setzen("K_UpdateAdresse", " https://eigen.example/3.5/index.txt ");
    Klicken("OK");
  }));
  TKonto neu = alt;
  neu.UpdateAdresse = "https://eigen.example/3.5/index.txt";
  EXPECT_EQ(KontoLaden(programm_.Pfad()), neu);
  EXPECT_EQ(std::filesystem::status(konto).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(DialogOptionen, VerzeichnisWaehlen) {
  Oeffnen();
  const std::string ziel = programm_.Pfad() + "kurse";
  QDir().mkpath(QString::fromStdString(ziel));
  std::string start;
  ModalBeantworten([&] { Klicken("VerzWaehlen"); },
                   [&](QWidget* modal) {
                     auto* waehler = qobject_cast<QFileDialog*>(modal);
                     ASSERT_NE(waehler, nullptr);
                     start = waehler->directory().absolutePath().toStdString() + "/";
                     waehler->selectFile(QString::fromStdString(ziel));
                     static_cast<QDialog*>(waehler)->accept();
                   });
  EXPECT_EQ(start, programm_.Pfad());
  EXPECT_EQ(Teil<QLineEdit>("KatalogVerz1")->text().toStdString(), ziel);
}

TEST_F(DialogOptionen, LogdateiAnzeigen) {
  Oeffnen();
  EXPECT_EQ(Meldung([&] { Klicken("K_LogdateiAnzeigen"); }).toStdString(),
            "Die Logdatei „" + umgebung_.Logdatei +
                "“ gibt es noch nicht: Es wurde noch nichts protokolliert.");
  EXPECT_TRUE(geoeffnet_.empty());
  std::ofstream(umgebung_.Logdatei) << "Zeile\n";
  EXPECT_EQ(Meldung([&] { Klicken("K_LogdateiAnzeigen"); }).toStdString(), "");
  EXPECT_EQ(geoeffnet_, std::vector<std::string>{umgebung_.Logdatei});
}

}  // namespace
}  // namespace morvane
