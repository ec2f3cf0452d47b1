#include "core/wertpapier.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/datum.h"
#include "testhilfe/ausnahme.h"

namespace morvane {
namespace {

const Boersentag kMo = BoersentagAusDatum(5, 1, 1998);  // Monday 05.01.1998

TKurs Kurs(Boersentag datum, double schluss, double umsatz) {
  TKurs k;
  k.Datum = datum;
  k.Eroeffnung = schluss - 1;
  k.Hoch = schluss + 2;
  k.Tief = schluss - 2;
  k.Schluss = schluss;
  k.Kassakurs = schluss + 1;
  k.Umsatz = umsatz;
  return k;
}

// Three days of prices starting at kMo: closes 100, 110, 120.
TWertpapier MitKursen() {
  TWertpapier wp;
  for (int i = 0; i < 3; ++i)
    wp.Kurse.Setze(Kurs(kMo + i, 100 + 10 * i, 1000), TSetzModus::Ersetzen);
  return wp;
}

TEST(Wertpapier, NewSecurityHasDefaults) {
  const TWertpapier wp;
  EXPECT_EQ(wp.Waehrung, "EUR");
  EXPECT_EQ(wp.Kurse.Anzahl(), 0);
  EXPECT_EQ(wp.Transaktionen.Anzahl(), 0);
  for (double gebuehr :
       {wp.KaufAbs, wp.KaufRel, wp.KaufMin, wp.VerkaufAbs, wp.VerkaufRel, wp.VerkaufMin}) {
    EXPECT_EQ(gebuehr, 0);
  }
}

TEST(Wertpapier, StammdatenKopierenCopiesAllButIdentityPricesAndTransactions) {
  TWPStammdaten quelle;
  quelle.ID = "/daten/Aktien/Quelle.mv3";
  quelle.Katalog = "Aktien";
  quelle.Bezeichnung = "Muster AG";
  quelle.WKN = "123456";
  quelle.ISIN = "DE0001234567";
  quelle.Boerse = 6;
  quelle.Kommentar = "Zeile 1\r\nZeile 2";
  quelle.WPTyp = 1;
  quelle.Waehrung = "Punkte";
  quelle.KaufAbs = 1;
  quelle.KaufRel = 0.0108;
  quelle.KaufMin = 3;
  quelle.VerkaufAbs = 4;
  quelle.VerkaufRel = 0.005;
  quelle.VerkaufMin = 6;
  quelle.KursquellenManuell = true;
  for (std::size_t i = 0; i < 3; ++i) {
    quelle.QuelleAktuell[i] = "QA" + std::to_string(i);
    quelle.QuelleHistorisch[i] = "QH" + std::to_string(i);
    quelle.IDAktuell[i] = "IA" + std::to_string(i);
    quelle.IDHistorisch[i] = "IH" + std::to_string(i);
  }

  TWertpapier ziel = MitKursen();
  ziel.ID = "/daten/Fonds/Ziel.mv3";
  ziel.Katalog = "Fonds";
  ziel.Transaktionen.Einfuegen(TTransaktionSonstige(kMo, 2));

  ziel.StammdatenKopieren(quelle);

  TWPStammdaten erwartet = quelle;
  erwartet.ID = "/daten/Fonds/Ziel.mv3";
  erwartet.Katalog = "Fonds";
  EXPECT_TRUE(static_cast<const TWPStammdaten&>(ziel) == erwartet);
  EXPECT_EQ(ziel.Kurse.Anzahl(), 3);
  EXPECT_EQ(ziel.Transaktionen.Anzahl(), 1);
}

TEST(Wertpapier, ExchangeAndTypeCodes) {
  EXPECT_EQ(BoersenName(0), "");
  EXPECT_EQ(BoersenName(8), "Xetra");
  EXPECT_EQ(BoersenName(9), "");

  TWPStammdaten s;
  s.Boerse = 200;
  s.WPTyp = 7;
  EXPECT_EQ(s.WirksameBoerse(), 0);
  EXPECT_EQ(s.WirksamerWPTyp(), 2);
}

TEST(Wertpapier, SplitRescalesOnlyTheDaysBeforeIt) {
  TWertpapier wp = MitKursen();
  wp.SplitEinfuegen(kMo + 2, 1, 10);

  ASSERT_EQ(wp.Transaktionen.Anzahl(), 1);
  const auto* split = Als<TTransaktionSplit>(wp.Transaktionen.Transaktion(0));
  ASSERT_NE(split, nullptr);
  EXPECT_EQ(split->Datum, kMo + 2);
  EXPECT_EQ(split->Von, 1);
  EXPECT_EQ(split->Nach, 10);

  const TKurs& erster = *wp.Kurse.Kurs(0);
  EXPECT_DOUBLE_EQ(erster.Schluss, 10);
  EXPECT_DOUBLE_EQ(erster.Eroeffnung, 9.9);
  EXPECT_DOUBLE_EQ(erster.Hoch, 10.2);
  EXPECT_DOUBLE_EQ(erster.Tief, 9.8);
  EXPECT_DOUBLE_EQ(erster.Kassakurs, 10.1);
  EXPECT_DOUBLE_EQ(erster.Umsatz, 10000);
  EXPECT_DOUBLE_EQ(wp.Kurse.Kurs(1)->Schluss, 11);
  EXPECT_TRUE(*wp.Kurse.Kurs(2) == Kurs(kMo + 2, 120, 1000));
}

TEST(Wertpapier, SplitOnTheFirstPriceDayMultipliesNothing) {
  TWertpapier wp = MitKursen();
  const TWertpapier vorher = MitKursen();
  wp.SplitEinfuegen(kMo, 1, 4);
  EXPECT_EQ(wp.Transaktionen.Anzahl(), 1);
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(*wp.Kurse.Kurs(i) == *vorher.Kurse.Kurs(i));

  TWertpapier ohneKurse;
  ohneKurse.SplitEinfuegen(kMo, 1, 4);
  EXPECT_EQ(ohneKurse.Kurse.Anzahl(), 0);
}

TEST(Wertpapier, RefusedSplitsChangeNeitherTransactionsNorPrices) {
  TWertpapier wp = MitKursen();
  wp.Transaktionen.Einfuegen(TTransaktionKauf(kMo, 10, 100, 1000));
  wp.Transaktionen.Einfuegen(TTransaktionVerkauf(kMo + 2, 10, 120, 1200));
  wp.SplitEinfuegen(kMo + 1, 1, 2);  // 20 units on day 2, 10 of them sold
  const TWertpapier vorher = wp;

  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const char* const kVerhaeltnis = "Ungültiges Split-Verhältnis.";
  struct Fall {
    const char* grund;
    Boersentag tag;
    double von, nach;
    const char* meldung;
  };
  const Fall faelle[] = {
      {"zero units before", kMo + 1, 0.0, 1.0, kVerhaeltnis},
      {"negative units after", kMo + 1, 1.0, -2.0, kVerhaeltnis},
      {"not a number", kMo + 1, nan, 1.0, kVerhaeltnis},
      {"infinite", kMo + 1, 1.0, inf, kVerhaeltnis},
      {"20 units become 5 on the day 10 are sold", kMo + 2, 4, 1,
       "Durch das Einfügen des Split würden negative Bestände auftreten."},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.grund);
    EXPECT_THROW_MSG(wp.SplitEinfuegen(f.tag, f.von, f.nach), EWertpapier, f.meldung);
  }
  // The list of transactions itself refuses a second split on one day.
  EXPECT_THROW_MSG(wp.SplitEinfuegen(kMo + 1, 1, 2), EWPTransaktionen,
                   "Am 06.01.1998 gibt es bereits einen Split.");

  EXPECT_TRUE(wp.Transaktionen == vorher.Transaktionen);
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(*wp.Kurse.Kurs(i) == *vorher.Kurse.Kurs(i));
}

}  // namespace
}  // namespace morvane
