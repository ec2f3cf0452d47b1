#include "app/cli/indikatorauswahl.h"

#include <gtest/gtest.h>

#include "app/cli/aufruf.h"

namespace morvane {
namespace {

class IndikatorAuswahl : public testing::Test {
 protected:
  int Anzeige(int g, int i) const { return analyse.Indikator(g, i).Anzeige; }

  TIndVorlagen vorlagen;
  TIndAnalyse analyse{vorlagen};
};

TEST_F(IndikatorAuswahl, ModiUndKlickVorgabe) {
  const int letzter1 = analyse.Anzahl(1) - 1;
  analyse.Indikator(3, 0).Anzeige = 2;  // shown before: hidden afterwards
  IndikatorenAnzeigen(analyse, "1:0,2:1:2,1:" + std::to_string(letzter1) + ",3:0:3");
  EXPECT_EQ(Anzeige(1, 0), 1);         // a plain click: lines
  EXPECT_EQ(Anzeige(2, 1), 2);         // as given
  EXPECT_EQ(Anzeige(1, letzter1), 3);  // the aggregate's click: its signal
  EXPECT_EQ(Anzeige(3, 0), 3);
  EXPECT_EQ(analyse.AnzahlAngezeigt(), 4);

  IndikatorenAnzeigen(analyse, "3:0");  // a trend-intensity kind: lines and signal
  EXPECT_EQ(Anzeige(3, 0), 2);
  EXPECT_EQ(analyse.AnzahlAngezeigt(), 1);
}

TEST_F(IndikatorAuswahl, FehlerLassenDieAnzeigeUnveraendert) {
  IndikatorenAnzeigen(analyse, "1:1");
  const std::string zuGross = "2:" + std::to_string(analyse.Anzahl(2));
  for (const std::string& falsch :
       {std::string("1:0,4:0"), std::string("1"), std::string("1:0:4"), std::string("1:0:2:1"),
        zuGross, std::string("1:x"), std::string("1:0,")}) {
    SCOPED_TRACE(falsch);
    EXPECT_THROW(IndikatorenAnzeigen(analyse, falsch), EAufruf);
    EXPECT_EQ(Anzeige(1, 1), 1);
    EXPECT_EQ(analyse.AnzahlAngezeigt(), 1);
  }
  try {
    IndikatorenAnzeigen(analyse, "1");
  } catch (const EAufruf& e) {
    EXPECT_STREQ(e.what(), "Ungültige Indikatorangabe '1': erwartet GRUPPE:INDEX[:MODUS].");
  }
}

}  // namespace
}  // namespace morvane
