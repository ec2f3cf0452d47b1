#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "app/fenster/dialoge.h"
#include "fenstertesthilfe.h"

namespace morvane::test {
namespace {

class WertpapierBefehle : public FensterTest {
 protected:
  THauptfenster& Starten() {
    THauptfenster& f = Oeffnen();
    DialogeVerbinden(f, *einstellungen_, programm_.Pfad());
    return f;
  }

  // Answers the next modal window: `vorher` fills it, then `knopf` is clicked.
  // Its text is kept in `frage_`.
  void Antworten(const QString& knopf, std::function<void(QWidget&)> vorher = {}) {
    QTimer::singleShot(0, [this, knopf, vorher] {
      QWidget* modal = QApplication::activeModalWidget();
      ASSERT_NE(modal, nullptr);
      if (auto* box = qobject_cast<QMessageBox*>(modal)) frage_ = box->text().toStdString();
      if (vorher) vorher(*modal);
      for (QAbstractButton* b : modal->findChildren<QAbstractButton*>())
        if (b->text() == knopf) return b->click();
      FAIL() << knopf.toStdString();
    });
  }

  void Ausloesen(THauptfenster& f, TMenuebefehl befehl) {
    QAction* aktion = f.Befehle().Aktion(befehl);
    ASSERT_TRUE(aktion->isEnabled());
    aktion->trigger();
  }

  static void KatalogDazu(THauptfenster& f, int zeile) {
    QListWidget& kataloge = *f.Panel().Kataloge();
    QTest::mouseClick(kataloge.viewport(), Qt::LeftButton, Qt::ControlModifier,
                      kataloge.visualItemRect(kataloge.item(zeile)).center());
  }

  std::string frage_;
};

TEST_F(WertpapierBefehle, ZweiKatalogeLoeschenFragtEinmalMitDerAnzahl) {
  THauptfenster& f = Starten();
  KatalogDazu(f, 1);
  ASSERT_EQ(Gewaehlt(*f.Panel().Kataloge()), (VS{"Aktien", "Indizes"}));
  Antworten(QStringLiteral("&Nein"));
  Ausloesen(f, TMenuebefehl::KatalogLoeschen);
  EXPECT_EQ(frage_, "Die markierten 2 Kataloge und alle enthaltenen Wertpapiere löschen?");
  EXPECT_EQ(Texte(*f.Panel().Kataloge()), (VS{"Aktien", "Indizes", "Leer"}));
  Antworten(QStringLiteral("&Ja"));
  Ausloesen(f, TMenuebefehl::KatalogLoeschen);
  EXPECT_EQ(Texte(*f.Panel().Kataloge()), VS{"Leer"});
  EXPECT_TRUE(Meldungen.empty());
}

TEST_F(WertpapierBefehle, LetztesWertpapierLoeschenWaehltDasNeueLetzte) {
  THauptfenster& f = Starten();
  QListWidget& wertpapiere = *f.Panel().Wertpapiere();
  QTest::keyClick(&wertpapiere, Qt::Key_Down);
  QTest::keyClick(&wertpapiere, Qt::Key_Down);
  ASSERT_EQ(Gewaehlt(wertpapiere), VS{"Microsoft"});
  Antworten(QStringLiteral("&Ja"));
  Ausloesen(f, TMenuebefehl::WertpapierLoeschen);
  EXPECT_EQ(frage_, "Soll das Wertpapier 'Microsoft' unwiderruflich gelöscht werden?");
  EXPECT_EQ(Texte(wertpapiere), (VS{"Apple", "Google"}));
  EXPECT_EQ(Gewaehlt(wertpapiere), VS{"Google"});
  EXPECT_EQ(f.Feld().Wertpapier()->Bezeichnung, "Google");
}

TEST_F(WertpapierBefehle, UmbenennenUndVerschiebenFuellenDieListen) {
  THauptfenster& f = Starten();
  Antworten(QStringLiteral("OK"),
            [](QWidget& d) { d.findChild<QLineEdit*>()->setText(QStringLiteral("Depot")); });
  Ausloesen(f, TMenuebefehl::KatalogUmbenennen);
  EXPECT_EQ(Texte(*f.Panel().Kataloge()), (VS{"Depot", "Indizes", "Leer"}));
  EXPECT_EQ(Gewaehlt(*f.Panel().Kataloge()), VS{"Depot"});

  Antworten(QStringLiteral("OK"), [](QWidget& d) {
    d.findChild<QComboBox*>()->setCurrentText(QStringLiteral("Leer"));
    d.findChildren<QRadioButton*>().at(1)->setChecked(true);
  });
  Ausloesen(f, TMenuebefehl::WertpapierKopierenVerschieben);
  EXPECT_EQ(Texte(*f.Panel().Wertpapiere()), (VS{"Google", "Microsoft"}));
  std::vector<std::string> leer;
  store_.WertpapiereAuflisten("Leer", leer);
  EXPECT_EQ(leer, VS{daten_.Pfad() + "Leer/Apple.mv3"});
  EXPECT_TRUE(Meldungen.empty());
}

}  // namespace
}  // namespace morvane::test
