#include "core/stammdatenbearbeitung.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

std::optional<TGebuehrenfeld> FehlerFeld(const TGebuehrenEingabe& e, TWPStammdaten& s) {
  try {
    GebuehrenLesen(e, s);
  } catch (const EGebuehreneingabe& f) {
    EXPECT_EQ(f.Meldung(), "Ungültigen Wert eingegeben.");
    return f.Feld();
  }
  return std::nullopt;
}

TEST(Stammdatenbearbeitung, FeesAreReadAsPercentAndAmounts) {
  TWPStammdaten s;
  EXPECT_EQ(FehlerFeld({"150", "4,999", "0", "99,99999", "1", "2"}, s), std::nullopt);
  EXPECT_DOUBLE_EQ(s.KaufRel, 1.5);
  EXPECT_DOUBLE_EQ(s.KaufAbs, 4.99);
  EXPECT_DOUBLE_EQ(s.VerkaufRel, 0.999999);
  EXPECT_DOUBLE_EQ(s.VerkaufMin, 2);
  EXPECT_EQ(GebuehrenEingabe(s),
            (TGebuehrenEingabe{"150,00", "4,99", "0,00", "99,9999", "1,00", "2,00"}));

  s.KaufRel = 0.0108;
  TWPStammdaten gelesen;
  GebuehrenLesen(GebuehrenEingabe(s), gelesen);
  EXPECT_DOUBLE_EQ(gelesen.KaufRel, 0.0108);
}

TEST(Stammdatenbearbeitung, FirstInvalidFeeIsNamedAndNothingIsStored) {
  using F = TGebuehrenfeld;
  TWPStammdaten s;
  s.KaufAbs = 7;
  EXPECT_EQ(FehlerFeld({"1", "-1", "x", "1", "1", "1"}, s), F::KaufAbs);
  EXPECT_EQ(FehlerFeld({"1", "1", "", "1", "1", "1"}, s), F::KaufMin);
  EXPECT_EQ(FehlerFeld({"1", "1", "1", "100", "1", "1"}, s), F::VerkaufRel);
  EXPECT_EQ(FehlerFeld({"1", "1", "1", "1", "1", "1 000"}, s), F::VerkaufMin);
  EXPECT_EQ(s.KaufAbs, 7);
  EXPECT_EQ(s.KaufRel, 0);
}

}  // namespace
}  // namespace morvane
