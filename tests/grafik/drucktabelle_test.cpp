#include "grafik/drucktabelle.h"

#include <gtest/gtest.h>

#include "grafik/aufzeichnungsleinwand.h"

namespace morvane {
namespace {

// A page of a 60 dpi device (one unit per pixel) recording what is drawn.
class TTestZiel : public TDruckZiel {
 public:
  TTestZiel(int breite, int hoehe, int dpi = 60) : breite_(breite), hoehe_(hoehe), dpi_(dpi) {}
  TLeinwand& Leinwand() override { return leinwand; }
  int AufloesungX() const override { return dpi_; }
  int AufloesungY() const override { return dpi_; }
  int SeitenBreite() const override { return breite_; }
  int SeitenHoehe() const override { return hoehe_; }
  void NeueSeite() override { ++seiten; }

  TAufzeichnungsLeinwand leinwand;
  int seiten = 1;

 private:
  int breite_, hoehe_, dpi_;
};

TDruckTabelle Tabelle(std::initializer_list<TDruckAusrichtung> spalten,
                      std::initializer_list<std::string_view> zeilen) {
  TDruckTabelle tabelle;
  for (auto a : spalten)
    tabelle.SpalteHinzufuegen(a);
  for (auto z : zeilen)
    z == "<linie>" ? tabelle.Trennlinie() : tabelle.ZeileHinzufuegen(z);
  return tabelle;
}

// Vertical lines of the table (x1 == x2), as their x positions.
std::vector<int> Senkrechte(const TAufzeichnungsLeinwand& l, int y1) {
  std::vector<int> xs;
  for (const TAufruf& a : l.Alle(TAufruf::TArt::Linie)) {
    if (a.x1 == a.x2 && a.y1 == y1) xs.push_back(a.x1);
  }
  return xs;
}

TEST(DruckTabelle, ColumnWidthsFromBoldHeaderAndRegularRows) {
  // Width per character is half the font height (12): 6 pixels, + 4 margin.
  auto t = Tabelle({TDruckAusrichtung::Links, TDruckAusrichtung::Rechts}, {"Ab\tC", "Abcd\tx"});
  TTestZiel ziel(1000, 1000);
  t.Drucken(ziel);
  EXPECT_EQ(t.Schrifthoehe(), 12);
  EXPECT_EQ(t.SpaltenBreiten(), (std::vector<int>{4 * 6 + 4, 1 * 6 + 4}));
  EXPECT_EQ(t.GesamtBreite(), 38);
  EXPECT_TRUE(ziel.leinwand.SucheText("Ab")->Schrift.Fett);
  EXPECT_FALSE(ziel.leinwand.SucheText("Abcd")->Schrift.Fett);
}

TEST(DruckTabelle, CellsBeyondColumnsIgnoredMissingCellsStillRuled) {
  auto t = Tabelle({TDruckAusrichtung::Links, TDruckAusrichtung::Links},
                   {"K1\tK2", "a\tb\tzuviel", "nur"});
  TTestZiel ziel(1000, 1000);
  t.Drucken(ziel);
  EXPECT_EQ(ziel.leinwand.SucheText("zuviel"), nullptr);
  ASSERT_NE(ziel.leinwand.SucheText("nur"), nullptr);
  const int y = ziel.leinwand.SucheText("nur")->y1;
  // Left edge and both column edges even though the row has one cell.
  EXPECT_EQ(Senkrechte(ziel.leinwand, y - 1).size(), 3u);
  EXPECT_EQ(ziel.leinwand.Texte().size(), 5u);
}

TEST(DruckTabelle, AlignmentPositions) {
  struct Fall {
    TDruckAusrichtung ausrichtung;
    int x;
  };
  // Column "Kopf12" = 6 chars * 6 + 4 = 40 wide; cell "ab" is 12 wide.
  for (const Fall& f : {Fall{TDruckAusrichtung::Links, 2}, Fall{TDruckAusrichtung::Zentriert, 14},
                        Fall{TDruckAusrichtung::Rechts, 40 - 12 - 2}}) {
    auto t = Tabelle({f.ausrichtung}, {"Kopf12", "ab"});
    TTestZiel ziel(1000, 1000);
    t.Drucken(ziel);
    EXPECT_EQ(ziel.leinwand.SucheText("ab")->x1, f.x) << static_cast<int>(f.ausrichtung);
  }
}

TEST(DruckTabelle, NegativeCellsRedOthersBlack) {
  auto t = Tabelle({TDruckAusrichtung::Rechts, TDruckAusrichtung::Rechts}, {"K\tL", "-1,50\t2,00"});
  TTestZiel ziel(1000, 1000);
  t.Drucken(ziel);
  EXPECT_EQ(ziel.leinwand.SucheText("-1,50")->Schrift.Farbe, kRot);
  EXPECT_EQ(ziel.leinwand.SucheText("2,00")->Schrift.Farbe, kSchwarz);
  EXPECT_EQ(ziel.leinwand.SucheText("K")->Schrift.Farbe, kSchwarz);
}

TEST(DruckTabelle, DashAsDataIsTextRuleIsLine) {
  auto t = Tabelle({TDruckAusrichtung::Links}, {"Kopf", "-", "<linie>"});
  EXPECT_EQ(t.Zeilen(), (std::vector<std::string>{"Kopf", "- ", "-"}));
  TTestZiel ziel(1000, 1000);
  t.Drucken(ziel);
  const auto texte = ziel.leinwand.Texte();
  ASSERT_NE(ziel.leinwand.SucheText("- "), nullptr);
  int waagerecht = 0;
  for (const TAufruf& a : ziel.leinwand.Alle(TAufruf::TArt::Linie)) {
    if (a.y1 == a.y2) {
      ++waagerecht;
      EXPECT_EQ(a.x2, t.GesamtBreite() + 1);
    }
  }
  EXPECT_EQ(waagerecht, 2);  // above the header and the explicit rule
}

TEST(DruckTabelle, WideTableShrinksToFiveAndPrintsAnyway) {
  const std::string breit(200, 'W');
  auto t = Tabelle({TDruckAusrichtung::Links}, {"K", breit});
  TTestZiel ziel(100, 1000);
  t.Drucken(ziel);
  EXPECT_EQ(t.Schrifthoehe(), 5);
  EXPECT_GT(t.GesamtBreite(), 100);
  EXPECT_EQ(ziel.leinwand.SucheText(breit)->Schrift.Hoehe, 5);
}

TEST(DruckTabelle, ShrinksOnlyUntilItFits) {
  // 10 chars at height h: 10 * ceil(h/2) + 4 must stay below the page width.
  auto t = Tabelle({TDruckAusrichtung::Links}, {"0123456789"});
  TTestZiel ziel(55, 1000);
  t.Drucken(ziel);
  EXPECT_EQ(t.Schrifthoehe(), 10);  // 10*5+4 = 54 < 55; height 11 gives 64
}

TEST(DruckTabelle, UnitsFollowResolutionAndTitlesAdvance) {
  TDruckTabelle t;
  t.SetzeTitel("Titel");
  t.SetzeUntertitel("Unter");
  t.SpalteHinzufuegen(TDruckAusrichtung::Links);
  t.ZeileHinzufuegen("K");
  TTestZiel ziel(100000, 100000, 300);  // 5 pixels per unit
  t.Drucken(ziel);
  EXPECT_EQ(ziel.leinwand.SucheText("Titel")->Schrift.Hoehe, 80);
  EXPECT_EQ(ziel.leinwand.SucheText("Unter")->y1, 80);
  // Title 80 + subtitle 60 + 100, then the rule: 5 down and 1 more.
  EXPECT_EQ(ziel.leinwand.SucheText("K")->y1, 80 + 60 + 100 + 5 + 1);
  EXPECT_EQ(t.Schrifthoehe(), 60);
}

TEST(DruckTabelle, RowsThatDoNotFitStartANewPage) {
  TDruckTabelle t;
  t.SpalteHinzufuegen(TDruckAusrichtung::Links);
  for (int i = 0; i < 30; ++i)
    t.ZeileHinzufuegen("z" + std::to_string(i));
  // Rule 2 px, then 12 px per row: 8 rows per 100 px page after the first.
  TTestZiel ziel(1000, 100);
  t.Drucken(ziel);
  EXPECT_EQ(ziel.leinwand.SucheText("z8")->y1, 0);
  EXPECT_EQ(ziel.seiten, 4);
}

TEST(DruckTabelle, SplitsCells) {
  EXPECT_EQ(ZellenTeilen(""), (std::vector<std::string_view>{""}));
  EXPECT_EQ(ZellenTeilen("a\t\tb\t"), (std::vector<std::string_view>{"a", "", "b", ""}));
}

}  // namespace
}  // namespace morvane

namespace morvane {
namespace {

TEST(ListenTabelle, MarkersBecomeRuleOrVanish) {
  const auto t =
      ListenTabelle("T", {{"A", TDruckAusrichtung::Links}, {"", TDruckAusrichtung::Rechts}},
                    {"a\t1", "-1", "Gesamt\t-2", "-2"});
  EXPECT_EQ(t.SpaltenAnzahl(), 2u);
  EXPECT_EQ(t.Zeilen(), (std::vector<std::string>{"A\t", "a\t1", "-", "Gesamt\t-2"}));
}

}  // namespace
}  // namespace morvane
