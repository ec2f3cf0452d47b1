#include "core/transaktionsbearbeitung.h"

#include <gtest/gtest.h>

#include "core/datum.h"
#include "core/wertpapier.h"
#include "testhilfe/ausnahme.h"

namespace morvane {
namespace {

const Boersentag kMo = BoersentagAusDatum(5, 1, 1998);  // Monday 05.01.1998
const char* const kDatumFehler =
    "Ungültiges Datum angegeben! Es muss ein Börsentag angegeben werden.";
const char* const kStueckFehler = "Ungültige Stückzahl angegeben!";
const char* const kKursFehler = "Ungültigen Transaktionskurs angegeben!";
const char* const kBetragFehler = "Ungültigen Transaktionsbetrag angegeben!";
const char* const kEinfuegenFehler =
    "Die angegebene Transaktion kann nicht eingefügt werden, weil dadurch ein negativer Bestand "
    "auftreten würde!";
const char* const kEntfernenFehler =
    "Diese Transaktion darf nicht gelöscht werden, weil dadurch ein negativer Bestand auftreten "
    "würde!";

TTransaktionsEingabe Eingabe(TEingabeArt art, std::string datum, std::string stueck,
                             std::string kurs, std::string betrag) {
  return {art, std::move(datum), std::move(stueck), std::move(kurs), std::move(betrag)};
}

std::pair<std::string, TTransaktionsfeld> Fehler(const TTransaktionsEingabe& e) {
  return test::MeldungUndFeld<ETransaktionseingabe>([&] { TransaktionLesen(e); });
}

TEST(Transaktionsbearbeitung, ReadsValidEntries) {
  const auto kauf =
      TransaktionLesen(Eingabe(TEingabeArt::Kauf, "5.1.98", "10,12345", "1000000000", "-1234,567"));
  const auto* k = Als<TTransaktionKauf>(*kauf);
  ASSERT_NE(k, nullptr);
  EXPECT_EQ(k->Datum, kMo);
  EXPECT_DOUBLE_EQ(k->Stueck, 10.1234);  // cut, not rounded
  EXPECT_DOUBLE_EQ(k->Kurs, 1e9);
  EXPECT_DOUBLE_EQ(k->Betrag, -1234.56);

  const auto verkauf = TransaktionLesen(Eingabe(TEingabeArt::Verkauf, "05.01.1998", "1", "0", "0"));
  EXPECT_NE(Als<TTransaktionVerkauf>(*verkauf), nullptr);

  // Pieces and price are not looked at for other cash events.
  const auto sonstige =
      TransaktionLesen(Eingabe(TEingabeArt::Sonstige, "5.1.1998", "x", "y", "12,5"));
  EXPECT_TRUE(*sonstige == TTransaktionSonstige(kMo, 12.5));
}

TEST(Transaktionsbearbeitung, ReportsTheFirstInvalidField) {
  using F = TTransaktionsfeld;
  const auto K = TEingabeArt::Kauf;
  EXPECT_EQ(Fehler(Eingabe(K, "3.1.1998", "0", "1", "1")),
            std::pair(std::string(kDatumFehler), F::Datum));
  EXPECT_EQ(Fehler(Eingabe(K, "31.2.1998", "1", "1", "1")).first, kDatumFehler);
  EXPECT_EQ(Fehler(Eingabe(K, "5.1.1998", "0", "x", "1")),
            std::pair(std::string(kStueckFehler), F::Stueck));
  EXPECT_EQ(Fehler(Eingabe(K, "5.1.1998", "-1", "1", "1")).first, kStueckFehler);
  EXPECT_EQ(Fehler(Eingabe(K, "5.1.1998", "1 000", "1", "1")).first, kStueckFehler);
  EXPECT_EQ(Fehler(Eingabe(K, "5.1.1998", "1e999", "1", "1")).first, kStueckFehler);
  EXPECT_EQ(Fehler(Eingabe(K, "5.1.1998", "1", "-0,01", "x")),
            std::pair(std::string(kKursFehler), F::Kurs));
  EXPECT_EQ(Fehler(Eingabe(K, "5.1.1998", "1", "1000000000,0001", "1")).first, kKursFehler);
  EXPECT_EQ(Fehler(Eingabe(K, "5.1.1998", "1", "1", "")),
            std::pair(std::string(kBetragFehler), F::Betrag));
  EXPECT_EQ(Fehler(Eingabe(TEingabeArt::Sonstige, "5.1.1998", "", "", "1,2,3")).first,
            kBetragFehler);
}

TEST(Transaktionsbearbeitung, RowClickFillsTheFields) {
  const TTransaktionVerkauf verkauf(kMo, 1234, 12.5, 15432.1);
  const TTransaktionsEingabe e = EingabeAusTransaktion(verkauf);
  EXPECT_EQ(e, Eingabe(TEingabeArt::Verkauf, "05.01.1998", "1234", "12,50", "15432,10"));
  EXPECT_TRUE(*TransaktionLesen(e) == verkauf);

  EXPECT_EQ(EingabeAusTransaktion(TTransaktionSplit(kMo, 1, 10)),
            Eingabe(TEingabeArt::Kauf, "05.01.1998", "", "", ""));
  EXPECT_EQ(EingabeAusTransaktion(TTransaktionSonstige(kMo, -3.5)),
            Eingabe(TEingabeArt::Sonstige, "05.01.1998", "", "", "-3,50"));
}

TEST(Transaktionsbearbeitung, DisplayLines) {
  EXPECT_EQ(TransaktionsZeile(TTransaktionKauf(kMo, 1234, 12.5, 15432.1)),
            "05.01.1998\tKauf\t1 234\t12,50\t15 432,10");
  EXPECT_EQ(TransaktionsZeile(TTransaktionVerkauf(kMo, 0.5, 1234.5678, -1)),
            "05.01.1998\tVerkauf\t0,50\t1 234,5678\t-1,00");
  EXPECT_EQ(TransaktionsZeile(TTransaktionSplit(kMo, 1, 10)), "05.01.1998\tSplit\t1 : 10\t\t");
  EXPECT_EQ(TransaktionsZeile(TTransaktionSonstige(kMo, -3.5)), "05.01.1998\tSonstige\t\t\t-3,50");
}

TEST(Transaktionsbearbeitung, InsertAndRemoveKeepTheHoldingNonNegative) {
  TWPTransaktionen liste;
  EXPECT_THROW_MSG(TransaktionEinfuegen(liste, TTransaktionVerkauf(kMo, 10, 1, 10)),
                   ETransaktionsbearbeitung, kEinfuegenFehler);
  EXPECT_EQ(liste.Anzahl(), 0);

  EXPECT_EQ(TransaktionEinfuegen(liste, TTransaktionKauf(kMo, 6, 1, 6)), 0);
  EXPECT_EQ(TransaktionEinfuegen(liste, TTransaktionKauf(kMo, 4, 1, 4)), 1);
  // Sold on the day of the purchases: they sort first.
  EXPECT_EQ(TransaktionEinfuegen(liste, TTransaktionVerkauf(kMo, 10, 1, 10)), 2);
  EXPECT_THROW_MSG(TransaktionEinfuegen(liste, TTransaktionVerkauf(kMo + 1, 1, 1, 1)),
                   ETransaktionsbearbeitung, kEinfuegenFehler);
  EXPECT_EQ(liste.Anzahl(), 3);

  const TWPTransaktionen vorher = liste;
  EXPECT_THROW_MSG(TransaktionEntfernen(liste, 0), ETransaktionsbearbeitung, kEntfernenFehler);
  EXPECT_TRUE(liste == vorher);  // same order among the two purchases
  EXPECT_THROW_MSG(TransaktionEntfernen(liste, 3), EWPTransaktionen,
                   "Index ist außerhalb des gültigen Bereichs.");

  const auto entfernt = TransaktionEntfernen(liste, 2);
  EXPECT_TRUE(*entfernt == TTransaktionVerkauf(kMo, 10, 1, 10));
  EXPECT_EQ(liste.Anzahl(), 2);
}

TEST(Transaktionsbearbeitung, ReadsTheSplitDialog) {
  const TSplitEingabe s = SplitLesen("1", "100000", "5.1.1998");
  EXPECT_EQ(s.Datum, kMo);
  EXPECT_EQ(s.Von, 1);
  EXPECT_EQ(s.Nach, 100000);
  EXPECT_DOUBLE_EQ(SplitLesen("0,00019", "1", "5.1.1998").Von, 0.0001);

  const auto fehler = [](std::string_view von, std::string_view nach, std::string_view datum) {
    return test::MeldungUndFeld<ETransaktionseingabe>([&] { SplitLesen(von, nach, datum); });
  };
  const std::string verhaeltnis = "Das angegebene Splitting-Verhältnis ist ungültig.";
  EXPECT_EQ(fehler("0,00001", "1", "x"), std::pair(verhaeltnis, TTransaktionsfeld::Von));
  EXPECT_EQ(fehler("1", "100000,0001", "x"), std::pair(verhaeltnis, TTransaktionsfeld::Nach));
  EXPECT_EQ(fehler("1", "", "x"), std::pair(verhaeltnis, TTransaktionsfeld::Nach));
  EXPECT_EQ(fehler("1", "2", "4.1.1998"),
            std::pair(std::string(kDatumFehler), TTransaktionsfeld::Datum));
}

TEST(Transaktionsbearbeitung, RemovedSplitsAreUndoneOnThePrices) {
  TWertpapier wp;
  const TKurs original[] = {
      {kMo, 10.1, 10.05, 10.2, 10.3, 9.95, 1500},
      {kMo + 1, 33.3333, 33.1, 33.4, 34, 33, 7},
      {kMo + 2, 0, 0, 17.77, 0, 0, 0},
      {kMo + 3, 20, 20, 20, 20, 20, 100},
  };
  for (const TKurs& k : original)
    wp.Kurse.Setze(k, TSetzModus::Ersetzen);
  wp.Transaktionen.Einfuegen(TTransaktionKauf(kMo, 3, 10, 30));
  wp.SplitEinfuegen(kMo + 2, 3, 7);
  wp.SplitEinfuegen(kMo + 3, 1, 2);
  EXPECT_NEAR(wp.Kurse.Kurs(0)->Schluss, 10.2 * 3 / 7 / 2, 1e-12);

  TTransaktionsbearbeitung bearbeitung(wp.Transaktionen);
  ASSERT_EQ(bearbeitung.Transaktionen().Anzahl(), 3);
  ASSERT_TRUE(EntfernenRueckfrage(bearbeitung.Transaktionen().Transaktion(1)).has_value());
  EXPECT_FALSE(EntfernenRueckfrage(bearbeitung.Transaktionen().Transaktion(0)).has_value());
  bearbeitung.Entfernen(2);
  bearbeitung.Entfernen(1);
  ASSERT_EQ(bearbeitung.EntfernteSplits().size(), 2u);
  EXPECT_EQ(wp.Transaktionen.Anzahl(), 3);  // the dialog works on a copy

  bearbeitung.KurseAnpassen(wp.Kurse);
  ASSERT_EQ(wp.Kurse.Anzahl(), 4);
  for (int i = 0; i < 4; ++i) {
    const TKurs& k = *wp.Kurse.Kurs(i);
    const TKurs& o = original[i];
    for (TKursFeld f : {kfEroeffnung, kfHoch, kfTief, kfSchluss, kfKassakurs, kfUmsatz}) {
      EXPECT_NEAR(KursFeld(k, f), KursFeld(o, f), 1e-9 * KursFeld(o, f))
          << "Tag " << i << " Feld " << f;
    }
  }
}

TEST(Transaktionsbearbeitung, DialogSessionAddsAndRemoves) {
  TTransaktionsbearbeitung bearbeitung{TWPTransaktionen()};
  EXPECT_EQ(bearbeitung.Hinzufuegen(Eingabe(TEingabeArt::Kauf, "5.1.1998", "10", "1", "10")), 0);
  EXPECT_EQ(bearbeitung.Hinzufuegen(Eingabe(TEingabeArt::Sonstige, "5.1.1998", "", "", "2")), 1);
  EXPECT_THROW_MSG(
      bearbeitung.Hinzufuegen(Eingabe(TEingabeArt::Verkauf, "6.1.1998", "11", "1", "11")),
      ETransaktionsbearbeitung, kEinfuegenFehler);
  EXPECT_THROW_MSG(
      bearbeitung.Hinzufuegen(Eingabe(TEingabeArt::Verkauf, "6.1.1998", "0", "1", "11")),
      ETransaktionseingabe, kStueckFehler);
  bearbeitung.Entfernen(0);
  EXPECT_EQ(bearbeitung.Transaktionen().Anzahl(), 1);
  EXPECT_TRUE(bearbeitung.EntfernteSplits().empty());
}

}  // namespace
}  // namespace morvane
