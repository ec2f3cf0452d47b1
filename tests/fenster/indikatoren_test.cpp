#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/fenster/dialoge_indikatoren.h"
#include "fenstertesthilfe.h"
#include "indicators/indvorlagen.h"
#include "indicators/ui/dialogindikatorbearbeiten.h"
#include "indicators/ui/dialogindikatorenanpassen.h"
#include "indicators/ui/feldseite.h"

namespace morvane::test {
namespace {

std::string Lesen(const std::string& pfad) {
  std::ifstream datei(pfad, std::ios::binary);
  std::ostringstream inhalt;
  inhalt << datei.rdbuf();
  return inhalt.str();
}

// Runs `aktion` on the modal dialog of type D that opens next.
template <class D>
void ImDialog(std::function<void(D&)> aktion) {
  QTimer::singleShot(0, [aktion] {
    auto* dialog = dynamic_cast<D*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    aktion(*dialog);
  });
}

struct Indikatoren : FensterTest {
  std::string Datei() const { return einstellungen_->Dateipfad("morvane.cfg"); }

  // The window with the indicator dialogs connected, Microsoft's chart shown
  // and the indicator bar on.
  THauptfenster& Bereit() {
    THauptfenster& f = Oeffnen();
    IndikatorenVerbinden(f, *einstellungen_, programm_.Pfad());
    f.Panel().Wertpapiere()->setCurrentRow(0);
    if (!f.Feld().IndikatorBalken().Sichtbar())
      f.Werkzeugleiste().Schalter(TAnsichtSchalter::Indikatoren)->trigger();
    return f;
  }
};

TEST_F(Indikatoren, AbbrechenNachAenderungenLaesstAllesUnveraendert) {
  THauptfenster& f = Bereit();
  einstellungen_->Speichern();
  const std::string vorher = Lesen(Datei());
  ASSERT_FALSE(vorher.empty());
  QAction& befehl = *f.Befehle().Aktion(TMenuebefehl::AnsichtIndikatoren);
  ASSERT_TRUE(befehl.isEnabled());
  const int gauges = f.Feld().IndikatorBalken().Analyse().Anzahl(1);
  const std::string periode =
      IndVorlagen(*einstellungen_).Liste().Indikator(1, 0).BerechnungTexte()[0];
  ASSERT_NE(periode, "3");
  ImDialog<TDialogIndikatorenAnpassen>([](TDialogIndikatorenAnpassen& d) {
    d.Seite(1).Liste->setCurrentRow(0);
    QTimer::singleShot(0, [] {
      auto* b = dynamic_cast<TDialogIndikatorBearbeiten*>(QApplication::activeModalWidget());
      ASSERT_NE(b, nullptr);
      b->Berechnung()->Eingabe(0)->setText(QStringLiteral("3"));
      b->accept();
    });
    d.Bearbeiten(1);
    d.Auf(2);
    d.Seite(2).Liste->setCurrentRow(0);
    d.Ab(2);
    d.reject();
  });
  befehl.trigger();
  EXPECT_EQ(Lesen(Datei()), vorher);
  EXPECT_EQ(IndVorlagen(*einstellungen_).Liste().Indikator(1, 0).BerechnungTexte()[0], periode);
  EXPECT_EQ(f.Feld().IndikatorBalken().Analyse().Anzahl(1), gauges);
  EXPECT_TRUE(Meldungen.empty());
}

TEST_F(Indikatoren, OkImMenueSpeichertUndDerChartFolgt) {
  THauptfenster& f = Bereit();
  const int gauges = f.Feld().IndikatorBalken().Analyse().Anzahl(2);
  ImDialog<TDialogIndikatorenAnpassen>([](TDialogIndikatorenAnpassen& d) {
    d.Seite(2).Liste->setCurrentRow(0);
    QTimer::singleShot(0, [] {
      auto* frage = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(frage, nullptr);
      frage->buttons()[0]->click();  // Ja
    });
    d.Loeschen(2);
    d.accept();
  });
  f.Befehle().Aktion(TMenuebefehl::AnsichtIndikatoren)->trigger();
  EXPECT_EQ(f.Feld().IndikatorBalken().Analyse().Anzahl(2), gauges - 1);
  EXPECT_EQ(TIndVorlagen().Liste().Indikator(2, 1).Titel(),
            f.Feld().IndikatorBalken().Analyse().Indikator(2, 0).Titel());
  fenster_.reset();
  NeueEinstellungen();
  IndEinstellungenEinstecken(*einstellungen_);
  EXPECT_EQ(IndVorlagen(*einstellungen_).Liste().Anzahl(2), gauges - 1) << "found after a restart";
}

// The settings file cannot be written (a folder stands in its place): the
// error is shown and the chart still follows the set the user confirmed.
TEST_F(Indikatoren, SpeicherfehlerWirdGemeldetUndDerChartFolgtTrotzdem) {
  THauptfenster& f = Bereit();
  std::filesystem::remove(Datei());
  std::filesystem::create_directories(Datei() + "/x");
  const int gauges = f.Feld().IndikatorBalken().Analyse().Anzahl(3);
  ImDialog<TDialogIndikatorenAnpassen>([](TDialogIndikatorenAnpassen& d) {
    d.Seite(3).Liste->setCurrentRow(0);
    QTimer::singleShot(0, [] {
      qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->buttons()[0]->click();
    });
    d.Loeschen(3);
    d.accept();
  });
  f.Befehle().Aktion(TMenuebefehl::AnsichtIndikatoren)->trigger();
  EXPECT_EQ(Meldungen.size(), 1u);
  EXPECT_EQ(f.Feld().IndikatorBalken().Analyse().Anzahl(3), gauges - 1);
  std::filesystem::remove_all(Datei());
}

// A right click on the first gauge, "Diesen Indikator anpassen...", a shorter
// period: the gauge's indicator is computed anew at once and the change is
// saved.
TEST_F(Indikatoren, DirektVomMesserRechnetDenChartNeu) {
  THauptfenster& f = Bereit();
  TChart_Indikatoren& balken = f.Feld().IndikatorBalken();
  ASSERT_NE(balken.Wertpapier(), nullptr);
  const TRechteck grenzen = balken.Grenzen();
  const QPoint messer(grenzen.Links + 20, grenzen.Oben + 40);
  QTest::mouseClick(&f.Bereich(), Qt::RightButton, Qt::NoModifier, messer);
  ASSERT_EQ(balken.Popup(), (TIndikatorWahl{1, 0}));
  QMenu& menue = f.IndikatorenPopupMenu();
  ASSERT_TRUE(menue.actions()[0]->isEnabled());
  ASSERT_TRUE(menue.actions()[1]->isEnabled());
  menue.close();

  const Boersentag tag = balken.Tag();
  const double vorher = balken.Analyse().SignalAm(1, 0, tag);
  const TZeitreihe* oszillator = balken.Analyse().Indikator(1, 0).Oszillator();
  ASSERT_NE(oszillator, nullptr);
  const std::optional<double> oszVorher = oszillator->Lesen(tag);
  ImDialog<TDialogIndikatorBearbeiten>([](TDialogIndikatorBearbeiten& b) {
    b.Berechnung()->Eingabe(0)->setText(QStringLiteral("2"));
    b.Signal()->Eingabe(kSignalEntfernung)->setText(QStringLiteral("100"));
    b.accept();
  });
  menue.actions()[0]->trigger();
  const TZeitreihe* neu = balken.Analyse().Indikator(1, 0).Oszillator();
  ASSERT_NE(neu, nullptr);
  EXPECT_NE(neu->Lesen(tag), oszVorher);
  EXPECT_NE(balken.Analyse().SignalAm(1, 0, tag), vorher) << "the gauge shows another value";
  EXPECT_EQ(balken.Analyse().AnzahlAngezeigt(), 1) << "the display survives the recompute";
  EXPECT_TRUE(Meldungen.empty());
  NeueEinstellungen();
  IndEinstellungenEinstecken(*einstellungen_);
  EXPECT_EQ(IndVorlagen(*einstellungen_).Liste().Indikator(1, 0).BerechnungTexte()[0], "2");
}

}  // namespace
}  // namespace morvane::test
