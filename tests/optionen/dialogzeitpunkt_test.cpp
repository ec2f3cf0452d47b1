#include "app/optionen/dialogzeitpunkt.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

#include "testhilfe/qt/dialogtesthilfe.h"

namespace morvane {
namespace {

using test::Meldung;

class DialogZeitpunkt : public testing::Test {
 protected:
  TDialogZeitpunktBearbeiten& Oeffnen(bool neu) {
    dialog_ = std::make_unique<TDialogZeitpunktBearbeiten>(nullptr, zeitpunkt_, neu, kataloge_,
                                                           THilfeAufruf());
    dialog_->show();
    return *dialog_;
  }

  QLineEdit* Uhrzeit() { return dialog_->findChild<QLineEdit*>("Z_Uhrzeit"); }
  QCheckBox* Tag(const char* name) { return dialog_->findChild<QCheckBox*>(name); }
  std::string Ok() {
    return Meldung([this] { dialog_->findChild<QPushButton*>("OK")->click(); }).toStdString();
  }
  std::vector<QCheckBox*> Kataloge() {
    const auto boxen =
        dialog_->findChild<QScrollArea*>("Kataloge")->widget()->findChildren<QCheckBox*>();
    return {boxen.begin(), boxen.end()};
  }

  TZeitpunkt zeitpunkt_;
  std::vector<std::string> kataloge_{"Zertifikate", "aktien", "Fonds", "Ärzte"};
  std::unique_ptr<TDialogZeitpunktBearbeiten> dialog_;
};

TEST_F(DialogZeitpunkt, NeuUndBearbeiten) {
  zeitpunkt_.Stunde = 7;
  zeitpunkt_.Minute = 5;
  Oeffnen(true);
  EXPECT_EQ(dialog_->windowTitle(), "Neuen Zeitpunkt hinzufügen");
  EXPECT_EQ(Uhrzeit()->text(), "");
  EXPECT_EQ(dialog_->focusWidget(), Uhrzeit());
  Oeffnen(false);
  EXPECT_EQ(dialog_->windowTitle(), "Zeitpunkt bearbeiten");
  EXPECT_EQ(Uhrzeit()->text(), "07:05");
}

TEST_F(DialogZeitpunkt, UhrzeitenUndWochentag) {
  const struct {
    const char* Text;
    int Stunde, Minute;  // -1: refused
  } faelle[] = {{"2", 2, 0},    {"2:5", 2, 5},    {"02.05", 2, 5},  {"0205", 2, 5},
                {"2 05", 2, 5}, {"24:00", -1, 0}, {"12:60", -1, 0}, {"", -1, 0}};
  for (const auto& f : faelle) {
    Oeffnen(true);
    Uhrzeit()->setText(f.Text);
    Tag("Z_Sonntag")->setChecked(true);
    if (f.Stunde < 0) {
      EXPECT_EQ(Ok(), "Die angegebene Uhrzeit ist ungültig.") << f.Text;
      EXPECT_EQ(dialog_->focusWidget(), Uhrzeit());
      EXPECT_EQ(dialog_->result(), QDialog::Rejected);
      continue;
    }
    EXPECT_EQ(Ok(), "") << f.Text;
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_EQ(dialog_->Zeitpunkt().Stunde, f.Stunde) << f.Text;
    EXPECT_EQ(dialog_->Zeitpunkt().Minute, f.Minute) << f.Text;
  }
  Oeffnen(true);
  Uhrzeit()->setText("12:00");
  EXPECT_EQ(Ok(), "Es muss mindestens ein Wochentag ausgewählt sein!");
  EXPECT_EQ(dialog_->focusWidget(), Tag("Z_Montag"));
}

TEST_F(DialogZeitpunkt, KatalogeSortiertUndVerschwundeneFallenWeg) {
  zeitpunkt_.Wochentage[2] = true;
  zeitpunkt_.Kataloge = {"Weg", "Fonds", "Zertifikate"};
  Oeffnen(false);
  const std::vector<QCheckBox*> boxen = Kataloge();
  std::vector<std::string> namen;
  for (std::size_t i = 0; i < boxen.size(); ++i) {
    namen.push_back(boxen[i]->text().toStdString());
    EXPECT_EQ(boxen[i]->y() - boxen[0]->y(), static_cast<int>(i) * 18);
  }
  EXPECT_EQ(namen, (std::vector<std::string>{"aktien", "Ärzte", "Fonds", "Zertifikate"}));
  boxen[0]->setChecked(true);
  EXPECT_EQ(Ok(), "");
  EXPECT_EQ(dialog_->Zeitpunkt().Kataloge,
            (std::vector<std::string>{"aktien", "Fonds", "Zertifikate"}));
  EXPECT_EQ(dialog_->Zeitpunkt().Anzeigetext(), "00:00 Uhr\tMittwoch\t3 Kataloge");
}

TEST_F(DialogZeitpunkt, AbbrechenAendertNichts) {
  zeitpunkt_.Kataloge = {"Fonds"};
  const TZeitpunkt vorher = zeitpunkt_;
  test::ModalBeantworten(
      [&] {
        EXPECT_FALSE(TDialogZeitpunktBearbeiten::Ausfuehren(nullptr, zeitpunkt_, false, kataloge_,
                                                            THilfeAufruf()));
      },
      [](QWidget* modal) {
        modal->findChild<QLineEdit*>("Z_Uhrzeit")->setText("3");
        modal->findChild<QCheckBox*>("Z_Montag")->setChecked(true);
        modal->findChild<QPushButton*>("Abbrechen")->click();
      });
  EXPECT_EQ(zeitpunkt_, vorher);
}

}  // namespace
}  // namespace morvane
