#include <gtest/gtest.h>

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include "app/fenster/dialoge_listen.h"
#include "fenstertesthilfe.h"

namespace morvane::test {
namespace {

using ListenDialoge = FensterTest;

QDialog* Modal() {
  return qobject_cast<QDialog*>(QApplication::activeModalWidget());
}

TEST_F(ListenDialoge, EveryListAndExportCommandIsConnected) {
  THauptfenster& f = Oeffnen();
  ListenVerbinden(f, *einstellungen_);
  for (TMenuebefehl b : {TMenuebefehl::ListenWPTransaktionen, TMenuebefehl::ListenDepotUebersicht,
                         TMenuebefehl::ListenDepotTransakt, TMenuebefehl::ListenDepotSignale,
                         TMenuebefehl::ListenDepotInd, TMenuebefehl::ListenVolatilitaet,
                         TMenuebefehl::KatalogExportieren, TMenuebefehl::WertpapierExportieren}) {
    EXPECT_TRUE(f.Befehle().Aktion(b)->isEnabled()) << static_cast<int>(b);
  }
}

TEST_F(ListenDialoge, OverviewOpensFromItsSelectionAndShowsTheRows) {
  THauptfenster& f = Oeffnen();
  ListenVerbinden(f, *einstellungen_);
  QString titel;
  int zeilen = -1;
  QTimer::singleShot(0, [&] {
    QDialog* auswahl = Modal();
    ASSERT_NE(auswahl, nullptr);
    auto* kataloge = auswahl->findChild<QListWidget*>();
    kataloge->findItems(QStringLiteral("Aktien"), Qt::MatchExactly).front()->setSelected(true);
    QTimer::singleShot(0, [&] {
      QDialog* liste = Modal();
      ASSERT_NE(liste, nullptr);
      titel = liste->windowTitle();
      zeilen = liste->findChild<QTableView*>()->model()->rowCount();
      liste->reject();
    });
    auswahl->accept();
  });
  f.Befehle().Aktion(TMenuebefehl::ListenDepotUebersicht)->trigger();
  EXPECT_TRUE(titel.startsWith(QStringLiteral("Depot-Übersicht am "))) << titel.toStdString();
  // Three securities, then separator, one currency total and the closing row.
  EXPECT_EQ(zeilen, 6);
  EXPECT_EQ(einstellungen_->ListenKataloge, (std::vector<std::string>{"Aktien"}));
  EXPECT_TRUE(Meldungen.empty());
}

}  // namespace
}  // namespace morvane::test
