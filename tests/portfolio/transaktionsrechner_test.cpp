#include "portfolio/transaktionsrechner.h"

#include <gtest/gtest.h>

#include "core/datum.h"
#include "testhilfe/ausnahme.h"

namespace morvane {
namespace {

const Boersentag kMo = BoersentagAusDatum(5, 1, 1998);  // Monday 05.01.1998

void Schluss(TWertpapier& wp, Boersentag tag, double schluss) {
  TKurs k;
  k.Datum = tag;
  k.Schluss = schluss;
  wp.Kurse.Setze(k, TSetzModus::Ersetzen);
}

void Kauf(TWertpapier& wp, Boersentag tag, double stueck, double betrag) {
  wp.Transaktionen.Einfuegen(TTransaktionKauf(tag, stueck, betrag / stueck, betrag));
}

void Verkauf(TWertpapier& wp, Boersentag tag, double stueck, double betrag) {
  wp.Transaktionen.Einfuegen(TTransaktionVerkauf(tag, stueck, betrag / stueck, betrag));
}

// Kauf of 10 units for 1 000 on Monday, Verkauf of 4 units for 600 on Tuesday.
TWertpapier KaufUndVerkauf() {
  TWertpapier wp;
  Kauf(wp, kMo, 10, 1000);
  Verkauf(wp, kMo + 1, 4, 600);
  return wp;
}

TEST(TransaktionsRechner, SaleBooksAverageCost) {
  const TWertpapier wp = KaufUndVerkauf();
  TTransaktionsRechner r(wp);
  ASSERT_TRUE(r.Naechste());
  EXPECT_FALSE(r.LetzterErtrag().has_value());  // a purchase yields nothing
  ASSERT_TRUE(r.Naechste());
  EXPECT_EQ(r.Stichtag(), kMo + 1);
  EXPECT_DOUBLE_EQ(r.VerkaufEinstand(), 400);
  EXPECT_DOUBLE_EQ(r.Einstand(), 600);
  EXPECT_DOUBLE_EQ(r.Bestand(), 6);
  EXPECT_DOUBLE_EQ(r.Kasse(), -400);
  EXPECT_DOUBLE_EQ(r.Realisiert(), 200);
  EXPECT_DOUBLE_EQ(r.Investiert(), 1000);
  const auto ertrag = r.LetzterErtrag();
  ASSERT_TRUE(ertrag.has_value());
  EXPECT_DOUBLE_EQ(ertrag->Ertrag, 200);
  EXPECT_DOUBLE_EQ(ertrag->Rendite, 0.5);
  EXPECT_DOUBLE_EQ(r.RenditeRealisiert(), 0.2);

  // At the end nothing changes any more.
  EXPECT_FALSE(r.Naechste());
  EXPECT_EQ(r.Index(), 1);
  EXPECT_EQ(r.Stichtag(), kMo + 1);
}

TEST(TransaktionsRechner, SplitRescalesHoldingOnlyAndOtherEventsCountAsRealised) {
  TWertpapier wp;
  Kauf(wp, kMo, 3, 300);
  wp.Transaktionen.Einfuegen(TTransaktionSplit(kMo + 1, 1, 10));
  wp.Transaktionen.Einfuegen(TTransaktionSplit(kMo + 2, 20, 1));
  wp.Transaktionen.Einfuegen(TTransaktionSonstige(kMo + 3, 30));
  TTransaktionsRechner r(wp);
  r.Naechste();
  r.Naechste();
  EXPECT_DOUBLE_EQ(r.Bestand(), 30);
  EXPECT_DOUBLE_EQ(r.Einstand(), 300);
  r.Naechste();
  EXPECT_DOUBLE_EQ(r.Bestand(), 1.5);  // not rounded, unlike the holding test of the list
  EXPECT_FALSE(r.LetzterErtrag().has_value());
  r.Naechste();
  EXPECT_DOUBLE_EQ(r.Kasse(), -270);
  EXPECT_DOUBLE_EQ(r.Realisiert(), 30);
  const auto ertrag = r.LetzterErtrag();
  ASSERT_TRUE(ertrag.has_value());
  EXPECT_DOUBLE_EQ(ertrag->Ertrag, 30);
  EXPECT_DOUBLE_EQ(ertrag->Rendite, 0.1);  // on the cost basis held
}

TEST(TransaktionsRechner, BisDatumBooksUpToTheDayAndStandsOnIt) {
  TWertpapier wp = KaufUndVerkauf();
  Schluss(wp, kMo + 3, 150);
  TTransaktionsRechner vorher(wp);
  vorher.BisDatum(kMo - 1);
  EXPECT_EQ(vorher.Index(), -1);
  EXPECT_EQ(vorher.Stichtag(), kMo - 1);
  EXPECT_DOUBLE_EQ(vorher.Bestand(), 0);

  TTransaktionsRechner r(wp);
  r.BisDatum(kMo + 1);  // the sale of that day is booked
  EXPECT_EQ(r.Index(), 1);
  r.BisDatum(kMo + 3);
  EXPECT_EQ(r.Stichtag(), kMo + 3);
  EXPECT_EQ(r.Kurs(), 150);
  EXPECT_EQ(r.Marktwert(), 900);
  // The last booked transaction is still the sale.
  EXPECT_EQ(r.AktuelleTransaktion().Art(), TTransaktionsArt::Verkauf);
}

TEST(TransaktionsRechner, PriceIsTheCloseOfExactlyTheDay) {
  TWertpapier wp = KaufUndVerkauf();
  Schluss(wp, kMo, 100);
  TKurs ohneSchluss;
  ohneSchluss.Datum = kMo + 1;
  ohneSchluss.Eroeffnung = 99;
  wp.Kurse.Setze(ohneSchluss, TSetzModus::Ersetzen);
  TTransaktionsRechner r(wp);
  EXPECT_FALSE(r.Kurs().has_value());  // Stichtag 0
  r.BisDatum(kMo);
  EXPECT_EQ(r.Kurs(), 100);
  r.BisDatum(kMo + 1);
  EXPECT_FALSE(r.Kurs().has_value());  // no close that day
  r.BisDatum(kMo + 2);
  EXPECT_FALSE(r.Kurs().has_value());  // no fallback to an earlier day
  EXPECT_FALSE(r.Marktwert().has_value());
  EXPECT_FALSE(r.Buchgewinn().has_value());
  // Without a book gain the total gain is what was realised.
  EXPECT_DOUBLE_EQ(r.Gesamtgewinn().Gewinn, 200);
  EXPECT_DOUBLE_EQ(r.Gesamtgewinn().Rendite, 0.2);
}

TEST(TransaktionsRechner, NoHoldingIsWorthNothingButBookGainNeedsAPrice) {
  TWertpapier wp;
  Kauf(wp, kMo, 2, 200);
  Verkauf(wp, kMo, 2, 250);
  Schluss(wp, kMo + 1, 80);
  TTransaktionsRechner r(wp);
  r.BisDatum(kMo);
  EXPECT_EQ(r.Marktwert(), 0.0);  // no price that day, but nothing held
  EXPECT_FALSE(r.Buchgewinn().has_value());
  EXPECT_EQ(r.GVGrenze(), 0);
  r.BisDatum(kMo + 1);
  const auto buch = r.Buchgewinn();
  ASSERT_TRUE(buch.has_value());
  EXPECT_EQ(buch->Gewinn, 0);
  EXPECT_EQ(buch->Rendite, 0);
  EXPECT_DOUBLE_EQ(r.Gesamtgewinn().Gewinn, 50);
  EXPECT_DOUBLE_EQ(r.Gesamtgewinn().Rendite, 0.25);
}

TEST(TransaktionsRechner, BookGainDeductsTheSaleFees) {
  TWertpapier wp;
  wp.VerkaufRel = 0.01;
  wp.VerkaufAbs = 5;
  Kauf(wp, kMo, 10, 1000);
  Schluss(wp, kMo, 120);
  TTransaktionsRechner r(wp);
  r.BisDatum(kMo);
  const auto buch = r.Buchgewinn();
  ASSERT_TRUE(buch.has_value());
  EXPECT_DOUBLE_EQ(buch->Gewinn, 1200 - 12 - 5 - 1000);
  EXPECT_DOUBLE_EQ(buch->Rendite, 0.183);
  EXPECT_DOUBLE_EQ(r.Gesamtgewinn().Gewinn, 183);
}

// Selling the whole holding at the break-even price returns the cost basis.
double Verkaufserloes(const TWertpapier& wp, const TTransaktionsRechner& r, double preis) {
  return TTransaktionsRechner::VerkaufBetrag(wp, preis, r.Bestand());
}

TEST(TransaktionsRechner, BreakEvenPriceRecoversTheCostBasis) {
  TWertpapier wp;
  Kauf(wp, kMo, 8, 1000);
  {
    TTransaktionsRechner r(wp);
    r.Naechste();
    EXPECT_DOUBLE_EQ(r.GVGrenze(), 125);  // no fees
  }
  wp.VerkaufRel = 0.01;
  wp.VerkaufAbs = 5;
  wp.VerkaufMin = 10;
  {
    TTransaktionsRechner r(wp);
    r.Naechste();
    EXPECT_DOUBLE_EQ(r.GVGrenze(), 1005.0 / 8 / 0.99);
    EXPECT_NEAR(Verkaufserloes(wp, r, r.GVGrenze()), 1000, 1e-9);
  }
  wp.VerkaufMin = 50;  // above 5 + 1 % of about 1 000
  {
    TTransaktionsRechner r(wp);
    r.Naechste();
    EXPECT_DOUBLE_EQ(r.GVGrenze(), 1050.0 / 8);
    EXPECT_NEAR(Verkaufserloes(wp, r, r.GVGrenze()), 1000, 1e-9);
  }
}

TEST(TransaktionsRechner, BreakEvenPriceWithAFullSaleFeeDividesByZero) {
  TWertpapier wp;
  wp.VerkaufRel = 1;
  TTransaktionsRechner leer(wp);
  EXPECT_EQ(leer.GVGrenze(), 0);  // nothing held: nothing to divide
  Kauf(wp, kMo, 1, 100);
  TTransaktionsRechner r(wp);
  r.Naechste();
  EXPECT_THROW_MSG(r.GVGrenze(), ETransaktionsRechner, "Fließkomma-Division durch 0");
}

TEST(TransaktionsRechner, FeeFormulasTakeTheLargerFee) {
  TWPStammdaten s;
  s.KaufRel = s.VerkaufRel = 0.01;
  s.KaufMin = s.VerkaufMin = 10;
  EXPECT_DOUBLE_EQ(TTransaktionsRechner::KaufBetrag(s, 100, 20), 2020);
  EXPECT_DOUBLE_EQ(TTransaktionsRechner::VerkaufBetrag(s, 10, 1), 0);
}

TEST(TransaktionsRechner, SellingOutLeavesNoBinaryRestOfHoldingOrCostBasis) {
  TWertpapier wp;
  wp.VerkaufMin = 10;
  Kauf(wp, kMo, 0.1, 10);
  Kauf(wp, kMo, 0.2, 20);
  Verkauf(wp, kMo + 1, 0.3, 40);
  Schluss(wp, kMo + 1, 100);
  TTransaktionsRechner r(wp);
  r.BisDatum(kMo + 1);
  EXPECT_EQ(r.Bestand(), 0);
  EXPECT_EQ(r.Einstand(), 0);
  EXPECT_DOUBLE_EQ(r.Realisiert(), 10);
  // Otherwise a rest of 0.3 - (0.1 + 0.2) would be valued with the minimum fee.
  EXPECT_EQ(r.Buchgewinn()->Gewinn, 0);
}

TEST(TransaktionsRechner, CostBasisNeverTurnsNegative) {
  // 3 units split 2 : 1 are 1.5 here, while the holding test of the
  // transaction list rounds them to 2 and so allows selling 2.
  TWertpapier wp;
  Kauf(wp, kMo, 3, 300);
  wp.Transaktionen.Einfuegen(TTransaktionSplit(kMo + 1, 2, 1));
  Verkauf(wp, kMo + 2, 2, 260);
  Verkauf(wp, kMo + 3, 1, 50);
  Kauf(wp, kMo + 4, 10, 1000);
  TTransaktionsRechner r(wp);
  r.BisDatum(kMo + 2);
  EXPECT_DOUBLE_EQ(r.VerkaufEinstand(), 300);  // the whole cost basis, not 400
  EXPECT_EQ(r.Einstand(), 0);
  EXPECT_DOUBLE_EQ(r.LetzterErtrag()->Ertrag, -40);
  r.Naechste();
  // Nothing held: the sale carries no cost basis of the one before.
  EXPECT_EQ(r.VerkaufEinstand(), 0);
  EXPECT_DOUBLE_EQ(r.LetzterErtrag()->Ertrag, 50);
  EXPECT_EQ(r.LetzterErtrag()->Rendite, 0);
  r.Naechste();
  EXPECT_DOUBLE_EQ(r.Einstand(), 1000);
  EXPECT_DOUBLE_EQ(r.Realisiert(), 10);
}

}  // namespace
}  // namespace morvane
