#include <gtest/gtest.h>

#include <bit>
#include <random>

#include "core/datum.h"
#include "indicators/indanalyse.h"
#include "indicators/indikatortypen.h"
#include "indicators/indliste.h"
#include "indicators/indvorlagen.h"
#include "indicators/rechenvorrat.h"
#include "testhilfe/beispieldaten.h"
#include "testkurse.h"

namespace morvane {
namespace {

// On 17.08. and 18.08.2005 the %D window of the default STO holds the same
// five %K values (a 0 leaves, a 0 enters): the oscillator is equal, so the
// second day is flat and gets the distance signal, not the approach signal.
TEST(ExakteFenster, GleicheStoFensterGebenGleichenOszillator) {
  const TKurse kurse = test::BeispielKurse("GOOG_2004-2008_matplotlib.csv");
  TIndVorlagen vorlagen;
  auto liste = vorlagen.Kopie();
  TIndikator& sto = liste->Indikator(1, 1);
  ASSERT_EQ(sto.Schluessel(), "IndSTO");
  sto.Berechnen(kurse);
  const Boersentag tag17 = BoersentagAusDatum(17, 8, 2005);
  const Boersentag tag18 = BoersentagAusDatum(18, 8, 2005);
  // (18.969555035128867 + 5.5110220440881008 + 3.6740146960588604) / 5 with
  // two zeros, exact and rounded once; dividing the rounded sum gives 1 ulp
  // more.
  EXPECT_EQ(*sto.Oszillator()->Lesen(tag17), 5.630918355055165);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(*sto.Oszillator()->Lesen(tag18)),
            std::bit_cast<std::uint64_t>(*sto.Oszillator()->Lesen(tag17)));
  EXPECT_NEAR(sto.SignalAm(tag18), 28.738, 0.001);
}

// Random prices with gaps: every 13th record lacks its close, every 17th its
// volume.
TKurse Zufallskurse(int anzahl) {
  std::mt19937 zufall(5);
  std::uniform_real_distribution<double> schritt(-0.02, 0.02);
  std::uniform_real_distribution<double> spanne(0.0, 0.03);
  TKurse kurse;
  double schluss = 100;
  for (int i = 0; i < anzahl; ++i) {
    schluss = std::round(schluss * (1 + schritt(zufall)) * 100) / 100;
    TKurs k;
    k.Datum = test::Start() + i;
    k.Schluss = i % 13 == 5 ? 0.0 : schluss;
    k.Hoch = std::round(schluss * (1 + spanne(zufall)) * 100) / 100;
    k.Tief = std::round(schluss * (1 - spanne(zufall)) * 100) / 100;
    k.Umsatz = i % 17 == 3 ? 0.0 : std::round(1e6 * (1 + spanne(zufall)));
    kurse.Setze(k, TSetzModus::Ersetzen);
  }
  return kurse;
}

// A kind computed over a long series and over its tail gives the same values
// bit for bit once the windows lie inside the tail: the running sums carry
// nothing of the records that left.
TEST(ExakteFenster, LaufendeFensterVergessenWasSieVerliessen) {
  const TKurse alle = Zufallskurse(3000);
  TKurse rest;
  for (const TKurs& k : alle.Alle()) {
    if (k.Datum >= test::Start() + 700) rest.Setze(k, TSetzModus::Ersetzen);
  }
  const Boersentag ab = test::Start() + 1400;
  for (const TIndikatortyp& typ : Indikatortypen()) {
    // The accumulation line sums from the first record on: no window.
    if (typ.Schluessel == "IndCHA") continue;
    auto ganz = ErzeugeIndikator(typ.Schluessel);
    auto teil = ErzeugeIndikator(typ.Schluessel);
    ganz->Berechnen(alle);
    teil->Berechnen(rest);
    const bool oszillator = ganz->Oszillator() != nullptr;
    const TZeitreihe& a = oszillator ? *ganz->Oszillator() : *ganz->Signal();
    const TZeitreihe& b = oszillator ? *teil->Oszillator() : *teil->Signal();
    int verglichen = 0;
    for (Boersentag d = ab; a.Enthaelt(d); ++d) {
      const auto x = a.Lesen(d);
      const auto y = b.Lesen(d);
      ASSERT_EQ(x.has_value(), y.has_value()) << typ.Schluessel << " " << d;
      if (!x) continue;
      ASSERT_EQ(std::bit_cast<std::uint64_t>(*x), std::bit_cast<std::uint64_t>(*y))
          << typ.Schluessel << " " << d;
      ++verglichen;
    }
    EXPECT_GT(verglichen, 1000) << typ.Schluessel;
  }
}

// The set computed together, sharing the series its kinds have in common,
// gives every kind's values exactly as computed alone.
TEST(ExakteFenster, GemeinsamGerechneterSatzWieJedeArtAllein) {
  const TKurse kurse = Zufallskurse(2000);
  const TIndVorlagen vorlagen;
  TIndAnalyse analyse(vorlagen);
  analyse.Berechnen(kurse);
  int verglichen = 0;
  for (int gruppe = 1; gruppe <= 3; ++gruppe) {
    for (int index = 0; index + 1 < analyse.Anzahl(gruppe); ++index) {
      const TIndikator& gemeinsam = analyse.Indikator(gruppe, index);
      auto allein = ErzeugeIndikator(gemeinsam.Schluessel());
      allein->Berechnen(kurse);
      EXPECT_EQ(test::Werte(*gemeinsam.Signal()), test::Werte(*allein->Signal()))
          << gemeinsam.Schluessel();
      if (gemeinsam.Oszillator()) {
        EXPECT_EQ(test::Werte(*gemeinsam.Oszillator()), test::Werte(*allein->Oszillator()))
            << gemeinsam.Schluessel();
      }
      ++verglichen;
    }
  }
  EXPECT_EQ(verglichen, 19);
}

// A store hands out what it keeps only for its own prices.
TEST(ExakteFenster, VorratNurFuerSeineKurse) {
  const TKurse a = test::Schlusskurse({1, 2, 3});
  const TKurse b = test::Schlusskurse({4, 5, 6});
  const TRechenvorrat vorrat(a);
  EXPECT_EQ(*Kursdurchschnitt(a, kgUngewichtet, 3).Lesen(test::Start() + 2), 2.0);
  EXPECT_EQ(*Kursdurchschnitt(b, kgUngewichtet, 3).Lesen(test::Start() + 2), 5.0);
  EXPECT_EQ(*Kursdurchschnitt(a, kgLinear, 3).Lesen(test::Start() + 2), 14.0 / 6);
  EXPECT_EQ(*Kursdurchschnitt(a, kgUngewichtet, 2).Lesen(test::Start() + 2), 2.5);
}

}  // namespace
}  // namespace morvane
