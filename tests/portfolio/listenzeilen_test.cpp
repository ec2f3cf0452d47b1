#include "portfolio/listenzeilen.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/textvergleich.h"
#include "portfolio/waehrungseintraege.h"

namespace morvane {
namespace {

using ::testing::ElementsAre;

TEST(ListenZeilen, SortWithoutRegardToCaseAndUmlautsWithTheirBaseLetter) {
  std::vector<std::string> zeilen = {"b / Zeta",   "B / alpha",   "a / Öl",    "a / Ofen",
                                     "a / oel",    "a / Apfel",   "a / Äpfel", "A / apfel",
                                     "a / Straße", "a / Strasse", "a / Strb"};
  TexteSortieren(zeilen);
  // Equal keys keep the order in which the rows came.
  EXPECT_THAT(zeilen,
              ElementsAre("a / Apfel", "a / Äpfel", "A / apfel", "a / oel", "a / Ofen", "a / Öl",
                          "a / Straße", "a / Strasse", "a / Strb", "B / alpha", "b / Zeta"));
}

TEST(ListenZeilen, SeparatorBeforeEveryChangeOfCatalog) {
  std::vector<std::string> zeilen = {"Aktien / A\t1", "Aktien / B / C\t2", "Aktien2 / D",
                                     "Fonds / E", "Fonds / F"};
  KatalogTrennen(zeilen);
  EXPECT_THAT(zeilen, ElementsAre("Aktien / A\t1", "Aktien / B / C\t2", "-1", "Aktien2 / D", "-1",
                                  "Fonds / E", "Fonds / F"));
  std::vector<std::string> leer;
  KatalogTrennen(leer);
  EXPECT_TRUE(leer.empty());
}

TEST(ListenZeilen, TabsAndLineBreaksInNamesDoNotSplitTheRow) {
  TWPStammdaten wp;
  wp.Katalog = "Aktien";
  wp.Bezeichnung = "Alpha\tAG\r\nVz";
  EXPECT_EQ(GruppenText(wp), "Aktien / Alpha AG  Vz");
  EXPECT_EQ(BetragText(-1234.567, "E\tUR"), "-1 234,57 E UR");
  EXPECT_EQ(ProzentText(0.123456), "12,35 %");
  EXPECT_EQ(ProzentText(0.123456, 3), "12,346 %");
  EXPECT_EQ(StueckText(1234.5), "1 234,50");
}

TEST(WaehrungEintraege, OneEntryPerCurrencyInOrderOfFirstUse) {
  TWaehrungEintraege summen;
  summen.Eintrag("EUR").Marktwert += 1;
  summen.Eintrag("Punkte").Marktwert += 2;
  summen.Eintrag("eur").Marktwert += 3;
  summen.Eintrag("PUNKTE").Marktwert += 4;
  summen.Eintrag("Prozent");
  summen.Eintrag("ÄQU").Kasse += 5;
  summen.Eintrag("äqu").Kasse += 6;
  const auto alle = summen.Alle();
  ASSERT_EQ(alle.size(), 4u);
  EXPECT_EQ(alle[0].Waehrung, "EUR");
  EXPECT_EQ(alle[0].Marktwert, 4);
  EXPECT_EQ(alle[1].Waehrung, "Punkte");
  EXPECT_EQ(alle[1].Marktwert, 6);
  EXPECT_EQ(alle[2].Waehrung, "Prozent");
  EXPECT_EQ(alle[2].Marktwert, 0);
  EXPECT_EQ(alle[3].Kasse, 11);
  EXPECT_FALSE(GleichOhneGross("EUR", "EURO"));
}

}  // namespace
}  // namespace morvane
