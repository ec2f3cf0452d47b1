#include "store/katalogpflege.h"

#include <gtest/gtest.h>

#include "core/transaktion.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/beispieldaten.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

TEST(KatalogNamePruefen, NimmtErlaubteNamenGetrimmt) {
  const struct {
    const char* Eingabe;
    const char* Name;
  } kFaelle[] = {{"Aktien", "Aktien"},
                 {"  Depot 2024  ", "Depot 2024"},
                 {"Übersee [US] (alt)", "Übersee [US] (alt)"}};
  for (const auto& f : kFaelle)
    EXPECT_EQ(KatalogNamePruefen(f.Eingabe), f.Name) << f.Eingabe;
}

TEST(KatalogNamePruefen, LehntLeereUndSonderzeichenAb) {
  const struct {
    const char* Eingabe;
    const char* Meldung;
  } kFaelle[] = {{"", "Keinen Katalog-Namen eingegeben!"},
                 {" \t ", "Keinen Katalog-Namen eingegeben!"},
                 {"Aktien/US", "Sonderzeichen sind im Katalog-Namen nicht erlaubt!"},
                 {"..", "Sonderzeichen sind im Katalog-Namen nicht erlaubt!"},
                 {"Depot: 2024", "Sonderzeichen sind im Katalog-Namen nicht erlaubt!"},
                 {"Straße", "Sonderzeichen sind im Katalog-Namen nicht erlaubt!"}};
  for (const auto& f : kFaelle)
    EXPECT_THROW_MSG(KatalogNamePruefen(f.Eingabe), EKatalogname, f.Meldung);
}

TEST(Loeschfragen, NennenNameOderAnzahl) {
  EXPECT_EQ(WertpapierLoeschenFrage("SAP"),
            "Soll das Wertpapier 'SAP' unwiderruflich gelöscht werden?");
  EXPECT_EQ(KatalogeLoeschenFrage({"Aktien"}),
            "Katalog 'Aktien' und alle enthaltenen Wertpapiere löschen?");
  EXPECT_EQ(KatalogeLoeschenFrage({"Aktien", "Fonds"}),
            "Die markierten 2 Kataloge und alle enthaltenen Wertpapiere löschen?");
}

class KatalogpflegeTest : public testing::Test {
 protected:
  KatalogpflegeTest() : store_(daten_.Pfad()) {
    TWertpapier papier = test::BeispielPapier("MSFT_2003_matplotlib.csv", "Microsoft");
    papier.Transaktionen.Einfuegen(TTransaktionKauf(papier.Kurse.ErsterTag(), 10, 25, 255));
    papier.Transaktionen.Einfuegen(TTransaktionSplit(papier.Kurse.ErsterTag() + 5, 1, 2));
    papier.KaufRel = 0.01;
    id_ = store_.NeueID("Aktien", "Microsoft");
    store_.WertpapierSpeichern(id_, papier);
    original_ = store_.WertpapierLaden(id_);
  }

  // Everything but the file's place.
  void ExpectGleich(TWertpapier kopie) const {
    EXPECT_EQ(kopie.Kurse.Anzahl(), original_.Kurse.Anzahl());
    EXPECT_TRUE(std::equal(kopie.Kurse.Alle().begin(), kopie.Kurse.Alle().end(),
                           original_.Kurse.Alle().begin()));
    EXPECT_EQ(kopie.Transaktionen, original_.Transaktionen);
    kopie.ID = original_.ID;
    kopie.Katalog = original_.Katalog;
    EXPECT_EQ(static_cast<const TWPStammdaten&>(kopie),
              static_cast<const TWPStammdaten&>(original_));
  }

  test::TTempVerzeichnis daten_;
  TWPVerwaltung store_;
  std::string id_;
  TWertpapier original_;
};

TEST_F(KatalogpflegeTest, KopierenBehaeltAllesUndDasOriginal) {
  const std::string neu = WertpapierKopieren(store_, id_, "Depot", false);
  EXPECT_EQ(neu, daten_.Pfad() + "Depot/Microsoft.mv3");
  ExpectGleich(store_.WertpapierLaden(neu));
  ExpectGleich(store_.WertpapierLaden(id_));
}

TEST_F(KatalogpflegeTest, KopieImSelbenKatalogBekommtNeuenNamen) {
  const std::string neu = WertpapierKopieren(store_, id_, "Aktien", false);
  EXPECT_EQ(neu, daten_.Pfad() + "Aktien/Microsoft (1).mv3");
  ExpectGleich(store_.WertpapierLaden(neu));
}

TEST_F(KatalogpflegeTest, VerschiebenLoeschtNurNachDemSchreiben) {
  const std::string neu = WertpapierKopieren(store_, id_, "Depot", true);
  ExpectGleich(store_.WertpapierLaden(neu));
  EXPECT_FALSE(store_.Existiert(id_));
  // Moving into the own catalog would only rename the file.
  EXPECT_EQ(WertpapierKopieren(store_, neu, "Depot", true), neu);
  EXPECT_TRUE(store_.Existiert(neu));
}

TEST_F(KatalogpflegeTest, GebuehrenGehenAnAlleAnderenDesKatalogs) {
  const std::string zweites = WertpapierKopieren(store_, id_, "Aktien", false);
  const std::string fremdes = WertpapierKopieren(store_, id_, "Fonds", false);
  TWPStammdaten quelle = store_.StammdatenLaden(id_);
  quelle.ID = id_;
  quelle.KaufRel = 0.015;
  quelle.KaufAbs = 4.9;
  quelle.KaufMin = 9.9;
  quelle.VerkaufRel = 0.02;
  quelle.VerkaufAbs = 5;
  quelle.VerkaufMin = 10;
  GebuehrenUebertragen(store_, "Aktien", quelle);
  const TWertpapier geaendert = store_.WertpapierLaden(zweites);
  EXPECT_EQ(geaendert.KaufRel, 0.015);
  EXPECT_EQ(geaendert.KaufAbs, 4.9);
  EXPECT_EQ(geaendert.KaufMin, 9.9);
  EXPECT_EQ(geaendert.VerkaufRel, 0.02);
  EXPECT_EQ(geaendert.VerkaufAbs, 5);
  EXPECT_EQ(geaendert.VerkaufMin, 10);
  EXPECT_EQ(geaendert.Kurse.Anzahl(), original_.Kurse.Anzahl());
  EXPECT_EQ(store_.StammdatenLaden(fremdes).KaufRel, 0.01);
  // The source itself is written by its dialog, not here.
  EXPECT_EQ(store_.StammdatenLaden(id_).KaufRel, 0.01);
}

}  // namespace
}  // namespace morvane
