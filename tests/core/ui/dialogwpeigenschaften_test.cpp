#include "core/ui/dialogwpeigenschaften.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "wpdialogtesthilfe.h"

namespace morvane {
namespace {

class EigenschaftenTest : public test::WPDialogTest {
 protected:
  EigenschaftenTest() { dialog_.show(); }
  TDialogWPEigenschaften dialog_{nullptr, store_, id_, umgebung_};
};

TEST_F(EigenschaftenTest, JederGebuehrenfehlerZeigtSeiteUndFeld) {
  // Field index and a value only that field refuses.
  const struct {
    int Feld;
    const char* Text;
  } kFaelle[] = {{0, "-1"}, {1, "1 2"}, {2, "x"}, {3, "100"}, {4, "-0,01"}, {5, "abc"}};
  const std::string vorher = Datei();
  for (const auto& f : kFaelle) {
    meldungen_.clear();
    for (int i = 0; i < 6; ++i)
      dialog_.GebuehrEdit(i)->setText(QStringLiteral("1"));
    dialog_.GebuehrEdit(f.Feld)->setText(QString::fromLatin1(f.Text));
    dialog_.Seiten()->setCurrentIndex(0);
    dialog_.Pruefen();
    EXPECT_EQ(meldungen_, std::vector<std::string>{"Ungültigen Wert eingegeben."}) << f.Feld;
    EXPECT_EQ(dialog_.Seiten()->currentIndex(), 1) << f.Feld;
    EXPECT_EQ(dialog_.focusWidget(), dialog_.GebuehrEdit(f.Feld)) << f.Feld;
    EXPECT_NE(dialog_.result(), QDialog::Accepted);
  }
  EXPECT_EQ(Datei(), vorher);
}

TEST_F(EigenschaftenTest, ErsterFehlerInPruefreihenfolgeGewinnt) {
  for (int i = 0; i < 6; ++i)
    dialog_.GebuehrEdit(i)->setText(QStringLiteral("-1"));
  dialog_.Pruefen();
  ASSERT_EQ(meldungen_.size(), 1u);
  EXPECT_EQ(dialog_.focusWidget(), dialog_.GebuehrEdit(0));
}

TEST_F(EigenschaftenTest, KaufprozentUeberHundertWirdAlsBruchGespeichert) {
  const char* felder[] = {"150", "4,90", "9,90", "99,9999", "0", "12"};
  for (int i = 0; i < 6; ++i)
    dialog_.GebuehrEdit(i)->setText(QString::fromUtf8(felder[i]));
  dialog_.BezeichnungEdit()->setText(QStringLiteral("Microsoft Corp."));
  dialog_.Pruefen();
  EXPECT_TRUE(meldungen_.empty());
  EXPECT_EQ(dialog_.result(), QDialog::Accepted);
  const TWertpapier gespeichert = store_.WertpapierLaden(id_);
  EXPECT_DOUBLE_EQ(gespeichert.KaufRel, 1.5);
  EXPECT_DOUBLE_EQ(gespeichert.KaufAbs, 4.9);
  EXPECT_DOUBLE_EQ(gespeichert.KaufMin, 9.9);
  EXPECT_DOUBLE_EQ(gespeichert.VerkaufRel, 0.999999);
  EXPECT_DOUBLE_EQ(gespeichert.VerkaufMin, 12);
  EXPECT_EQ(gespeichert.Bezeichnung, "Microsoft Corp.");
  // Only the master data change.
  EXPECT_EQ(gespeichert.Kurse.Anzahl(), test::BeispielKurse("MSFT_2003_matplotlib.csv").Anzahl());
}

TEST_F(EigenschaftenTest, KatalogweiteGebuehrenNurNachJa) {
  TWertpapier zweites = test::BeispielPapier("MSFT_2003_matplotlib.csv", "Zweites");
  const std::string id2 = Anlegen("Aktien", zweites);
  for (bool ja : {false, true}) {
    antwort_ = ja;
    fragen_.clear();
    bool ok = false;
    test::ModalBeantworten(
        [&] { ok = WPEigenschaftenBearbeiten(nullptr, store_, id_, umgebung_); },
        [&](QWidget* modal) {
          auto* d = dynamic_cast<TDialogWPEigenschaften*>(modal);
          ASSERT_TRUE(d);
          d->GebuehrEdit(0)->setText(ja ? QStringLiteral("2") : QStringLiteral("1"));
          d->KatalogCheckBox()->setChecked(true);
          d->Pruefen();
        });
    EXPECT_TRUE(ok);
    EXPECT_EQ(fragen_, std::vector<std::string>{
                           "Gebühren auch auf alle anderen Wertpapiere im Katalog 'Aktien' "
                           "übertragen?"});
    EXPECT_DOUBLE_EQ(store_.StammdatenLaden(id2).KaufRel, ja ? 0.02 : 0);
  }
}

TEST_F(EigenschaftenTest, GeloeschteDateiKommtNichtZurueck) {
  store_.WertpapierLoeschen(id_);
  dialog_.Pruefen();
  EXPECT_EQ(meldungen_.size(), 1u);
  EXPECT_NE(dialog_.result(), QDialog::Accepted);
  EXPECT_FALSE(store_.Existiert(id_));
}

TEST_F(EigenschaftenTest, AbbrechenSchreibtNichts) {
  const std::string vorher = Datei();
  dialog_.GebuehrEdit(0)->setText(QStringLiteral("3"));
  dialog_.reject();
  EXPECT_EQ(Datei(), vorher);
}

TEST_F(EigenschaftenTest, Seitenbilder) {
  for (int i = 0; i < dialog_.Seiten()->count(); ++i) {
    dialog_.Seiten()->setCurrentIndex(i);
    test::Bild(dialog_, ("eigenschaften_" + std::to_string(i)).c_str());
  }
}

}  // namespace
}  // namespace morvane
