#include "chart/pointfigure.h"

#include <gtest/gtest.h>

#include "charttesthilfe.h"

namespace morvane {
namespace {

using test::Schlusskurse;
using test::Tag;

TPointFigureListe Saeulen(const std::vector<double>& kurse, double umkehr) {
  TWertpapier wp;
  Schlusskurse(wp, kurse);
  TPointFigureListe liste;
  liste.Aufbauen(wp.Kurse, 4, umkehr);
  return liste;
}

TEST(PointFigure, GleicheOderEinzelneKurseGebenKeineSaeule) {
  EXPECT_EQ(Saeulen({10, 10, 10}, 1).Anzahl(), 0);
  EXPECT_EQ(Saeulen({10}, 1).Anzahl(), 0);
  EXPECT_EQ(Saeulen({}, 1).Anzahl(), 0);
}

TEST(PointFigure, EineSteigendeSaeuleAmErstenTag) {
  const TPointFigureListe l = Saeulen({10, 11}, 20);
  ASSERT_EQ(l.Anzahl(), 1);
  EXPECT_EQ(*l.Saeule(0), (TPunktFigurSaeule{Tag(0), true, 10, 11}));
}

TEST(PointFigure, JederGrosseSchrittSchliesstDieSaeule) {
  // 11 -> 10.95 is a small move against the direction and ignored;
  // 10.95 -> 12 (+9.6 %) raises the high and closes the column.
  const TPointFigureListe l = Saeulen({10, 11, 10.95, 12}, 5);
  ASSERT_EQ(l.Anzahl(), 2);
  EXPECT_EQ(*l.Saeule(0), (TPunktFigurSaeule{Tag(0), true, 10, 12}));
  EXPECT_EQ(*l.Saeule(1), (TPunktFigurSaeule{Tag(3), false, 12, 12}));
  EXPECT_EQ(l.Saeule(2), nullptr);
  EXPECT_EQ(l.Saeule(-1), nullptr);
}

TEST(PointFigure, NullkurseWerdenUebergangen) {
  TWertpapier wp;
  Schlusskurse(wp, {10, 11, 10.95, 12});
  TKurs nurHoch = test::Satz(10, 0, 50, 0, 0);  // a day without close
  wp.Kurse.Setze(nurHoch, TSetzModus::Ersetzen);
  TKurs danach;
  danach.Datum = Tag(11);
  danach.Schluss = 11.9;
  wp.Kurse.Setze(danach, TSetzModus::Ersetzen);
  TPointFigureListe l;
  l.Aufbauen(wp.Kurse, 4, 5);
  ASSERT_EQ(l.Anzahl(), 2);
  EXPECT_EQ(l.Saeule(1)->Tief, 11.9);  // 12 -> 11.9 extends the falling column
}

TEST(PointFigure, SucheDatum) {
  TPointFigureListe l;
  EXPECT_EQ(l.SucheDatum(500), 0);
  for (int d : {100, 200, 300})
    l.Hinzufuegen({d, true, 1, 2});
  EXPECT_EQ(l.SucheDatum(250), 1);
  EXPECT_EQ(l.SucheDatum(50), 0);
  EXPECT_EQ(l.SucheDatum(200), 1);
  EXPECT_EQ(l.SucheDatum(999), 2);
}

}  // namespace
}  // namespace morvane
