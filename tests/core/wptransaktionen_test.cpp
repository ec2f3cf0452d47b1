#include "core/wptransaktionen.h"

#include <gtest/gtest.h>

#include <string>

#include "core/datum.h"
#include "testhilfe/ausnahme.h"

namespace morvane {
namespace {

const Boersentag kMo = BoersentagAusDatum(5, 1, 1998);  // Monday 05.01.1998

// Kind and date of every element, e.g. "2:K 2:V 3:S".
std::string Folge(const TWPTransaktionen& liste) {
  std::string s;
  for (int i = 0; i < liste.Anzahl(); ++i) {
    const TTransaktion& t = liste.Transaktion(i);
    if (!s.empty()) s += ' ';
    s += std::to_string(t.Datum - kMo) + ":";
    switch (t.Art()) {
      case TTransaktionsArt::Split:
        s += "Sp";
        break;
      case TTransaktionsArt::Kauf:
        s += "K" + std::to_string(int(Als<TTransaktionKauf>(t)->Stueck));
        break;
      case TTransaktionsArt::Verkauf:
        s += "V" + std::to_string(int(Als<TTransaktionVerkauf>(t)->Stueck));
        break;
      case TTransaktionsArt::Sonstige:
        s += "S";
        break;
    }
  }
  return s;
}

TEST(WPTransaktionen, SortsByDayThenKindRankThenInsertionOrder) {
  TWPTransaktionen liste;
  EXPECT_EQ(liste.Einfuegen(TTransaktionSonstige(kMo, 5)), 0);
  EXPECT_EQ(liste.Einfuegen(TTransaktionVerkauf(kMo, 1, 0, 0)), 0);
  EXPECT_EQ(liste.Einfuegen(TTransaktionKauf(kMo, 7, 0, 0)), 0);
  EXPECT_EQ(liste.Einfuegen(TTransaktionSplit(kMo, 1, 2)), 0);
  // Equal in day and kind: the newer one goes after the older one.
  EXPECT_EQ(liste.Einfuegen(TTransaktionKauf(kMo, 3, 0, 0)), 2);
  EXPECT_EQ(liste.Einfuegen(TTransaktionVerkauf(kMo + 1, 2, 0, 0)), 5);
  EXPECT_EQ(liste.Einfuegen(TTransaktionKauf(kMo - 1, 4, 0, 0)), 0);
  EXPECT_EQ(Folge(liste), "-1:K4 0:Sp 0:K7 0:K3 0:V1 0:S 1:V2");
}

TEST(WPTransaktionen, SecondSplitOnTheSameDayIsRefusedAndChangesNothing) {
  TWPTransaktionen liste;
  liste.Einfuegen(TTransaktionKauf(kMo, 10, 0, 0));
  liste.Einfuegen(TTransaktionSplit(kMo, 1, 2));
  liste.Einfuegen(TTransaktionSplit(kMo + 3, 1, 2));  // another day is fine
  const TWPTransaktionen vorher = liste;
  EXPECT_THROW_MSG(liste.Einfuegen(TTransaktionSplit(kMo, 3, 1)), EWPTransaktionen,
                   "Am 05.01.1998 gibt es bereits einen Split.");
  EXPECT_TRUE(liste == vorher);
  EXPECT_EQ(liste.Anzahl(), 3);
}

TEST(WPTransaktionen, IndexOutsideTheListIsReported) {
  TWPTransaktionen liste;
  liste.Einfuegen(TTransaktionSonstige(kMo, 1));
  const std::string erwartet = "Index ist außerhalb des gültigen Bereichs.";
  EXPECT_THROW_MSG(liste.Transaktion(-1), EWPTransaktionen, erwartet);
  EXPECT_THROW_MSG(liste.Transaktion(1), EWPTransaktionen, erwartet);
  EXPECT_THROW_MSG(liste.Entfernen(1), EWPTransaktionen, erwartet);
  EXPECT_THROW_MSG(liste.Entnehmen(-1), EWPTransaktionen, erwartet);
  EXPECT_EQ(liste.Anzahl(), 1);
  liste.Entfernen(0);
  EXPECT_EQ(liste.Anzahl(), 0);
}

TEST(WPTransaktionen, HoldingTest) {
  TWPTransaktionen liste;
  EXPECT_TRUE(liste.BestandGueltig());

  // A sale before any purchase.
  liste.Einfuegen(TTransaktionVerkauf(kMo, 10, 0, 0));
  EXPECT_FALSE(liste.BestandGueltig());
  // The purchase of the same day sorts first.
  liste.Einfuegen(TTransaktionKauf(kMo, 10, 0, 0));
  EXPECT_TRUE(liste.BestandGueltig());
  EXPECT_FALSE(liste.BestandGueltigOhne(0));
  EXPECT_TRUE(liste.BestandGueltigOhne(1));
}

TEST(WPTransaktionen, SplitRoundsTheHoldingHalfToEven) {
  // 3 units, 2 : 1 -> 1.5 -> 2 ; 5 units, 2 : 1 -> 2.5 -> 2.
  for (const auto& [stueck, verkaufbar] : {std::pair{3.0, 2.0}, std::pair{5.0, 2.0}}) {
    TWPTransaktionen liste;
    liste.Einfuegen(TTransaktionKauf(kMo, stueck, 0, 0));
    liste.Einfuegen(TTransaktionSplit(kMo + 1, 2, 1));
    liste.Einfuegen(TTransaktionVerkauf(kMo + 2, verkaufbar, 0, 0));
    EXPECT_TRUE(liste.BestandGueltig()) << stueck;
    liste.Einfuegen(TTransaktionVerkauf(kMo + 2, 1, 0, 0));
    EXPECT_FALSE(liste.BestandGueltig()) << stueck;
  }
}

TEST(WPTransaktionen, FractionalUnitsSoldCompletelyStayValid) {
  TWPTransaktionen liste;
  liste.Einfuegen(TTransaktionKauf(kMo, 0.3, 0, 0));
  liste.Einfuegen(TTransaktionVerkauf(kMo + 1, 0.1, 0, 0));
  liste.Einfuegen(TTransaktionVerkauf(kMo + 2, 0.2, 0, 0));
  EXPECT_TRUE(liste.BestandGueltig());
  // The smallest quantity one can enter is a real shortfall.
  liste.Einfuegen(TTransaktionVerkauf(kMo + 3, 0.0001, 0, 0));
  EXPECT_FALSE(liste.BestandGueltig());
}

TEST(WPTransaktionen, CopiesAreDeepAndSelfAssignmentKeepsTheList) {
  TWPTransaktionen liste;
  TTransaktionKauf kauf(kMo, 10, 12, 120);
  liste.Einfuegen(kauf);
  kauf.Stueck = 99;  // the list holds its own copy
  EXPECT_EQ(Als<TTransaktionKauf>(liste.Transaktion(0))->Stueck, 10);
  liste.Einfuegen(TTransaktionSplit(kMo + 1, 1, 10));
  liste.Einfuegen(TTransaktionSonstige(kMo + 2, -4.5));

  TWPTransaktionen kopie;
  kopie.Einfuegen(TTransaktionSonstige(kMo, 1));
  kopie.Zuweisen(liste);
  EXPECT_TRUE(kopie == liste);
  EXPECT_NE(&kopie.Transaktion(0), &liste.Transaktion(0));
  EXPECT_EQ(kopie.Transaktion(1).Art(), TTransaktionsArt::Split);

  auto& selbst = liste;
  liste.Zuweisen(selbst);
  EXPECT_EQ(liste.Anzahl(), 3);
  EXPECT_TRUE(liste == kopie);

  kopie.Leeren();
  EXPECT_FALSE(kopie == liste);
  EXPECT_TRUE(kopie.NurSplits());
  kopie.Einfuegen(TTransaktionSplit(kMo, 1, 2));
  EXPECT_TRUE(kopie.NurSplits());
  EXPECT_FALSE(liste.NurSplits());
}

TEST(WPTransaktionen, KopieKeepsClassAndFields) {
  const TTransaktionVerkauf verkauf(kMo, 3, 4.25, 12.5);
  const auto kopie = verkauf.Kopie();
  ASSERT_NE(Als<TTransaktionVerkauf>(*kopie), nullptr);
  EXPECT_TRUE(*kopie == verkauf);
  // Same fields, other kind.
  EXPECT_FALSE(TTransaktionKauf(kMo, 3, 4.25, 12.5) == verkauf);
  EXPECT_FALSE(TTransaktionSplit(kMo, 1, 2) == TTransaktionSplit(kMo, 1, 3));
}

}  // namespace
}  // namespace morvane
