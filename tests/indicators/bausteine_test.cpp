#include "indicators/bausteine.h"

#include <gtest/gtest.h>

#include "testhilfe/ausnahme.h"
#include "testkurse.h"

namespace morvane {
namespace {

using test::Schlusskurse;
using test::Start;

TEST(Kursdurchschnitt, GewichtungenUeberDreiSchlusskurse) {
  const TKurse kurse = Schlusskurse({10, 11, 12});
  const Boersentag letzter = Start() + 2;
  EXPECT_NEAR(*Kursdurchschnitt(kurse, kgUngewichtet, 3).Lesen(letzter), 11.0, 1e-12);
  // (1*10 + 2*11 + 3*12) / 6 and (2*10 + 4*11 + 8*12) / 14.
  EXPECT_NEAR(*Kursdurchschnitt(kurse, kgLinear, 3).Lesen(letzter), 68.0 / 6, 1e-12);
  EXPECT_NEAR(*Kursdurchschnitt(kurse, kgExponentiell, 3).Lesen(letzter), 160.0 / 14, 1e-12);
  // At the start the window keeps its positions: weights 2 and 3.
  EXPECT_NEAR(*Kursdurchschnitt(kurse, kgLinear, 3).Lesen(Start() + 1), 53.0 / 5, 1e-12);
  EXPECT_DOUBLE_EQ(*Kursdurchschnitt(kurse, kgUngewichtet, 3).Lesen(Start()), 10.0);
}

TEST(Kursdurchschnitt, FehlenderSchlusskursZaehltNicht) {
  // The middle day has only a high, so its close is missing.
  TKurse kurse = Schlusskurse({10, 0, 12});
  TKurs nurHoch;
  nurHoch.Datum = Start() + 1;
  nurHoch.Hoch = 13;
  kurse.Setze(nurHoch, TSetzModus::Ersetzen);
  const TZeitreihe linear = Kursdurchschnitt(kurse, kgLinear, 3);
  EXPECT_FALSE(linear.Lesen(Start() + 1));
  // Weights 1 and 3 only: (10 + 36) / 4.
  EXPECT_NEAR(*linear.Lesen(Start() + 2), 46.0 / 4, 1e-12);
  // The window counts records, not days: a holiday does not shorten it.
  const TKurse mitLuecke = Schlusskurse({10, 0, 0, 0, 14});
  EXPECT_NEAR(*Kursdurchschnitt(mitLuecke, kgUngewichtet, 2).Lesen(Start() + 4), 12.0, 1e-12);
}

TEST(Kursdurchschnitt, FlacherKursIstExakt) {
  const TKurse kurse = Schlusskurse(std::vector<double>(40, 0.1));
  for (int art : {kgUngewichtet, kgLinear, kgExponentiell}) {
    for (const auto& [tag, wert] : test::Werte(Kursdurchschnitt(kurse, art, 30))) {
      EXPECT_EQ(wert, 0.1) << "Gewichtung " << art << " am Tag " << tag;
    }
  }
}

TEST(Kursdurchschnitt, LangesExponentiellesFensterBleibtEndlich) {
  const TKurse kurse = Schlusskurse(std::vector<double>(1200, 5.0));
  const TZeitreihe mittel = Kursdurchschnitt(kurse, kgExponentiell, 1100);
  EXPECT_EQ(*mittel.Lesen(Start() + 1199), 5.0);
}

TEST(Durchschnitt, ZaehltDatumspositionenMitFeiertagen) {
  TZeitreihe reihe(100, 105);
  reihe.Setzen(100, 2);
  reihe.Setzen(101, 4);
  // 102 is a holiday, 103 has no value either.
  reihe.Setzen(104, 9);
  const TZeitreihe mittel = Durchschnitt(reihe, 3);
  EXPECT_EQ(mittel.Von(), 100);
  EXPECT_EQ(mittel.Bis(), 105);
  EXPECT_DOUBLE_EQ(*mittel.Lesen(101), 3.0);
  EXPECT_DOUBLE_EQ(*mittel.Lesen(102), 3.0);  // holidays get a value
  EXPECT_DOUBLE_EQ(*mittel.Lesen(103), 4.0);  // only 101 is in the window
  EXPECT_DOUBLE_EQ(*mittel.Lesen(105), 9.0);
  EXPECT_FALSE(Durchschnitt(reihe, 1).Lesen(103));
  EXPECT_FALSE(Durchschnitt(reihe, 0).Lesen(104));
}

TEST(DichteReihe, LueckenAmAnfangInDerMitteUndAmEnde) {
  TZeitreihe reihe(10, 15);
  reihe.Setzen(11, 3);
  reihe.Setzen(12, 4);
  reihe.Setzen(14, 6);
  const TDichteReihe dicht(reihe);
  ASSERT_EQ(dicht.Laenge(), 6);
  EXPECT_EQ(dicht.Von(), 10);
  const bool da[] = {false, true, true, false, true, false};
  const double wert[] = {0, 3, 4, 0, 6, 0};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(dicht.Da(i), da[i]) << i;
    EXPECT_EQ(dicht.Wert(i), wert[i]) << i;
  }
  EXPECT_DOUBLE_EQ(*dicht.Mittel(0, 5, {}), 13.0 / 3);
  EXPECT_DOUBLE_EQ(*dicht.Mittel(-3, 2, {}), 3.5);  // clipped at the start
  EXPECT_FALSE(dicht.Mittel(3, 3, {}));
  EXPECT_FALSE(dicht.Mittel(5, 9, {}));
  EXPECT_FALSE(dicht.Mittel(-5, -1, {}));
  EXPECT_EQ(TDichteReihe(TZeitreihe()).Laenge(), 0);
}

TEST(LinearerDurchschnitt, GewichteNachPositionAuchUeberLuecken) {
  // Values 1..8 at the positions 100..107; 102 has none.
  TZeitreihe reihe(100, 107);
  for (Boersentag t = 100; t <= 107; ++t) {
    if (t != 102) reihe.Setzen(t, t - 99);
  }
  const TZeitreihe vier = LinearerDurchschnitt(reihe, 4);
  EXPECT_DOUBLE_EQ(*vier.Lesen(101), (3 * 1 + 4 * 2) / 7.0);  // window starts at 98
  EXPECT_DOUBLE_EQ(*vier.Lesen(104), (1 * 2 + 3 * 4 + 4 * 5) / 8.0);
  EXPECT_DOUBLE_EQ(*vier.Lesen(106), (1 * 4 + 2 * 5 + 3 * 6 + 4 * 7) / 10.0);
  EXPECT_DOUBLE_EQ(*vier.Lesen(107), (1 * 5 + 2 * 6 + 3 * 7 + 4 * 8) / 10.0);
  // Five values in a window of six: four lanes and one left over.
  EXPECT_DOUBLE_EQ(*LinearerDurchschnitt(reihe, 6).Lesen(107),
                   (2 * 4 + 3 * 5 + 4 * 6 + 5 * 7 + 6 * 8) / 20.0);
}

TEST(Oszillatoren, Skalen) {
  EXPECT_DOUBLE_EQ(Verhaeltnisoszillator(5, 5, 15), 50.0);
  EXPECT_GT(Verhaeltnisoszillator(6, 5, 15), 50.0);
  EXPECT_LT(Verhaeltnisoszillator(4, 5, 15), 50.0);
  EXPECT_DOUBLE_EQ(Verhaeltnisoszillator(2, 1, 1), 100.0 - 100.0 / 3);
  EXPECT_DOUBLE_EQ(Differenzoszillator(0, 7), 50.0);
  EXPECT_DOUBLE_EQ(Differenzoszillator(1, 2), 75.0);
  EXPECT_DOUBLE_EQ(Differenzoszillator(-1, 2), 25.0);
  EXPECT_NEAR(Differenzoszillator(1e9, 1), 100.0, 1e-6);
  EXPECT_THROW_MSG(Verhaeltnisoszillator(1, 0, 1), EIndikator, "Fließkomma-Division durch 0");
}

}  // namespace
}  // namespace morvane
