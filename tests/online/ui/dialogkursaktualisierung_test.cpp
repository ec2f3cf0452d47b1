#include "online/ui/dialogkursaktualisierung.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "store/einstellungen.h"
#include "testhilfe/qt/dialogtesthilfe.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

using VS = std::vector<std::string>;

class DialogKursaktualisierung : public testing::Test {
 protected:
  DialogKursaktualisierung() : einstellungen_(tmp_.Pfad()) {
    einstellungen_.ListenKataloge = {"Fonds", "Gelöscht"};
  }

  static VS Texte(const QListWidget& liste, bool nurGewaehlt) {
    VS texte;
    for (int i = 0; i < liste.count(); ++i) {
      if (!nurGewaehlt || liste.item(i)->isSelected())
        texte.push_back(liste.item(i)->text().toStdString());
    }
    return texte;
  }

  test::TTempVerzeichnis tmp_;
  TEinstellungen einstellungen_;
  const VS kataloge_{"Zertifikate", "Öl", "aktien", "Fonds"};
};

TEST_F(DialogKursaktualisierung, SortedCatalogsWithTheRememberedOnesAndDailyPricesPreselected) {
  TDialogKursaktualisierung d(kataloge_, einstellungen_);
  EXPECT_EQ(d.windowTitle(), "Kursaktualisierung");
  EXPECT_EQ(Texte(*d.KatalogListe(), false), (VS{"aktien", "Fonds", "Öl", "Zertifikate"}));
  EXPECT_EQ(Texte(*d.KatalogListe(), true), VS{"Fonds"})
      << "a remembered name the store lacks selects nothing";
  EXPECT_TRUE(d.TageskurseKnopf()->isChecked());
  EXPECT_FALSE(d.HistorischKnopf()->isChecked());
  EXPECT_TRUE(d.OkKnopf()->isEnabled());
  test::BildSpeichern(d, "kursaktualisierung");
}

TEST_F(DialogKursaktualisierung, OkOnlyWithASelectedCatalog) {
  einstellungen_.ListenKataloge.clear();
  TDialogKursaktualisierung d(kataloge_, einstellungen_);
  EXPECT_FALSE(d.OkKnopf()->isEnabled());
  d.KatalogListe()->item(1)->setSelected(true);
  EXPECT_TRUE(d.OkKnopf()->isEnabled());
  d.KatalogListe()->item(1)->setSelected(false);
  EXPECT_FALSE(d.OkKnopf()->isEnabled());
  d.accept();  // e.g. Return with nothing selected
  EXPECT_EQ(d.result(), QDialog::Rejected);
  EXPECT_TRUE(einstellungen_.ListenKataloge.empty());
}

TEST_F(DialogKursaktualisierung, OkReturnsTheChoiceAndRemembersTheCatalogs) {
  struct Fall {
    bool historisch;
    TKursaktuWahl erwartet;
  };
  for (const Fall& f :
       {Fall{false, {{"Fonds", "Öl"}, true, false}}, Fall{true, {{"Fonds", "Öl"}, false, true}}}) {
    einstellungen_.ListenKataloge = {"Fonds"};
    std::optional<TKursaktuWahl> wahl;
    test::ModalBeantworten([&] { wahl = KursaktuWahlAbfragen(nullptr, kataloge_, einstellungen_); },
                           [&](QWidget* modal) {
                             auto& d = *static_cast<TDialogKursaktualisierung*>(modal);
                             d.KatalogListe()->item(2)->setSelected(true);
                             if (f.historisch) d.HistorischKnopf()->click();
                             d.OkKnopf()->click();
                           });
    ASSERT_TRUE(wahl) << f.historisch;
    EXPECT_EQ(*wahl, f.erwartet);
    EXPECT_EQ(einstellungen_.ListenKataloge, (VS{"Fonds", "Öl"}));
  }
}

TEST_F(DialogKursaktualisierung, CancelChangesNothing) {
  std::optional<TKursaktuWahl> wahl{TKursaktuWahl{}};
  test::ModalBeantworten([&] { wahl = KursaktuWahlAbfragen(nullptr, kataloge_, einstellungen_); },
                         [&](QWidget* modal) {
                           auto& d = *static_cast<TDialogKursaktualisierung*>(modal);
                           d.KatalogListe()->item(0)->setSelected(true);
                           d.reject();
                         });
  EXPECT_FALSE(wahl);
  EXPECT_EQ(einstellungen_.ListenKataloge, (VS{"Fonds", "Gelöscht"}));
}

}  // namespace
}  // namespace morvane
