#include "portfolio/ui/dialogexportieren.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>

#include "testhilfe/qt/dialogtesthilfe.h"

namespace morvane {
namespace {

// Runs OK and returns the message shown, empty when the dialog closed.
QString OkMeldung(TDialogExportierenTextdatei& dialog) {
  dialog.show();
  return test::Meldung([&] { dialog.accept(); });
}

TEST(DialogExportieren, MessagesInOrderUntilTheEntriesAreRight) {
  TDialogExportierenTextdatei dialog;
  EXPECT_FALSE(dialog.Von()->isEnabled());
  dialog.Trennzeichen()->setEditText("  ");
  dialog.ISIN()->setChecked(false);
  dialog.Name()->setChecked(false);
  dialog.Zeitraum()->setChecked(true);
  EXPECT_TRUE(dialog.Von()->isEnabled());
  dialog.Von()->setText("x");
  dialog.Bis()->setText("1.1.2000");
  test::BildSpeichern(dialog, "exportieren");
  struct Schritt {
    QString meldung;
    std::function<void()> korrektur;
  };
  const Schritt schritte[] = {
      {"Es wurde kein Spaltentrennzeichen angegeben!",
       [&] { dialog.Trennzeichen()->setCurrentIndex(1); }},
      {"Es wurde kein Identifizierungsmerkmal des Wertpapiers angegeben!",
       [&] { dialog.WKN()->setChecked(true); }},
      {"Ungültiges Datum angegeben!", [&] { dialog.Von()->setText("2.1.2000"); }},
      {"Enddatum darf nicht vor Anfangsdatum liegen!", [&] { dialog.Bis()->setText("3.1.2000"); }},
      {"", [] {}}};
  for (const Schritt& s : schritte) {
    EXPECT_EQ(OkMeldung(dialog), s.meldung);
    s.korrektur();
  }
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Optionen().Trennzeichen, ";");
  EXPECT_TRUE(dialog.Optionen().WKN);
  EXPECT_FALSE(dialog.Optionen().ISIN);
  EXPECT_FALSE(dialog.Optionen().NurLetzterKurs);
}

}  // namespace
}  // namespace morvane
