#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QTest>

#include "fenstertesthilfe.h"

namespace morvane::test {
namespace {

using Kontextmenue = FensterTest;

void Rechtsklick(QListWidget& liste, QPoint pos) {
  QContextMenuEvent ereignis(QContextMenuEvent::Mouse, pos, liste.viewport()->mapToGlobal(pos));
  QApplication::sendEvent(liste.viewport(), &ereignis);
}

std::vector<bool> Aktiv(const QMenu& menue) {
  std::vector<bool> aktiv;
  for (const QAction* a : menue.actions())
    aktiv.push_back(a->isEnabled());
  return aktiv;
}

TEST_F(Kontextmenue, KatalogListeZeileUndLeereFlaeche) {
  THauptfenster& f = Oeffnen();
  bool neuAufgerufen = false;
  f.Befehle().Verbinden(TMenuebefehl::WertpapierNeu, [&] { neuAufgerufen = true; });
  f.Befehle().Verbinden(TMenuebefehl::KatalogLoeschen, [] {});
  QListWidget& kataloge = *f.Panel().Kataloge();
  TListenPopup& menue = f.KatalogPopupMenu();
  ASSERT_EQ(menue.actions().size(), 6);
  EXPECT_EQ(menue.actions()[0]->text().toStdString(), "Kursaktualisierung: Tageskurse");

  // The empty area below the rows: the menu opens, only "Neu..." works.
  Rechtsklick(kataloge, QPoint(10, kataloge.viewport()->height() - 3));
  EXPECT_EQ(f.KatalogPopupZeile(), -1);
  EXPECT_TRUE(menue.isVisible());
  EXPECT_EQ(Aktiv(menue), (std::vector<bool>{false, false, true, false, false, false}));
  menue.close();

  // A row not selected becomes the only selected catalog; the securities follow.
  Rechtsklick(kataloge, kataloge.visualItemRect(kataloge.item(1)).center());
  EXPECT_EQ(f.KatalogPopupZeile(), 1);
  EXPECT_EQ(Gewaehlt(kataloge), VS{"Indizes"});
  EXPECT_EQ(Texte(*f.Panel().Wertpapiere()), VS{"S&P 500"});
  EXPECT_EQ(Aktiv(menue), (std::vector<bool>{false, false, true, false, true, false}))
      << "commands without a handler stay disabled";
  menue.actions()[2]->trigger();
  EXPECT_TRUE(neuAufgerufen);
  menue.close();
}

TEST_F(Kontextmenue, WertpapierListeWaehltDieZeileUnterDerMaus) {
  THauptfenster& f = Oeffnen();
  f.Befehle().Verbinden(TMenuebefehl::WPEigenschaften, [] {});
  QListWidget& wertpapiere = *f.Panel().Wertpapiere();
  TListenPopup& menue = f.WertpapierPopupMenu();
  ASSERT_EQ(menue.actions().size(), 9);
  Rechtsklick(wertpapiere, wertpapiere.visualItemRect(wertpapiere.item(2)).center());
  EXPECT_EQ(Gewaehlt(wertpapiere), VS{"Microsoft"});
  EXPECT_EQ(f.Feld().Wertpapier()->Bezeichnung, "Microsoft");
  EXPECT_TRUE(menue.actions()[6]->isEnabled());
  menue.close();
  Rechtsklick(wertpapiere, QPoint(10, wertpapiere.viewport()->height() - 3));
  EXPECT_TRUE(menue.isVisible());
  EXPECT_FALSE(menue.actions()[6]->isEnabled());
  EXPECT_EQ(Gewaehlt(wertpapiere), VS{"Microsoft"}) << "an empty area keeps the selection";
  menue.close();
}

TEST_F(Kontextmenue, BefehleOhneDialogSindAusUndInfoIstDa) {
  THauptfenster& f = Oeffnen();
  EXPECT_FALSE(f.Befehle().Aktion(TMenuebefehl::HilfeHilfethemen)->isEnabled());
  EXPECT_FALSE(f.Befehle().Aktion(TMenuebefehl::AnsichtChart)->isEnabled());
  EXPECT_TRUE(f.Befehle().Aktion(TMenuebefehl::HilfeInfo)->isEnabled());
  EXPECT_EQ(f.Befehle().Aktion(TMenuebefehl::WertpapierKursaktu)->shortcut(),
            QKeySequence(Qt::Key_F4));
  EXPECT_EQ(f.Befehle().Aktion(TMenuebefehl::WertpapierNeu)->shortcut(),
            QKeySequence(Qt::CTRL | Qt::Key_N));
  // Connecting a handler enables the command, and its failure is shown.
  f.Befehle().Verbinden(TMenuebefehl::HilfeHilfethemen, [] { throw Exception("Hilfe fehlt."); });
  f.Befehle().Aktion(TMenuebefehl::HilfeHilfethemen)->trigger();
  EXPECT_EQ(Meldungen, VS{"Hilfe fehlt."});
}

}  // namespace
}  // namespace morvane::test
