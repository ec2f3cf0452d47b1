#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QRadioButton>
#include <QTimer>

#include "app/fenster/dialoge.h"
#include "fenstertesthilfe.h"

namespace morvane::test {
namespace {

using Dialoge = FensterTest;

// Presses `knopf` of the modal dialog that opens next, after `vorher` ran on it.
void ImDialog(const char* knopf, std::function<void(QDialog&)> vorher = {}) {
  QTimer::singleShot(0, [knopf, vorher] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    if (vorher) vorher(*dialog);
    dialog->findChild<QAbstractButton*>(QString::fromLatin1(knopf))->click();
  });
}

TEST_F(Dialoge, ChartAnsichtWirdAngewendetOderBleibt) {
  THauptfenster& f = Oeffnen();
  DialogeVerbinden(f, *einstellungen_, programm_.Pfad());
  QAction& chart = *f.Befehle().Aktion(TMenuebefehl::AnsichtChart);
  EXPECT_TRUE(chart.isEnabled());
  EXPECT_TRUE(f.Befehle().Aktion(TMenuebefehl::HilfeHilfethemen)->isEnabled());
  const TCharttyp vorher = f.Feld().Ansicht().Charttyp;
  ASSERT_NE(vorher, TCharttyp::Linie);

  const auto linie = [](QDialog& d) {
    d.findChild<QRadioButton*>(QStringLiteral("Linienchart"))->click();
  };
  ImDialog("Abbrechen", linie);
  chart.trigger();
  EXPECT_EQ(f.Feld().Ansicht().Charttyp, vorher);

  ImDialog("OK", linie);
  chart.trigger();
  EXPECT_EQ(f.Feld().Ansicht().Charttyp, TCharttyp::Linie);
  EXPECT_TRUE(f.Werkzeugleiste().Charttyp(TCharttyp::Linie)->isChecked());
  EXPECT_TRUE(Meldungen.empty());
}

}  // namespace
}  // namespace morvane::test
