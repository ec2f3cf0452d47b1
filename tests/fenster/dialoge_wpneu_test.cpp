#include "app/fenster/dialoge_wpneu.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <filesystem>

#include "fenstertesthilfe.h"
#include "store/ui/anlegezeilenmodell.h"
#include "store/ui/dialogwpanlegen.h"

namespace morvane::test {
namespace {

namespace fs = std::filesystem;

class WPNeu : public FensterTest {
 protected:
  WPNeu() {
    fs::copy_file(MORVANE_VORLAGEN, programm_.Datei("Werte35.mvw"));
    THauptfenster& f = Oeffnen();
    WPNeuVerbinden(f, *einstellungen_, programm_.Pfad());
  }
  // Runs `schritt` in the create dialog that the command opens next, then
  // closes it.
  static void ImDialog(std::function<void(TDialogWPAnlegen&)> schritt) {
    QTimer::singleShot(0, [schritt] {
      auto* dialog = dynamic_cast<TDialogWPAnlegen*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      schritt(*dialog);
      dialog->Steuerelemente().Schliessen->click();
    });
  }
  static QAction* Neu(QMenu& menue) {
    for (QAction* a : menue.actions()) {
      if (a->text() == QStringLiteral("Neu...")) return a;
    }
    return nullptr;
  }
};

TEST_F(WPNeu, SAPAusDenMitgeliefertenVorlagenMitEinemKlick) {
  THauptfenster& f = *fenster_;
  ImDialog([](TDialogWPAnlegen& d) {
    const TWPAnlegenSteuerelemente& s = d.Steuerelemente();
    s.SuchfeldEdit->setText(QStringLiteral("716"));
    ASSERT_GE(d.Ergebnis().rowCount(), 2);
    s.ErgebnisListBox->setCurrentIndex(d.Ergebnis().index(1, 0));  // SAP SE on Xetra
    s.KatalogEdit1->setCurrentText(QStringLiteral("Standardwerte"));
    s.AnlegenButton1->click();
  });
  f.Befehle().Aktion(TMenuebefehl::WertpapierNeu)->trigger();
  EXPECT_TRUE(Meldungen.empty());
  EXPECT_TRUE(fs::exists(daten_.Pfad() + "Standardwerte/SAP SE.mv3"));
  EXPECT_EQ(Texte(*f.Panel().Kataloge()), (VS{"Aktien", "Indizes", "Leer", "Standardwerte"}));
}

TEST_F(WPNeu, AuchAusBeidenKontextmenuesUndSchliessenAendertNichts) {
  THauptfenster& f = *fenster_;
  int geoeffnet = 0;
  for (QMenu* menue : {static_cast<QMenu*>(&f.KatalogPopupMenu()),
                       static_cast<QMenu*>(&f.WertpapierPopupMenu())}) {
    QAction* neu = Neu(*menue);
    ASSERT_NE(neu, nullptr);
    ImDialog([&](TDialogWPAnlegen& d) {
      ++geoeffnet;
      EXPECT_EQ(d.Steuerelemente().Kategorien.size(), 4u);
      d.Steuerelemente().Kategorien[2]->click();  // "Indizes"
      EXPECT_EQ(d.Ergebnis().rowCount(), 8);
    });
    neu->trigger();
  }
  EXPECT_EQ(geoeffnet, 2);
  EXPECT_EQ(Texte(*f.Panel().Kataloge()), (VS{"Aktien", "Indizes", "Leer"}));
  EXPECT_TRUE(Meldungen.empty());
}

TEST(Vorlagendatei, ProgrammverzeichnisDannNebenDemProgrammDannShare) {
  TTempVerzeichnis dir;
  const std::string programmverzeichnis = dir.Pfad() + "einstellungen";
  const std::string bin = dir.Pfad() + "bin";
  fs::create_directories(programmverzeichnis);
  fs::create_directories(bin);
  fs::create_directories(dir.Pfad() + "share/morvane");
  EXPECT_EQ(VorlagendateiFinden(programmverzeichnis, bin),
            programmverzeichnis + "/Werte35.mvw");  // none: where it belongs
  dir.Schreibe("share/morvane/Werte35.mvw", "");
  EXPECT_EQ(VorlagendateiFinden(programmverzeichnis, bin),
            dir.Pfad() + "share/morvane/Werte35.mvw");
  dir.Schreibe("bin/Werte35.mvw", "");
  EXPECT_EQ(VorlagendateiFinden(programmverzeichnis, bin), bin + "/Werte35.mvw");
  dir.Schreibe("einstellungen/Werte35.mvw", "");
  EXPECT_EQ(VorlagendateiFinden(programmverzeichnis, bin), programmverzeichnis + "/Werte35.mvw");
}

}  // namespace
}  // namespace morvane::test
