#include "store/ui/dialogwpanlegen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <filesystem>

#include "store/ui/anlegezeilenmodell.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

using test::TTempVerzeichnis;

const std::string kVorlagen =
    "Morvane 3.5  Wertpapier-Vorlagen\n"
    "ISIN\tWKN\tKürzel\tWährung\tName\tBemerkung\tIstIndex\tIstFonds\tBerlin\tDüsseldorf\t"
    "Frankfurt\tHamburg\tHannover\tMünchen\tStuttgart\tXetra\tDeutsche Standardwerte & "
    "Co\tIndizes\n"
    "DE0007100000\t710000\tMBG\tEUR\tMercedes-Benz Group AG\tAktie\t\t\tx\t\tMBG\t\t\t\t\tMBG\tx\n"
    "DE0008469008\t846900\t\tPunkte\tDAX\tIndex\tx\t\t\t\t\t\t\t\t\t\t\tx\n"
    "DE0007164600\t716460\tSAP\tEUR\tSAP SE\tAktie\t\t\t\t\tSAP\t\t\t\t\tSAP\tx\n";

class WPAnlegen : public ::testing::Test {
 protected:
  WPAnlegen() : dialog(TWPVerwaltung(dir.Pfad() + "daten"), [this] { ++hilfen; }) {
    std::filesystem::create_directories(dir.Pfad() + "daten/Depot");
    dir.Schreibe("Werte35.mvw", kVorlagen);
    dialog.SetzeFehleranzeige(
        [this](QWidget*, const std::string& text) { fehler.push_back(text); });
    dialog.Oeffnen(dir.Datei("Werte35.mvw"));
  }
  const TWPAnlegenSteuerelemente& s() const { return dialog.Steuerelemente(); }
  int Zeilen() const { return dialog.Ergebnis().rowCount(); }
  void Markieren(std::initializer_list<int> zeilen) {
    for (int zeile : zeilen) {
      s().ErgebnisListBox->selectionModel()->select(
          dialog.Ergebnis().index(zeile, 0),
          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
  }
  std::vector<std::string> Wertpapiere(const std::string& katalog) const {
    std::vector<std::string> namen;
    const TWPVerwaltung verwaltung(dir.Pfad() + "daten");
    std::vector<std::string> ids;
    verwaltung.WertpapiereAuflisten(katalog, ids);
    for (const auto& id : ids)
      namen.push_back(verwaltung.StammdatenLaden(id).Bezeichnung);
    std::sort(namen.begin(), namen.end());
    return namen;
  }
  void Bild(const QString& name) {
    dialog.show();
    QApplication::processEvents();
    QDir().mkpath(QStringLiteral(MORVANE_BILDER));
    dialog.grab().save(QStringLiteral(MORVANE_BILDER "/") + name + QStringLiteral(".png"));
  }

  TTempVerzeichnis dir;
  int hilfen = 0;
  std::vector<std::string> fehler;
  TDialogWPAnlegen dialog;
};

TEST_F(WPAnlegen, OeffnenSetztAllesZurueck) {
  ASSERT_EQ(s().Kategorien.size(), 2u);
  EXPECT_EQ(s().Kategorien[0]->text(), QStringLiteral("Deutsche Standardwerte && Co"));
  // A long name widens every button rather than being cut off.
  EXPECT_GE(s().Kategorien[0]->width(), s().Kategorien[0]->sizeHint().width());
  EXPECT_EQ(s().Kategorien[1]->width(), s().Kategorien[0]->width());
  EXPECT_EQ(s().Kategorien[1]->geometry().topLeft(), QPoint(8, 38));
  EXPECT_EQ(s().KatalogEdit1->currentText(), QStringLiteral("Neuer Katalog"));
  EXPECT_EQ(s().KatalogEdit2->currentText(), QStringLiteral("Neuer Katalog"));
  EXPECT_EQ(s().KatalogEdit1->count(), 1);
  EXPECT_EQ(s().KatalogEdit1->itemText(0), QStringLiteral("Depot"));
  EXPECT_EQ(s().BoersenplatzEdit->currentText(), QStringLiteral("Alle"));
  EXPECT_EQ(s().BoerseListBox->currentText(), QStringLiteral("Keiner (Fonds und Indizes)"));
  EXPECT_EQ(s().WaehrungEdit->currentText(), QStringLiteral("EUR"));
  EXPECT_EQ(s().WPTypEdit->currentText(), QStringLiteral("Wertpapier"));
  EXPECT_EQ(s().Seiten->currentWidget(), s().ListeTabSheet);
  EXPECT_FALSE(s().ErgebnisListBox->isEnabled());
  EXPECT_FALSE(s().AnlegenButton1->isEnabled());
  EXPECT_FALSE(s().AnlegenButton2->isEnabled());
  EXPECT_EQ(s().StatusLabel->text(), QStringLiteral("3 Wertpapier-Vorlagen in 2 Kategorien."));
  s().Hilfe->click();
  EXPECT_EQ(hilfen, 1);

  // A second opening forgets what the first left behind.
  QTest::keyClicks(s().SuchfeldEdit, QStringLiteral("SAP"));
  s().NameEdit->setText(QStringLiteral("Rest"));
  s().KatalogEdit1->setCurrentText(QStringLiteral("Alt"));
  dialog.Oeffnen(dir.Datei("Werte35.mvw"));
  EXPECT_TRUE(s().SuchfeldEdit->text().isEmpty());
  EXPECT_TRUE(s().NameEdit->text().isEmpty());
  EXPECT_EQ(s().KatalogEdit1->currentText(), QStringLiteral("Neuer Katalog"));
  EXPECT_EQ(Zeilen(), 0);
  Bild(QStringLiteral("wpanlegen-liste-leer"));
}

TEST_F(WPAnlegen, SuchtextUndBoersenfilterBestimmenDieZeilen) {
  struct TFall {
    const char* text;
    int filter;
    int zeilen;
  };
  const TFall faelle[] = {
      {"Merced", 0, 3},   // six letters: by name, on three exchanges
      {"Merced", 4, 1},   // Frankfurt only
      {"Merced", 1, 0},   // without exchange
      {"710", 0, 3},      // by WKN
      {"DE00071", 0, 5},  // Mercedes and SAP by ISIN
      {"DE0007", 0, 0},   // too short for an ISIN, no name
      {"dax", 1, 1},      // the index has its row without exchange
      {"dax", 9, 0},
  };
  for (const auto& f : faelle) {
    s().SuchfeldEdit->clear();
    s().BoersenplatzEdit->setCurrentIndex(f.filter);
    QTest::keyClicks(s().SuchfeldEdit, QString::fromUtf8(f.text));
    EXPECT_EQ(Zeilen(), f.zeilen) << f.text << " " << f.filter;
    EXPECT_EQ(s().ErgebnisListBox->isEnabled(), f.zeilen > 0) << f.text;
  }
  s().SuchfeldEdit->clear();
  s().BoersenplatzEdit->setCurrentIndex(0);
  QTest::keyClicks(s().SuchfeldEdit, QStringLiteral("Merced"));
  EXPECT_EQ(dialog.Ergebnis().index(2, 1).data().toString(), QStringLiteral("Xetra"));
  EXPECT_EQ(dialog.Ergebnis().index(2, 0).data().toString(), QStringLiteral("Aktie; MBG"));
  Bild(QStringLiteral("wpanlegen-liste-suche"));
}

TEST_F(WPAnlegen, KategorieKnopfZeigtIhreEintraegeBisGetipptWird) {
  QTest::keyClicks(s().SuchfeldEdit, QStringLiteral("SAP"));
  QTest::mouseClick(s().Kategorien[0], Qt::LeftButton);
  EXPECT_TRUE(s().Kategorien[0]->isChecked());
  EXPECT_TRUE(s().SuchfeldEdit->text().isEmpty());
  EXPECT_EQ(s().KatalogEdit1->currentText(), QStringLiteral("Deutsche Standardwerte & Co"));
  EXPECT_EQ(Zeilen(), 5);  // Mercedes on three exchanges, SAP on two

  QTest::mouseClick(s().Kategorien[1], Qt::LeftButton);
  EXPECT_FALSE(s().Kategorien[0]->isChecked());
  EXPECT_EQ(Zeilen(), 1);
  QTest::mouseClick(s().Kategorien[1], Qt::LeftButton);  // all up again
  EXPECT_FALSE(s().Kategorien[1]->isChecked());
  EXPECT_EQ(Zeilen(), 0);

  QTest::mouseClick(s().Kategorien[0], Qt::LeftButton);
  QTest::keyClicks(s().SuchfeldEdit, QStringLiteral("d"));
  EXPECT_FALSE(s().Kategorien[0]->isChecked());
  EXPECT_EQ(Zeilen(), 0);  // one letter searches nothing
}

TEST_F(WPAnlegen, AnlegenAusDerListe) {
  QTest::keyClicks(s().SuchfeldEdit, QStringLiteral("Merced"));
  Markieren({0, 2});
  EXPECT_TRUE(s().AnlegenButton1->isEnabled());
  s().KatalogEdit1->setCurrentText(QStringLiteral("  "));
  EXPECT_FALSE(s().AnlegenButton1->isEnabled());
  s().KatalogEdit1->setCurrentText(QStringLiteral("Autos"));
  ASSERT_TRUE(s().AnlegenButton1->isEnabled());
  s().AnlegenButton1->click();

  EXPECT_TRUE(fehler.empty());
  EXPECT_EQ(Wertpapiere("Autos"),
            (std::vector<std::string>{"Mercedes-Benz Group AG", "Mercedes-Benz Group AG"}));
  const TWPVerwaltung verwaltung(dir.Pfad() + "daten");
  const TWPStammdaten xetra =
      verwaltung.StammdatenLaden(dir.Pfad() + "daten/Autos/Mercedes-Benz Group AG (1).mv3");
  EXPECT_EQ(xetra.Boerse, 8);
  EXPECT_EQ(xetra.Kommentar, "Aktie; MBG");
  EXPECT_EQ(xetra.ISIN, "DE0007100000");
  EXPECT_TRUE(s().ErgebnisListBox->selectionModel()->selectedRows().isEmpty());
  EXPECT_FALSE(s().AnlegenButton1->isEnabled());
  EXPECT_EQ(s().KatalogEdit1->findText(QStringLiteral("Autos")), 0);
  EXPECT_EQ(s().StatusLabel->text(),
            QStringLiteral("2 Wertpapiere wurden im Katalog „Autos“ angelegt."));
}

TEST_F(WPAnlegen, EinFehlerHaeltDenLaufAnUndWirdGezeigt) {
  QTest::keyClicks(s().SuchfeldEdit, QStringLiteral("Merced"));
  Markieren({1, 2});
  s().KatalogEdit1->setCurrentText(QStringLiteral("***"));
  s().AnlegenButton1->click();
  ASSERT_EQ(fehler.size(), 1u);
  EXPECT_EQ(fehler[0],
            "Das Wertpapier 'Mercedes-Benz Group AG' (Nr. 1 von 2) konnte nicht angelegt werden: "
            "Ungültiger Katalog oder Wertpapier-Name");
  // Nothing was written, and the rows stay chosen for another try.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Pfad() + "daten"),
                          std::filesystem::directory_iterator()),
            1);
  EXPECT_EQ(s().ErgebnisListBox->selectionModel()->selectedRows().size(), 2);
}

TEST_F(WPAnlegen, AnlegenVonHand) {
  s().Seiten->setCurrentWidget(s().ManuellTabSheet);
  QTest::keyClicks(s().NameEdit, QStringLiteral("Meine Anleihe"));
  EXPECT_FALSE(s().AnlegenButton2->isEnabled());  // neither ISIN nor WKN
  QTest::keyClicks(s().WKNEdit, QStringLiteral("A1B2C3"));
  EXPECT_TRUE(s().AnlegenButton2->isEnabled());
  s().KatalogEdit2->setCurrentText(QString());
  EXPECT_FALSE(s().AnlegenButton2->isEnabled());
  s().KatalogEdit2->setCurrentText(QStringLiteral("Depot"));
  s().BoerseListBox->setCurrentIndex(3);
  s().WaehrungEdit->setCurrentText(QStringLiteral("CHF"));
  s().WPTypEdit->setCurrentIndex(2);
  s().KommentarEdit->setPlainText(QStringLiteral("Zeile 1\nZeile 2"));
  Bild(QStringLiteral("wpanlegen-manuell"));
  s().AnlegenButton2->click();

  EXPECT_TRUE(fehler.empty());
  const TWPStammdaten neu = TWPVerwaltung(dir.Pfad() + "daten")
                                .StammdatenLaden(dir.Pfad() + "daten/Depot/Meine Anleihe.mv3");
  EXPECT_EQ(neu.WKN, "A1B2C3");
  EXPECT_EQ(neu.ISIN, "");
  EXPECT_EQ(neu.Boerse, 3);
  EXPECT_EQ(neu.Waehrung, "CHF");
  EXPECT_EQ(neu.WPTyp, 2);
  EXPECT_EQ(neu.Kommentar, "Zeile 1\nZeile 2");
  EXPECT_TRUE(s().NameEdit->text().isEmpty());
  EXPECT_TRUE(s().WKNEdit->text().isEmpty());
  EXPECT_FALSE(s().AnlegenButton2->isEnabled());
  EXPECT_EQ(s().WaehrungEdit->currentText(), QStringLiteral("CHF"));  // kept for the next one
}

TEST_F(WPAnlegen, OhneVorlagenBleibtDieManuelleSeite) {
  dialog.Oeffnen(dir.Datei("fehlt.mvw"));
  EXPECT_TRUE(s().Kategorien.empty());
  EXPECT_EQ(s().Seiten->currentWidget(), s().ManuellTabSheet);
  EXPECT_FALSE(s().SuchfeldEdit->isEnabled());
  EXPECT_TRUE(s().StatusLabel->text().startsWith(
      QStringLiteral("Die Wertpapier-Vorlagen stehen nicht zur Verfügung: Konnte Datei '")));
  Bild(QStringLiteral("wpanlegen-ohne-vorlagen"));
  QTest::keyClicks(s().NameEdit, QStringLiteral("X"));
  QTest::keyClicks(s().ISINEdit, QStringLiteral("DE0000000001"));
  s().KatalogEdit2->setCurrentText(QStringLiteral("Depot"));
  s().AnlegenButton2->click();
  EXPECT_EQ(Wertpapiere("Depot"), std::vector<std::string>{"X"});
}

}  // namespace
}  // namespace morvane
