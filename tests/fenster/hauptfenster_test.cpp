#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "chart/chartvorlagen.h"
#include "fenstertesthilfe.h"

namespace morvane::test {
namespace {

using Hauptfenster = FensterTest;

TEST_F(Hauptfenster, StartOhneOffenenKatalogZeigtDenErstenUndSeinErstesWertpapier) {
  THauptfenster& f = Oeffnen();
  EXPECT_EQ(f.windowTitle().toStdString(), "Morvane 3.5");
  EXPECT_EQ(Texte(*f.Panel().Kataloge()), (VS{"Aktien", "Indizes", "Leer"}));
  EXPECT_EQ(Gewaehlt(*f.Panel().Kataloge()), VS{"Aktien"});
  EXPECT_EQ(Texte(*f.Panel().Wertpapiere()), (VS{"Apple", "Google", "Microsoft"}));
  EXPECT_EQ(Gewaehlt(*f.Panel().Wertpapiere()), VS{"Apple"});
  ASSERT_NE(f.Feld().Wertpapier(), nullptr);
  EXPECT_EQ(f.Feld().Wertpapier()->Bezeichnung, "Apple");
  EXPECT_EQ(f.ScrollBar().value(), f.Feld().ScrollPosition());
  EXPECT_TRUE(Meldungen.empty());
}

TEST_F(Hauptfenster, SchliessenSchreibtDieEinstellungenUndEinNeuerStartStelltSieWiederHer) {
  QPoint position;
  {
    THauptfenster& f = Oeffnen();
    f.setGeometry(40, 50, 900, 640);
    QListWidget& kataloge = *f.Panel().Kataloge();
    // Ctrl-click adds "Indizes" to "Aktien": four securities.
    QTest::mouseClick(kataloge.viewport(), Qt::LeftButton, Qt::ControlModifier,
                      kataloge.visualItemRect(kataloge.item(1)).center());
    ASSERT_EQ(Gewaehlt(kataloge), (VS{"Aktien", "Indizes"}));
    ASSERT_EQ(Texte(*f.Panel().Wertpapiere()), (VS{"Apple", "Google", "Microsoft", "S&P 500"}));
    QTest::keyClick(f.Panel().Wertpapiere(), Qt::Key_Down);
    QTest::keyClick(f.Panel().Wertpapiere(), Qt::Key_Down);
    EXPECT_EQ(f.Feld().Wertpapier()->Bezeichnung, "Microsoft");
    position = f.pos();
    EXPECT_TRUE(f.close());
  }
  NeueEinstellungen();
  EXPECT_EQ(einstellungen_->OffeneKataloge, (VS{"Aktien", "Indizes"}));
  THauptfenster& f = Oeffnen();
  EXPECT_EQ(Gewaehlt(*f.Panel().Kataloge()), (VS{"Aktien", "Indizes"}));
  EXPECT_EQ(Gewaehlt(*f.Panel().Wertpapiere()), VS{"Microsoft"});
  EXPECT_EQ(f.Feld().Wertpapier()->Bezeichnung, "Microsoft");
  EXPECT_EQ(f.size(), QSize(900, 640));
  EXPECT_EQ(f.pos(), position) << "the frame's corner, as stored";
  EXPECT_TRUE(Meldungen.empty());
}

TEST_F(Hauptfenster, RunterUndHochWandernUeberLeereKatalogeHinweg) {
  THauptfenster& f = Oeffnen();
  QListWidget* wertpapiere = f.Panel().Wertpapiere();
  QTest::keyClick(wertpapiere, Qt::Key_Down);
  QTest::keyClick(wertpapiere, Qt::Key_Down);
  ASSERT_EQ(f.Feld().Wertpapier()->Bezeichnung, "Microsoft");
  QTest::keyClick(wertpapiere, Qt::Key_Down);
  EXPECT_EQ(Gewaehlt(*f.Panel().Kataloge()), VS{"Indizes"});
  EXPECT_EQ(Gewaehlt(*wertpapiere), VS{"S&P 500"});
  EXPECT_EQ(f.Feld().Wertpapier()->Bezeichnung, "S&P 500");
  // "Leer" below holds nothing: at the very end nothing happens.
  QTest::keyClick(wertpapiere, Qt::Key_Down);
  EXPECT_EQ(Gewaehlt(*f.Panel().Kataloge()), VS{"Indizes"});
  EXPECT_EQ(f.Feld().Wertpapier()->Bezeichnung, "S&P 500");
  // Up from the first row: the last security of the catalog above.
  QTest::keyClick(f.Panel().Kataloge(), Qt::Key_Up);
  EXPECT_EQ(Gewaehlt(*f.Panel().Kataloge()), VS{"Aktien"});
  EXPECT_EQ(f.Feld().Wertpapier()->Bezeichnung, "Microsoft");
}

TEST_F(Hauptfenster, TastenScrollenDenChartUndDieScrollLeisteFolgt) {
  THauptfenster& f = Oeffnen();
  QListWidget* wertpapiere = f.Panel().Wertpapiere();
  const int ende = f.Feld().Chart().Ende();
  QTest::keyClick(wertpapiere, Qt::Key_Home);
  EXPECT_LT(f.Feld().Chart().Ende(), ende);
  EXPECT_EQ(f.ScrollBar().value(), 0);
  const int anfang = f.Feld().Chart().Ende();
  QTest::keyClick(wertpapiere, Qt::Key_Right);
  const int schritt = f.Feld().Chart().Ende() - anfang;
  EXPECT_GT(schritt, 0);
  QTest::keyClick(wertpapiere, Qt::Key_Right, Qt::ControlModifier);
  EXPECT_GT(f.Feld().Chart().Ende() - anfang, schritt) << "Ctrl moves a page";
  QTest::keyClick(wertpapiere, Qt::Key_End);
  EXPECT_EQ(f.Feld().Chart().Ende(), ende);
  EXPECT_EQ(f.ScrollBar().value(), 1000);
  EXPECT_EQ(f.ScrollBar().value(), f.Feld().ScrollPosition());

  // The scroll bar drives the chart and takes the position the chart returns.
  f.ScrollBar().triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_EQ(f.Feld().Chart().Ende(), anfang);
  EXPECT_EQ(f.ScrollBar().value(), 0);
  f.ScrollBar().triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_GT(f.Feld().Chart().Ende(), anfang);
  EXPECT_EQ(f.ScrollBar().value(), f.Feld().ScrollPosition());
}

TEST_F(Hauptfenster, TagefeldNimmtGueltigeEingabenUndSetztUngueltigeZurueck) {
  THauptfenster& f = Oeffnen();
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  QComboBox* tage = f.Werkzeugleiste().Tage();
  const struct {
    const char* Eingabe;
    const char* Danach;
    bool AlleTage;
  } faelle[] = {{"250 Tage", "250 Tage", false},
                {"5", "250 Tage", false},
                {" alle TAGE ", "Alle Tage", true},
                {"60000", "Alle Tage", true},
                {"70", "70 Tage", false}};
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.Eingabe);
    tage->setFocus();
    tage->lineEdit()->setText(QString::fromUtf8(fall.Eingabe));
    QTest::keyClick(tage->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(tage->currentText().toStdString(), fall.Danach);
    EXPECT_EQ(f.Feld().Ansicht().AlleTage, fall.AlleTage);
    EXPECT_EQ(ChartAnsicht(*einstellungen_).AlleTage, fall.AlleTage) << "kept for the next start";
    EXPECT_EQ(QApplication::focusWidget(), f.Panel().Wertpapiere());
  }
  // Choosing an item of the list.
  tage->setCurrentIndex(2);
  emit tage->activated(2);
  EXPECT_EQ(f.Feld().Ansicht().Tage, 15);
}

TEST_F(Hauptfenster, VorlagenMitKaufmannsUndUndKnoepfeFolgenDenSlots) {
  ChartEinstellungenEinstecken(*einstellungen_);
  TChartAnsicht linie;
  linie.Charttyp = TCharttyp::Linie;
  linie.UmsatzAnzeigen = false;
  ChartVorlagen(*einstellungen_).SetzeVorlage(10, "Kurs & Umsatz", linie);
  ChartVorlagen(*einstellungen_).Loesche(2);
  THauptfenster& f = Oeffnen();
  EXPECT_EQ(f.Menue().Vorlage(10)->text().toStdString(), "&0: Kurs && Umsatz");
  EXPECT_TRUE(f.Menue().Vorlage(10)->isVisible());
  EXPECT_FALSE(f.Menue().Vorlage(2)->isVisible());
  EXPECT_TRUE(f.Menue().VorlagenTrenner()->isVisible());
  EXPECT_EQ(f.Werkzeugleiste().Vorlage(10)->toolTip().toStdString(), "Kurs & Umsatz");
  EXPECT_FALSE(f.Werkzeugleiste().Vorlage(2)->isEnabled());
  EXPECT_EQ(f.Werkzeugleiste().Vorlage(2)->toolTip().toStdString(), "leere Chartvorlage");

  QTest::mouseClick(f.Werkzeugleiste().Vorlage(10), Qt::LeftButton);
  EXPECT_EQ(f.Feld().Ansicht().Charttyp, TCharttyp::Linie);
  EXPECT_TRUE(f.Werkzeugleiste().Charttyp(TCharttyp::Linie)->isChecked());
  EXPECT_FALSE(f.Werkzeugleiste().Charttyp(TCharttyp::Kerze)->isChecked());
  EXPECT_FALSE(f.Werkzeugleiste().Schalter(TAnsichtSchalter::Umsatz)->isChecked());

  // The toggles change one field each and the toolbar shows it.
  f.Werkzeugleiste().Schalter(TAnsichtSchalter::Infobereich)->trigger();
  EXPECT_TRUE(f.Feld().Ansicht().Infobereich);
  EXPECT_TRUE(f.Werkzeugleiste().Schalter(TAnsichtSchalter::Infobereich)->isChecked());
  f.Werkzeugleiste().Charttyp(TCharttyp::Balken)->trigger();
  EXPECT_EQ(f.Feld().Ansicht().Charttyp, TCharttyp::Balken);
  EXPECT_TRUE(f.Feld().Ansicht().Infobereich);
}

TEST_F(Hauptfenster, BeschaedigteDateiZeigtDieMeldungUndDieListenBleiben) {
  const std::string kaputt = daten_.Pfad() + "Aktien/Kaputt.mv3";
  DateiAnlegen(kaputt, "kein Wertpapier");
  const std::string meldung =
      "Die ID '" + kaputt + "' verweist auf keine gültige Wertpapier-Datei.";
  THauptfenster& f = Oeffnen();
  EXPECT_EQ(Meldungen, VS{meldung}) << "told once while the list is filled";
  EXPECT_EQ(Texte(*f.Panel().Wertpapiere()), (VS{"Apple", "Google", "Kaputt", "Microsoft"}));
  Meldungen.clear();
  QTest::keyClick(f.Panel().Wertpapiere(), Qt::Key_Down);
  QTest::keyClick(f.Panel().Wertpapiere(), Qt::Key_Down);
  EXPECT_EQ(Meldungen, VS{meldung});
  EXPECT_EQ(f.Feld().Wertpapier(), nullptr) << "the chart stays empty";
  EXPECT_EQ(Texte(*f.Panel().Wertpapiere()), (VS{"Apple", "Google", "Kaputt", "Microsoft"}));
  EXPECT_EQ(Gewaehlt(*f.Panel().Wertpapiere()), VS{"Kaputt"});
  EXPECT_EQ(Gewaehlt(*f.Panel().Kataloge()), VS{"Aktien"});
  // Moving on works as before.
  QTest::keyClick(f.Panel().Wertpapiere(), Qt::Key_Down);
  EXPECT_EQ(f.Feld().Wertpapier()->Bezeichnung, "Microsoft");
}

}  // namespace
}  // namespace morvane::test
