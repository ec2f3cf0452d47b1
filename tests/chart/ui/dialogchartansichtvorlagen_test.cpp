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
  TChartAnsicht Ansicht;

  void Oeffnen() {
    Dialog.Oeffnen(Ansicht);
    Dialog.show();
  }
  QListWidget* Liste() const { return Dialog.findChild<QListWidget*>("Liste"); }
  QString Nr() const { return Dialog.findChild<QLabel*>("Nr")->text(); }
  QLineEdit* Bezeichnung() const { return Dialog.findChild<QLineEdit*>("Bezeichnung"); }
  QPushButton* Knopf(const char* name) const { return Dialog.findChild<QPushButton*>(name); }
  QStringList Zeilen() const {
    QStringList zeilen;
    for (int i = 0; i < Liste()->count(); ++i)
      zeilen << Liste()->item(i)->text();
    return zeilen;
  }
};

TEST(DialogChartAnsichtVorlagen, SlotlisteUndErsteAuswahl) {
  struct TFall {
    const char* Name;
    std::function<void(TChartVorlagen&)> Vorbereiten;
    const char* Zeile1;
    const char* Zeile10;
    int Auswahl;  // list row
    const char* Nr;
    const char* Bezeichnung;
    bool Loeschbar;
  };
  const TFall faelle[] = {
      {"Standard", [](TChartVorlagen&) {}, "1: Linienchart", "0: (nicht verwendet)", 3, "4", "",
       false},
      {"alle leer",
       [](TChartVorlagen& v) {
         for (int slot = 1; slot <= kAnzahlChartVorlagen; ++slot)
           v.Loesche(slot);
       },
       "1: (nicht verwendet)", "0: (nicht verwendet)", 0, "1", "", false},
      {"alle belegt",
       [](TChartVorlagen& v) {
         for (int slot = 4; slot <= 10; ++slot)
           v.SetzeVorlage(slot, "V&" + std::to_string(slot), {});
       },
       "1: Linienchart", "0: V&10", 0, "1", "Linienchart", true},
      {"Name ohne Ansicht",
       [](TChartVorlagen& v) {
         v.SetzeVorlage(1, "Alt", {});
         v.Loesche(1);
       },
       "1: (nicht verwendet)", "0: (nicht verwendet)", 0, "1", "", false},
  };
  for (const TFall& fall : faelle) {
    SCOPED_TRACE(fall.Name);
    TOffeneVorlagen d;
    fall.Vorbereiten(d.Vorlagen);
    d.Oeffnen();
    const QStringList zeilen = d.Zeilen();
    ASSERT_EQ(zeilen.size(), 10);
    EXPECT_EQ(zeilen[0], fall.Zeile1);
    EXPECT_EQ(zeilen[9], fall.Zeile10);
    EXPECT_EQ(d.Liste()->currentRow(), fall.Auswahl);
    EXPECT_EQ(d.Nr(), fall.Nr);
    EXPECT_EQ(d.Bezeichnung()->text(), fall.Bezeichnung);
    EXPECT_EQ(d.Knopf("Loeschen")->isEnabled(), fall.Loeschbar);
    EXPECT_EQ(d.Dialog.focusWidget(), d.Bezeichnung());
  }
}

TEST(DialogChartAnsichtVorlagen, AuswahlZeigtNrUndName) {
  TOffeneVorlagen d;
  d.Oeffnen();
  d.Liste()->setCurrentRow(1);
  EXPECT_EQ(d.Nr(), "2");
  EXPECT_EQ(d.Bezeichnung()->text(), "Balkenchart");
  EXPECT_TRUE(d.Knopf("Loeschen")->isEnabled());
  // Keyboard: End goes to the last line, which is slot 10, labelled "0".
  QTest::keyClick(d.Liste(), Qt::Key_End);
  EXPECT_EQ(d.Nr(), "0");
  EXPECT_EQ(d.Bezeichnung()->text(), "");
  EXPECT_EQ(d.Dialog.Slot(), 10);
}

TEST(DialogChartAnsichtVorlagen, SpeichernUeberschreibtDenGewaehltenSlot) {
  TOffeneVorlagen d;
  d.Ansicht.Charttyp = TCharttyp::PointFigure;
  d.Oeffnen();
  d.Liste()->setCurrentRow(2);
  d.Bezeichnung()->setText("P&F groß");
  d.Knopf("Speichern")->click();
  EXPECT_EQ(d.Dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(d.Dialog.Geaendert());
  EXPECT_EQ(d.Vorlagen.Name(3), "P&F groß");
  EXPECT_EQ(d.Vorlagen.Ansicht(3), d.Ansicht);
  // An empty name is accepted.
  TOffeneVorlagen leer;
  leer.Oeffnen();
  leer.Knopf("Speichern")->click();
  EXPECT_TRUE(leer.Vorlagen.Ansicht(4));
  EXPECT_EQ(leer.Vorlagen.Name(4), "");
}

TEST(DialogChartAnsichtVorlagen, LoeschenBehaeltDieAuswahl) {
  TOffeneVorlagen d;
  d.Oeffnen();
  d.Liste()->setCurrentRow(1);
  d.Knopf("Loeschen")->click();
  EXPECT_FALSE(d.Vorlagen.Ansicht(2));
  EXPECT_EQ(d.Zeilen()[1], "2: (nicht verwendet)");
  EXPECT_EQ(d.Liste()->currentRow(), 1);
  EXPECT_EQ(d.Bezeichnung()->text(), "");
  EXPECT_FALSE(d.Knopf("Loeschen")->isEnabled());
  EXPECT_TRUE(d.Dialog.Geaendert());
  EXPECT_TRUE(d.Dialog.isVisible());
  d.Knopf("Schliessen")->click();
  EXPECT_EQ(d.Dialog.result(), QDialog::Rejected);
  EXPECT_TRUE(d.Vorlagen.Ansicht(1));
  EXPECT_FALSE(d.Vorlagen.Ansicht(4));
}

TEST(DialogChartAnsichtVorlagen, SchliessenAendertNichts) {
  TOffeneVorlagen d;
  d.Oeffnen();
  d.Bezeichnung()->setText("Neu");
  QTest::keyClick(d.Bezeichnung(), Qt::Key_Escape);
  EXPECT_EQ(d.Dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(d.Dialog.Geaendert());
  EXPECT_FALSE(d.Vorlagen.Ansicht(4));
  EXPECT_EQ(d.Vorlagen.Name(4), "");
}

}  // namespace
}  // namespace morvane
