#include "app/fenster/dialoge_chartdruck.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>

#include "chart/chartfeld.h"
#include "fenstertesthilfe.h"

namespace morvane::test {
namespace {

class ChartDruckVerbunden : public FensterTest {
 protected:
  // The window with "Chart drucken..." connected; a PDF is written to the
  // name `pdfAntwort` holds (empty: the file question is cancelled).
  THauptfenster& Verbunden() {
    THauptfenster& f = Oeffnen();
    ChartDruckVerbinden(f, *einstellungen_, programm_.Pfad(),
                        [this](QWidget*, const std::string& vorschlag) {
                          gefragt = vorschlag;
                          return pdfAntwort;
                        });
    return f;
  }

  // Answers the print dialog that opens next: PDF-Datei, portrait, three
  // bands, bottom, then `knopf`.
  static void Drucken(const char* knopf) {
    QTimer::singleShot(0, [knopf] {
      auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(d, nullptr);
      auto* liste = d->findChild<QComboBox*>(QStringLiteral("DruckerListe"));
      liste->setCurrentIndex(liste->findText(QStringLiteral("PDF-Datei")));
      for (const char* name : {"Hochformat", "Charts3", "PosUnten"})
        d->findChild<QRadioButton*>(QString::fromLatin1(name))->click();
      d->findChild<QAbstractButton*>(QString::fromLatin1(knopf))->click();
    });
  }

  bool Gespeichert(bool hoch, int charts, int position) const {
    return einstellungen_->DruckHochformat == hoch &&
           einstellungen_->DruckChartsProSeite == charts &&
           einstellungen_->DruckPosition == position;
  }

  std::string pdfAntwort;
  std::string gefragt;
};

TEST_F(ChartDruckVerbunden, OkDrucktInDiePdfDateiUndMerktSichDieWahl) {
  THauptfenster& f = Verbunden();
  ASSERT_NE(f.Feld().Wertpapier(), nullptr);
  QAction& drucken = *f.Befehle().Aktion(TMenuebefehl::WertpapierChartDrucken);
  EXPECT_TRUE(drucken.isEnabled());
  // Without the extension the file gets it.
  pdfAntwort = programm_.Pfad() + "chart";
  Drucken("OK");
  drucken.trigger();
  EXPECT_EQ(Meldungen, VS{});
  EXPECT_TRUE(gefragt.ends_with(f.Feld().Wertpapier()->Bezeichnung + ".pdf")) << gefragt;
  EXPECT_TRUE(Gespeichert(true, 3, 3));
  ASSERT_TRUE(std::filesystem::exists(pdfAntwort + ".pdf"));
  EXPECT_EQ(programm_.Lies("chart.pdf").substr(0, 5), "%PDF-");
  // Only the settings in memory changed; the file is written when the program ends.
  EXPECT_FALSE(std::filesystem::exists(programm_.Pfad() + "morvane.cfg"));
}

TEST_F(ChartDruckVerbunden, AbbrechenDrucktNichtsUndLaesstDieWahl) {
  THauptfenster& f = Verbunden();
  pdfAntwort = programm_.Pfad() + "chart.pdf";
  Drucken("Abbrechen");
  f.Befehle().Aktion(TMenuebefehl::WertpapierChartDrucken)->trigger();
  EXPECT_TRUE(Gespeichert(false, 1, 1));
  EXPECT_EQ(gefragt, "");
  EXPECT_FALSE(std::filesystem::exists(pdfAntwort));
  EXPECT_EQ(Meldungen, VS{});
}

TEST_F(ChartDruckVerbunden, AbgebrocheneDateiwahlDrucktNichts) {
  THauptfenster& f = Verbunden();
  Drucken("OK");
  f.Befehle().Aktion(TMenuebefehl::WertpapierChartDrucken)->trigger();
  EXPECT_NE(gefragt, "");
  EXPECT_TRUE(Gespeichert(true, 3, 3));
  EXPECT_EQ(Meldungen, VS{});
  for (const auto& eintrag : std::filesystem::directory_iterator(programm_.Pfad()))
    EXPECT_NE(eintrag.path().extension(), ".pdf");
}

TEST_F(ChartDruckVerbunden, OhneWertpapierEineMeldungStattDesDialogs) {
  THauptfenster& f = Verbunden();
  f.Feld().Leeren();
  f.Befehle().Aktion(TMenuebefehl::WertpapierChartDrucken)->trigger();
  EXPECT_EQ(Meldungen,
            VS{"Es ist kein Wertpapier ausgewählt, dessen Chart gedruckt werden könnte."});
}

}  // namespace
}  // namespace morvane::test
