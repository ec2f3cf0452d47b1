#include "core/ui/dialogwptransaktionen.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "core/datumtext.h"
#include "wpdialogtesthilfe.h"

namespace morvane {
namespace {

class TransaktionenTest : public test::WPDialogTest {
 protected:
  TransaktionenTest() {
    const TKurse kurse = store_.KurseLaden(id_);
    erster_ = kurse.ErsterTag();
    letzter_ = kurse.LetzterTag();
  }

  void Eingeben(TDialogWPTransaktionen& d, int art, Boersentag tag, const char* stueck,
                const char* kurs, const char* betrag) {
    d.TypAuswahl()->setCurrentIndex(art);
    d.DatumEdit()->setText(QString::fromUtf8(BoersentagZuText(tag).c_str()));
    d.StueckEdit()->setText(QString::fromUtf8(stueck));
    d.KursEdit()->setText(QString::fromUtf8(kurs));
    d.BetragEdit()->setText(QString::fromUtf8(betrag));
  }

  static void Klicken(TDialogWPTransaktionen& d, const QString& knopf) {
    for (QPushButton* k : d.findChildren<QPushButton*>())
      if (k->text() == knopf) return k->click();
    FAIL() << knopf.toStdString();
  }

  Boersentag erster_ = 0;
  Boersentag letzter_ = 0;
};

TEST_F(TransaktionenTest, HinzufuegenUndEntfernenWieDasModell) {
  TDialogWPTransaktionen d(nullptr, store_, id_, letzter_, umgebung_);
  TTransaktionsbearbeitung modell{TWPTransaktionen()};

  Eingeben(d, 0, erster_ + 2, "100", "25,5", "2560");
  Klicken(d, QStringLiteral("Hin&zufügen ->"));
  Eingeben(d, 2, erster_ + 4, "", "", "12,34");
  Klicken(d, QStringLiteral("Hin&zufügen ->"));
  modell.Hinzufuegen({TEingabeArt::Kauf, BoersentagZuText(erster_ + 2), "100", "25,5", "2560"});
  modell.Hinzufuegen({TEingabeArt::Sonstige, BoersentagZuText(erster_ + 4), "", "", "12,34"});
  EXPECT_TRUE(meldungen_.empty());
  EXPECT_EQ(d.Bearbeitung().Transaktionen(), modell.Transaktionen());
  ASSERT_EQ(d.Liste()->topLevelItemCount(), 2);
  EXPECT_EQ(d.Liste()->topLevelItem(1)->text(1), QStringLiteral("Sonstige"));

  // Selling more than held is refused and changes nothing.
  Eingeben(d, 1, erster_ + 3, "101", "26", "2.600,00");
  Klicken(d, QStringLiteral("Hin&zufügen ->"));
  EXPECT_EQ(meldungen_.size(), 1u);
  EXPECT_EQ(d.Bearbeitung().Transaktionen(), modell.Transaktionen());

  // A row click fills the fields by kind: the purchase fully.
  d.Liste()->setCurrentItem(d.Liste()->topLevelItem(0));
  EXPECT_EQ(d.TypAuswahl()->currentIndex(), 0);
  EXPECT_EQ(d.StueckEdit()->text(), QStringLiteral("100"));
  EXPECT_EQ(d.BetragEdit()->text(), QStringLiteral("2560,00"));
  d.Liste()->setCurrentItem(d.Liste()->topLevelItem(1));
  EXPECT_EQ(d.TypAuswahl()->currentIndex(), 2);
  EXPECT_TRUE(d.StueckEdit()->text().isEmpty());

  Klicken(d, QStringLiteral("&Entfernen <-"));
  modell.Entfernen(1);
  EXPECT_EQ(d.Bearbeitung().Transaktionen(), modell.Transaktionen());
  EXPECT_EQ(d.Liste()->topLevelItemCount(), 1);
  EXPECT_FALSE(d.DruckenKnopf()->isEnabled());
  test::Bild(d, "transaktionen");

  d.Pruefen();
  EXPECT_EQ(store_.TransaktionenLaden(id_), modell.Transaktionen());
}

// "Drucken..." hands the list, as the dialog holds it, to the table printer.
TEST_F(TransaktionenTest, DruckenGibtDieListeMitIhrenSpalten) {
  std::vector<TDruckListe> gedruckt;
  umgebung_.Drucken = [&](QWidget*, const TDruckListe& l) { gedruckt.push_back(l); };
  TDialogWPTransaktionen d(nullptr, store_, id_, letzter_, umgebung_);
  Eingeben(d, 0, erster_ + 2, "100", "25,5", "2560");
  Klicken(d, QStringLiteral("Hin&zufügen ->"));
  ASSERT_TRUE(d.DruckenKnopf()->isEnabled());
  d.DruckenKnopf()->click();
  ASSERT_EQ(gedruckt.size(), 1u);
  EXPECT_EQ(gedruckt[0].Titel, "Transaktionsliste: Microsoft");
  ASSERT_EQ(gedruckt[0].Spalten.size(), 5u);
  EXPECT_EQ(gedruckt[0].Spalten[4].Titel, "Betrag");
  EXPECT_EQ(gedruckt[0].Spalten[4].Ausrichtung, TDruckAusrichtung::Rechts);
  EXPECT_EQ(
      gedruckt[0].Zeilen,
      std::vector<std::string>{TransaktionsZeile(d.Bearbeitung().Transaktionen().Transaktion(0))});
  // A failing printer is reported in the dialog, which stays as it was.
  umgebung_.Drucken = [](QWidget*, const TDruckListe&) { throw Exception("Drucker fehlt."); };
  TDialogWPTransaktionen zweiter(nullptr, store_, id_, letzter_, umgebung_);
  zweiter.DruckenKnopf()->click();
  EXPECT_EQ(meldungen_, std::vector<std::string>{"Drucker fehlt."});
}

TEST_F(TransaktionenTest, FalschesFeldBekommtDenFokus) {
  TDialogWPTransaktionen d(nullptr, store_, id_, letzter_, umgebung_);
  d.show();
  Eingeben(d, 0, erster_, "abc", "25", "100");
  Klicken(d, QStringLiteral("Hin&zufügen ->"));
  ASSERT_EQ(meldungen_.size(), 1u);
  EXPECT_EQ(d.focusWidget(), d.StueckEdit());
  EXPECT_EQ(d.Bearbeitung().Transaktionen().Anzahl(), 0);
}

// A split in the stored file, removed in the dialog: OK takes the price
// adjustment back, Cancel leaves the file byte for byte.
TEST_F(TransaktionenTest, EntfernterSplitStelltKurseBeiOkWiederHer) {
  const TKurse original = store_.KurseLaden(id_);
  const Boersentag splittag = erster_ + 20;
  store_.WertpapierAendern(id_, [&](TWertpapier& w) { w.SplitEinfuegen(splittag, 1, 4); });
  ASSERT_NE(store_.KurseLaden(id_).Kurs(0)->Schluss, original.Kurs(0)->Schluss);

  for (bool ok : {false, true}) {
    const std::string vorher = Datei();
    fragen_.clear();
    TDialogWPTransaktionen d(nullptr, store_, id_, letzter_, umgebung_);
    d.Liste()->setCurrentItem(d.Liste()->topLevelItem(0));
    EXPECT_EQ(d.TypAuswahl()->currentIndex(), 0);
    EXPECT_TRUE(d.KursEdit()->text().isEmpty());
    Klicken(d, QStringLiteral("&Entfernen <-"));
    EXPECT_EQ(fragen_.size(), 1u);
    EXPECT_EQ(d.Bearbeitung().EntfernteSplits().size(), 1u);
    if (!ok) {
      d.reject();
      EXPECT_EQ(Datei(), vorher);
      continue;
    }
    d.Pruefen();
    const TKurse zurueck = store_.KurseLaden(id_);
    ASSERT_EQ(zurueck.Anzahl(), original.Anzahl());
    for (int i = 0; i < original.Anzahl(); ++i) {
      EXPECT_NEAR(zurueck.Kurs(i)->Schluss, original.Kurs(i)->Schluss, 1e-9) << i;
      EXPECT_NEAR(zurueck.Kurs(i)->Umsatz, original.Kurs(i)->Umsatz, 1e-6) << i;
    }
    EXPECT_EQ(store_.TransaktionenLaden(id_).Anzahl(), 0);
  }
}

TEST_F(TransaktionenTest, NeinBehaeltDenSplit) {
  store_.WertpapierAendern(id_, [&](TWertpapier& w) { w.SplitEinfuegen(erster_ + 5, 1, 2); });
  antwort_ = false;
  TDialogWPTransaktionen d(nullptr, store_, id_, letzter_, umgebung_);
  d.Liste()->setCurrentItem(d.Liste()->topLevelItem(0));
  Klicken(d, QStringLiteral("&Entfernen <-"));
  EXPECT_EQ(d.Bearbeitung().Transaktionen().Anzahl(), 1);
  EXPECT_TRUE(d.Bearbeitung().EntfernteSplits().empty());
}

}  // namespace
}  // namespace morvane
