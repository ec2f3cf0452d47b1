#include "core/ui/dialogwpkurstabelle.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "core/datumtext.h"
#include "core/ui/dialogwpkursbereich.h"
#include "core/ui/dialogwpsplit.h"
#include "wpdialogtesthilfe.h"

namespace morvane {
namespace {

class KurstabelleTest : public test::WPDialogTest {
 protected:
  KurstabelleTest() : original_(store_.KurseLaden(id_)) {}
  Boersentag Letzter() const { return original_.LetzterTag(); }
  QString Zelle(TDialogWPKurstabelle& d, Boersentag tag, int spalte) {
    return d.Modell().index(d.Modell().Zeile(tag), spalte).data().toString();
  }
  bool Aendern(TDialogWPKurstabelle& d, Boersentag tag, int spalte, const char* text) {
    return d.Modell().setData(d.Modell().index(d.Modell().Zeile(tag), spalte),
                              QString::fromUtf8(text), Qt::EditRole);
  }
  // Opens the range dialog through `oeffnen` and fills it.
  void Bereich(const std::function<void()>& oeffnen, Boersentag von, Boersentag bis,
               const char* faktor, unsigned felder) {
    test::ModalBeantworten(oeffnen, [&](QWidget* modal) {
      auto* b = dynamic_cast<TDialogWPKursbereich*>(modal);
      ASSERT_TRUE(b);
      b->VonEdit()->setText(QString::fromUtf8(BoersentagZuText(von).c_str()));
      b->BisEdit()->setText(QString::fromUtf8(BoersentagZuText(bis).c_str()));
      if (b->FaktorEdit()) b->FaktorEdit()->setText(QString::fromUtf8(faktor));
      for (int s = 1; s <= 6; ++s)
        b->FeldBox(s)->setChecked(felder & KurstabellenFeld(s));
      test::Bild(*b, b->FaktorEdit() ? "kurse_multiplizieren" : "kurse_loeschen");
      b->Pruefen();
      if (b->isVisible()) b->reject();
    });
  }

  TKurse original_;
};

TEST_F(KurstabelleTest, ZeilenSindBoersentageMitSiebenSpalten) {
  TDialogWPKurstabelle d(nullptr, store_, id_, Letzter(), umgebung_);
  EXPECT_EQ(d.Modell().columnCount(), 7);
  EXPECT_EQ(d.Modell().rowCount(), Letzter() - original_.ErsterTag() + 1);
  EXPECT_EQ(d.Modell().headerData(6, Qt::Horizontal, Qt::DisplayRole).toString(),
            QStringLiteral("Stückumsatz"));
  EXPECT_EQ(Zelle(d, Letzter(), 0), QString::fromUtf8(BoersentagZuText(Letzter()).c_str()));
  EXPECT_FALSE(Zelle(d, Letzter(), 4).isEmpty());
}

TEST_F(KurstabelleTest, ZelleFaktorUndLoeschenErstBeiOkGeschrieben) {
  const std::string vorher = Datei();
  TDialogWPKurstabelle d(nullptr, store_, id_, Letzter(), umgebung_);
  d.show();
  // Closing above the high is refused by the cell rule and reported.
  EXPECT_FALSE(Aendern(d, Letzter(), 4, "99999"));
  EXPECT_EQ(meldungen_, std::vector<std::string>{"Ungültigen Wert eingegeben."});
  EXPECT_FALSE(Aendern(d, Letzter(), 4, "abc"));
  const double hoch = original_.Suche(Letzter())->Hoch;
  const double tief = original_.Suche(Letzter())->Tief;
  const std::string neu = std::to_string((hoch + tief) / 2);
  EXPECT_TRUE(Aendern(d, Letzter(), 4, neu.c_str()));

  const Boersentag von = original_.Kurs(10)->Datum;
  const Boersentag bis = original_.Kurs(19)->Datum;
  const Boersentag danach = original_.Kurs(20)->Datum;
  Bereich([&] { d.Multiplizieren(); }, von, bis, "0,5", kfPreise);
  EXPECT_EQ(d.Kurse().Suche(von)->Schluss, original_.Suche(von)->Schluss * 0.5);
  EXPECT_EQ(d.Kurse().Suche(von)->Umsatz, original_.Suche(von)->Umsatz);
  EXPECT_EQ(d.Kurse().Suche(danach)->Schluss, original_.Suche(danach)->Schluss);

  Bereich([&] { d.Loeschen(); }, von, von, "", kfAlle);
  EXPECT_EQ(d.Kurse().Suche(von), nullptr);
  EXPECT_TRUE(Zelle(d, von, 4).isEmpty());
  test::Bild(d, "kurstabelle");

  EXPECT_EQ(Datei(), vorher);  // nothing before OK
  d.Pruefen();
  const TKurse gespeichert = store_.KurseLaden(id_);
  EXPECT_EQ(gespeichert.Anzahl(), original_.Anzahl() - 1);
  EXPECT_EQ(gespeichert.Suche(von), nullptr);
  EXPECT_EQ(gespeichert.Kurs(10)->Schluss, original_.Kurs(11)->Schluss * 0.5);
  EXPECT_NEAR(gespeichert.Suche(Letzter())->Schluss, std::stod(neu), 1e-4);
}

TEST_F(KurstabelleTest, AbbrechenLaesstDieDateiUnveraendert) {
  const std::string vorher = Datei();
  {
    TDialogWPKurstabelle d(nullptr, store_, id_, Letzter(), umgebung_);
    Bereich([&] { d.Loeschen(); }, original_.ErsterTag(), Letzter(), "", kfAlle);
    EXPECT_EQ(d.Kurse().Anzahl(), 0);
    d.reject();
  }
  EXPECT_EQ(Datei(), vorher);
}

// "Drucken..." asks for the range and prints the days in it that hold a price;
// an empty table says so instead.
TEST_F(KurstabelleTest, DruckenNimmtDenZeitraumUndDieSiebenSpalten) {
  std::vector<TDruckListe> gedruckt;
  umgebung_.Drucken = [&](QWidget*, const TDruckListe& l) { gedruckt.push_back(l); };
  TDialogWPKurstabelle d(nullptr, store_, id_, Letzter(), umgebung_);
  QPushButton* drucken = nullptr;
  for (auto* k : d.findChildren<QPushButton*>())
    if (k->text() == QStringLiteral("&Drucken...")) drucken = k;
  ASSERT_TRUE(drucken && drucken->isEnabled());
  const Boersentag von = Letzter() - 9;
  test::ModalBeantworten(
      [&] { drucken->click(); },
      [&](QWidget* modal) {
        auto* b = dynamic_cast<TDialogWPKursbereich*>(modal);
        ASSERT_TRUE(b);
        EXPECT_EQ(b->FeldBox(1), nullptr);
        b->VonEdit()->setText(QString::fromUtf8(BoersentagZuText(von).c_str()));
        b->BisEdit()->setText(QString::fromUtf8(BoersentagZuText(Letzter()).c_str()));
        b->Pruefen();
      });
  ASSERT_EQ(gedruckt.size(), 1u);
  EXPECT_EQ(gedruckt[0].Titel, "Kursliste: Microsoft");
  ASSERT_EQ(gedruckt[0].Spalten.size(), 7u);
  EXPECT_EQ(gedruckt[0].Spalten[6].Titel, "Stückumsatz");
  std::size_t tage = 0;
  for (Boersentag t = von; t <= Letzter(); ++t)
    tage += original_.Suche(t) != nullptr;
  ASSERT_EQ(gedruckt[0].Zeilen.size(), tage);
  EXPECT_EQ(gedruckt[0].Zeilen.back().substr(0, 10), BoersentagZuText(Letzter()));

  TWertpapier leer;
  leer.Bezeichnung = "Leer";
  TDialogWPKurstabelle ohne(nullptr, store_, Anlegen("Aktien", leer), Letzter(), umgebung_);
  for (auto* k : ohne.findChildren<QPushButton*>())
    if (k->text() == QStringLiteral("&Drucken...")) k->click();
  EXPECT_EQ(meldungen_,
            std::vector<std::string>{"Die Kurstabelle enthält keine Kurse zum Drucken."});
  EXPECT_EQ(gedruckt.size(), 1u);
}

TEST_F(KurstabelleTest, BereichsdialogPrueftEingaben) {
  const struct {
    const char* Von;
    const char* Bis;
    const char* Faktor;
    const char* Meldung;
  } kFaelle[] = {
      {"32.01.2003", "01.02.2003", "2", "Ungültiges Datum angegeben!"},
      {"05.02.2003", "01.02.2003", "2", "Ungültiges Datum angegeben!"},
      {"01.02.2003", "05.02.2003", "0", "Es muss eine positive Zahl angegeben werden!"},
      {"01.02.2003", "05.02.2003", "-1", "Es muss eine positive Zahl angegeben werden!"}};
  for (const auto& f : kFaelle) {
    meldungen_.clear();
    TDialogWPKursbereich b(nullptr, TDialogWPKursbereich::TArt::Multiplizieren, {}, umgebung_);
    b.VonEdit()->setText(QString::fromUtf8(f.Von));
    b.BisEdit()->setText(QString::fromUtf8(f.Bis));
    b.FaktorEdit()->setText(QString::fromUtf8(f.Faktor));
    b.Pruefen();
    EXPECT_EQ(meldungen_, std::vector<std::string>{f.Meldung}) << f.Von << f.Faktor;
    EXPECT_NE(b.result(), QDialog::Accepted);
  }
}

TEST_F(KurstabelleTest, SplitRechnetKurseUmUndMeldetFehler) {
  const Boersentag tag = original_.Kurs(30)->Datum;
  TDialogWPSplit d(nullptr, store_, id_, Letzter(), umgebung_);
  d.show();
  test::Bild(d, "aktiensplit");
  d.VonEdit()->setText(QStringLiteral("0"));
  d.Pruefen();
  EXPECT_EQ(meldungen_,
            std::vector<std::string>{"Das angegebene Splitting-Verhältnis ist ungültig."});
  EXPECT_EQ(d.focusWidget(), d.VonEdit());
  d.VonEdit()->setText(QStringLiteral("1"));
  d.NachEdit()->setText(QStringLiteral("2"));
  d.DatumEdit()->setText(QString::fromUtf8(BoersentagZuText(tag).c_str()));
  d.Pruefen();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  const TWertpapier w = store_.WertpapierLaden(id_);
  EXPECT_EQ(w.Transaktionen.Anzahl(), 1);
  EXPECT_DOUBLE_EQ(w.Kurse.Kurs(0)->Schluss, original_.Kurs(0)->Schluss / 2);
  EXPECT_DOUBLE_EQ(w.Kurse.Suche(tag)->Schluss, original_.Suche(tag)->Schluss);

  // A second split on that day is refused and leaves the file alone.
  const std::string vorher = Datei();
  TDialogWPSplit zweiter(nullptr, store_, id_, Letzter(), umgebung_);
  zweiter.DatumEdit()->setText(QString::fromUtf8(BoersentagZuText(tag).c_str()));
  zweiter.NachEdit()->setText(QStringLiteral("3"));
  zweiter.Pruefen();
  EXPECT_EQ(meldungen_.size(), 2u);
  EXPECT_NE(zweiter.result(), QDialog::Accepted);
  EXPECT_EQ(Datei(), vorher);
}

}  // namespace
}  // namespace morvane
