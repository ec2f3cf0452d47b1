#include "chart/ui/dialogchartansichtvorlagen.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "chart/chartvorlagen.h"

namespace morvane {
namespace {

struct TOffeneVorlagen {
  TChartVorlagen Vorlagen;
  TDialogChartAnsichtVorlagen Dialog{Vorlagen, {}};

  void Oeffnen(const TChartAnsicht& ansicht = {}) {
    Dialog.Oeffnen(ansicht);
    Dialog.show();
  }
  QListWidget* Liste() const { return Dialog.findChild<QListWidget*>("Liste"); }
  QLineEdit* Bezeichnung() const { return Dialog.findChild<QLineEdit*>("Bezeichnung"); }
  QPushButton* Knopf(const char* name) const { return Dialog.findChild<QPushButton*>(name); }
  // Nr, name and whether "Löschen" is enabled, as the dialog shows them.
  std::string Auswahl() const {
    return Dialog.findChild<QLabel*>("Nr")->text().toStdString() + " '" +
           Bezeichnung()->text().toStdString() + "' " +
           (Knopf("Loeschen")->isEnabled() ? "belegt" : "leer");
  }
};

TEST(DialogChartAnsichtVorlagen, SlotlisteUndErsteAuswahl) {
  struct TFall {
    const char* Name;
    std::function<void(TChartVorlagen&)> Vorbereiten;
    const char* Zeile1;
    const char* Zeile10;
    int Zeile;  // selected on opening
    const char* Auswahl;
  };
  const TFall faelle[] = {
      {"Standard", [](TChartVorlagen&) {}, "1: Linienchart", "0: (nicht verwendet)", 3,
       "4 '' leer"},
      {"alle leer",
       [](TChartVorlagen& v) {
         for (int slot = 1; slot <= kAnzahlChartVorlagen; ++slot)
           v.Loesche(slot);
       },
       "1: (nicht verwendet)", "0: (nicht verwendet)", 0, "1 '' leer"},
      {"alle belegt",
       [](TChartVorlagen& v) {
         for (int slot = 4; slot <= 10; ++slot)
           v.SetzeVorlage(slot, "V&" + std::to_string(slot), {});
       },
       "1: Linienchart", "0: V&10", 0, "1 'Linienchart' belegt"},
  };
  for (const TFall& fall : faelle) {
    SCOPED_TRACE(fall.Name);
    TOffeneVorlagen d;
    fall.Vorbereiten(d.Vorlagen);
    d.Oeffnen();
    ASSERT_EQ(d.Liste()->count(), 10);
    EXPECT_EQ(d.Liste()->item(0)->text(), fall.Zeile1);
    EXPECT_EQ(d.Liste()->item(9)->text(), fall.Zeile10);
    EXPECT_EQ(d.Liste()->currentRow(), fall.Zeile);
    EXPECT_EQ(d.Auswahl(), fall.Auswahl);
    EXPECT_EQ(d.Dialog.focusWidget(), d.Bezeichnung());
  }
}

TEST(DialogChartAnsichtVorlagen, AuswahlMitMausUndTastatur) {
  TOffeneVorlagen d;
  d.Oeffnen();
  d.Liste()->setCurrentRow(1);
  EXPECT_EQ(d.Auswahl(), "2 'Balkenchart' belegt");
  QTest::keyClick(d.Liste(), Qt::Key_End);  // slot 10, labelled "0"
  EXPECT_EQ(d.Auswahl(), "0 '' leer");
  EXPECT_EQ(d.Dialog.Slot(), 10);
}

TEST(DialogChartAnsichtVorlagen, SpeichernUeberschreibtDenGewaehltenSlot) {
  TOffeneVorlagen d;
  TChartAnsicht ansicht;
  ansicht.Charttyp = TCharttyp::PointFigure;
  d.Oeffnen(ansicht);
  d.Liste()->setCurrentRow(2);
  d.Bezeichnung()->setText("P&F groß");
  QTest::keyClick(d.Bezeichnung(), Qt::Key_Return);  // the default button
  EXPECT_EQ(d.Dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(d.Dialog.Geaendert());
  EXPECT_EQ(d.Vorlagen.Name(3), "P&F groß");
  EXPECT_EQ(d.Vorlagen.Ansicht(3), ansicht);
  TOffeneVorlagen leer;  // an empty name is accepted
  leer.Oeffnen();
  leer.Knopf("Speichern")->click();
  EXPECT_TRUE(leer.Vorlagen.Ansicht(4));
  EXPECT_EQ(leer.Vorlagen.Name(4), "");
}

TEST(DialogChartAnsichtVorlagen, LoeschenBehaeltDieAuswahlSchliessenAendertNichts) {
  TOffeneVorlagen d;
  d.Oeffnen();
  d.Liste()->setCurrentRow(1);
  d.Knopf("Loeschen")->click();
  EXPECT_FALSE(d.Vorlagen.Ansicht(2));
  EXPECT_EQ(d.Liste()->item(1)->text(), "2: (nicht verwendet)");
  EXPECT_EQ(d.Auswahl(), "2 '' leer");
  EXPECT_TRUE(d.Dialog.Geaendert());
  EXPECT_TRUE(d.Dialog.isVisible());
  d.Bezeichnung()->setText("Neu");
  QTest::keyClick(d.Bezeichnung(), Qt::Key_Escape);
  EXPECT_EQ(d.Dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(d.Vorlagen.Ansicht(2));
  EXPECT_EQ(d.Vorlagen.Name(2), "Balkenchart");  // an empty slot keeps its old name
}

}  // namespace
}  // namespace morvane
