#include "app/cli/indikatorauswahl.h"

#include <gtest/gtest.h>

#include "app/cli/aufruf.h"
#include "testhilfe/ausnahme.h"

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
  const auto wert = [](const std::string& w, const std::string& erlaubt) {
    return "Ungültiger Wert für --indikatoren: " + w + " (erlaubt " + erlaubt + ")";
  };
  const auto angabe = [](const std::string& a) {
    return "Ungültige Indikatorangabe '" + a + "': erwartet GRUPPE:INDEX[:MODUS].";
  };
  const std::string anzahl2 = std::to_string(analyse.Anzahl(2));
  const std::string letzter1 = std::to_string(analyse.Anzahl(1) - 1);
  const std::string letzter2 = std::to_string(analyse.Anzahl(2) - 1);
  struct Fall {
    std::string eingabe, meldung, grund;
  };
  const Fall faelle[] = {
      {"1:0,4:0", wert("4", "1 bis 3"), "there are three groups"},
      {"1", angabe("1"), "no index"},
      {"1:0:4", wert("4", "1 bis 3"), "there are three display modes"},
      {"1:0:2:1", angabe("1:0:2:1"), "four parts"},
      {"2:" + anzahl2, wert(anzahl2, "0 bis " + letzter2), "index one past the group"},
      {"1:x", wert("x", "0 bis " + letzter1), "index not a number"},
      {"1:0,", angabe(""), "empty entry after the comma"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.eingabe + " (" + f.grund + ")");
    EXPECT_THROW_MSG(IndikatorenAnzeigen(analyse, f.eingabe), EAufruf, f.meldung);
    EXPECT_EQ(Anzeige(1, 1), 1);
    EXPECT_EQ(analyse.AnzahlAngezeigt(), 1);
  }
}

}  // namespace
}  // namespace morvane
