#include <algorithm>
#include <bit>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "indicators/indikator.h"
#include "testhilfe/ausnahme.h"

namespace morvane {
namespace {

// The signal model written out date by date, branch by branch, as the
// definition to hold the computed one against.
TZeitreihe ReferenzSignal(const TZeitreihe& oszillator, double L, double E, double S) {
  TZeitreihe signal(oszillator.Von(), oszillator.Bis());
  double P = 50;
  double Q = 0;
  double R = 0;
  auto entfernung = [&](double abstand) {
    if (L == 0) DivisionDurchNull();
    return abstand * E / L;
  };
  for (Boersentag d = oszillator.Von(); oszillator.Enthaelt(d); ++d) {
    const auto wert = oszillator.Lesen(d);
    if (!wert) continue;
    const double x = *wert;
    double s = 0;
    if (x <= 100 - L && x >= L) {
      s = 0;
    } else if (x < L) {
      if (x <= P) {
        Q = x;
        s = R = entfernung(L - x);
      } else {
        s = std::min(100.0, (x - Q) * S + R);
      }
    } else if (x < P) {
      s = std::max(-100.0, R - S * (Q - x));
    } else {
      Q = x;
      s = R = -entfernung(x - (100 - L));
    }
    P = x;
    signal.Setzen(d, s);
  }
  return signal;
}

// A random oscillator on 0..100 with gaps, runs of equal values and values
// right on the zone bounds L and 100 - L.
TZeitreihe Zufallsoszillator(std::mt19937& zufall, double L, int laenge) {
  std::uniform_int_distribution<int> art(0, 9);
  std::uniform_real_distribution<double> punkte(0.0, 100.0);
  std::normal_distribution<double> schritt(0.0, 4.0);
  TZeitreihe reihe(1000, 1000 + laenge - 1);
  double x = 50;
  for (Boersentag d = 1000; reihe.Enthaelt(d); ++d) {
    switch (art(zufall)) {
      case 0:
        continue;  // no value on this date
      case 1:
        x = L;
        break;
      case 2:
        x = 100 - L;
        break;
      case 3:
        x = punkte(zufall);
        break;
      case 4:
        break;  // the same value again
      default:
        x = std::clamp(x + schritt(zufall), 0.0, 100.0);
    }
    reihe.Setzen(d, x);
  }
  return reihe;
}

void ExpectBitgleich(const TZeitreihe& ist, const TZeitreihe& soll) {
  ASSERT_EQ(ist.Von(), soll.Von());
  ASSERT_EQ(ist.Bis(), soll.Bis());
  for (Boersentag d = soll.Von() - 1; d <= soll.Bis() + 1; ++d) {
    const auto a = ist.Lesen(d);
    const auto b = soll.Lesen(d);
    ASSERT_EQ(a.has_value(), b.has_value()) << d;
    if (a) {
      EXPECT_EQ(std::bit_cast<std::uint64_t>(*a), std::bit_cast<std::uint64_t>(*b)) << d;
    }
  }
}

TEST(Signalmodell, BitgleichMitDerDefinition) {
  struct Fall {
    double L, E, S;
  };
  // Zones as set in the dialog, zones that overlap (L above 50), no zone, a
  // flat and a steep approach.
  const Fall faelle[] = {{50, 0, 5.33}, {30, 40, 5.33}, {20, 100, 0}, {10, 7, 1000},
                         {60, 25, 2.5}, {0, 40, 5},     {45, 1, 0.1}, {33, 3, 12.75}};
  std::mt19937 zufall(7);
  for (const Fall& f : faelle) {
    for (int laenge : {1, 2, 50, 3000}) {
      SCOPED_TRACE(testing::Message()
                   << "L " << f.L << " E " << f.E << " S " << f.S << " Länge " << laenge);
      const TZeitreihe oszillator = Zufallsoszillator(zufall, f.L, laenge);
      ExpectBitgleich(Signalmodell(oszillator, f.L, f.E, f.S),
                      ReferenzSignal(oszillator, f.L, f.E, f.S));
    }
  }
}

TEST(Signalmodell, LeereUndLueckenhafteReihen) {
  for (const TZeitreihe& oszillator : {TZeitreihe(), TZeitreihe(5, 4), TZeitreihe(7, 7)}) {
    ExpectBitgleich(Signalmodell(oszillator, 30, 40, 5), ReferenzSignal(oszillator, 30, 40, 5));
  }
}

TEST(Signalmodell, OhneZoneBrichtAmErstenWertAusserhalbAb) {
  // L = 0 divides by 0 only where a value leaves 0..100, wherever that is.
  TZeitreihe oszillator(1, 6);
  for (Boersentag d = 1; d <= 5; ++d)
    oszillator.Setzen(d, d * 20.0);
  ExpectBitgleich(Signalmodell(oszillator, 0, 40, 5), ReferenzSignal(oszillator, 0, 40, 5));
  oszillator.Setzen(6, 100.5);
  EXPECT_THROW_MSG(Signalmodell(oszillator, 0, 40, 5), EIndikator, "Fließkomma-Division durch 0");
}

}  // namespace
}  // namespace morvane
