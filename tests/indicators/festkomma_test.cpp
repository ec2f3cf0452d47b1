#include "indicators/festkomma.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "indicators/bausteine.h"
#include "indicators/exaktsumme.h"
#include "indicators/regression.h"

namespace morvane {
namespace {

std::uint64_t Bits(double x) {
  return std::bit_cast<std::uint64_t>(x);
}

// z * 2^einheit / teiler through the exact sum, part by part.
double Referenz(TGanz z, int einheit, std::uint64_t teiler) {
  TExakteSumme summe;
  const bool negativ = z < 0;
  auto a = static_cast<unsigned __int128>(negativ ? -z : z);
  for (int stelle = 0; a != 0; stelle += 32, a >>= 32) {
    const double teil =
        std::ldexp(static_cast<double>(static_cast<std::uint32_t>(a)), einheit + stelle);
    summe.Plus(negativ ? -teil : teil);
  }
  return summe.Quotient(teiler);
}

TGanz Zufallsganz(std::mt19937_64& zufall, int bits) {
  const auto a = (static_cast<unsigned __int128>(zufall()) << 64) | zufall();
  const TGanz z = static_cast<TGanz>(a >> (128 - bits));
  return (zufall() & 1) ? -z : z;
}

// Every width of sum and divisor, and units from the subnormals up.
TEST(Festkomma, QuotientWieExakteSumme) {
  std::mt19937_64 zufall(5);
  for (int i = 0; i < 200000; ++i) {
    const TGanz z = Zufallsganz(zufall, 1 + static_cast<int>(zufall() % 123));
    const std::uint64_t teiler = 1 + (zufall() >> (2 + zufall() % 62));
    const int einheit = -1074 + static_cast<int>(zufall() % 1700);
    ASSERT_EQ(Bits(GanzQuotient(z, einheit, teiler)), Bits(Referenz(z, einheit, teiler)))
        << static_cast<double>(z) << " " << einheit << " " << teiler;
  }
}

// Quotients exactly on the midpoint of two doubles and one unit of the sum
// beside it, inside a binade and at both of its ends.
TEST(Festkomma, QuotientAnDerRundungsgrenze) {
  const std::uint64_t kUnten = std::uint64_t{1} << 52;
  for (std::uint64_t m :
       {kUnten, kUnten + 1, kUnten + 2, 3 * (kUnten / 2), 2 * kUnten - 2, 2 * kUnten - 1}) {
    for (std::uint64_t teiler : {1ull, 3ull, 20ull, 31375ull, 1ull << 39}) {
      for (int einheit : {-60, -1074, 0, 200}) {
        // (2m + 1) / 2 units of 2^einheit: a tie between m and m + 1.
        const TGanz mitte = static_cast<TGanz>(2 * m + 1) * teiler;
        for (TGanz abstand : {0, 1, -1, 2, -2}) {
          const TGanz z = mitte + abstand;
          for (TGanz s : {z, -z}) {
            ASSERT_EQ(Bits(GanzQuotient(s, einheit - 1, teiler)),
                      Bits(Referenz(s, einheit - 1, teiler)))
                << m << " " << teiler << " " << einheit << " " << static_cast<double>(abstand);
          }
        }
      }
    }
  }
  EXPECT_EQ(Bits(GanzQuotient(0, 7, 3)), Bits(0.0));
}

// A unit where the values and their window sums fit: every value a whole
// number of units; none where they span too far, even by their lowest digits.
TEST(Festkomma, GemeinsameEinheit) {
  const double inf = std::numeric_limits<double>::infinity();
  struct TFall {
    std::vector<double> Werte;
    std::uint64_t Gewicht;
    bool Erwartet;
  };
  const std::vector<TFall> faelle = {
      {{1.5, -0.25, 6.0}, 10, true},
      {{0.0, -0.0}, 10, true},
      {{}, 1, true},
      {{0x1p-1074, 0x1p-1000, -0x1p-1030}, 1, true},
      {{0x1p100, 3.0}, 1, true},  // whole by their lowest digits only
      {{0x1p-1074, 1.0}, 1, false},
      {{1.0, 0x1p-80}, 1ull << 60, false},
      {{1e300}, 1ull << 10, false},  // window sums leave the doubles
      {{1.0, inf}, 1, false},
      {{1.0, std::nan("")}, 1, false},
  };
  for (const auto& fall : faelle) {
    const auto einheit = GemeinsameEinheit(fall.Werte, fall.Gewicht);
    ASSERT_EQ(einheit.has_value(), fall.Erwartet) << fall.Werte.size();
    if (!einheit) continue;
    for (double v : fall.Werte) {
      EXPECT_EQ(std::ldexp(static_cast<double>(InEinheiten(v, *einheit)), *einheit), v) << v;
    }
  }
}

// Values too far apart for whole units take the estimated sums: still the
// exact means, as summed afresh.
TEST(Festkomma, WeiteSpanneWieNeuGerechnet) {
  std::mt19937 zufall(3);
  std::uniform_real_distribution<double> mantisse(1.0, 2.0);
  std::uniform_int_distribution<int> exponent(-200, 200);
  TZeitreihe reihe(1000, 1399);
  for (int i = 0; i < 400; ++i) {
    if (i % 7 != 3) reihe.Setzen(1000 + i, std::ldexp(mantisse(zufall), exponent(zufall)));
  }
  const TDichteReihe dicht(reihe);
  ASSERT_FALSE(dicht.Einheit());
  for (int gewichtung : {kgUngewichtet, kgLinear}) {
    const auto laufend = Fenstermittel(dicht, 9, gewichtung);
    for (int d = 0; d < dicht.Laenge(); ++d) {
      const auto neu = dicht.Mittel(d - 8, d, gewichtung);
      ASSERT_EQ(laufend[static_cast<std::size_t>(d)].has_value(), neu.has_value());
      if (neu) {
        ASSERT_EQ(Bits(*laufend[static_cast<std::size_t>(d)]), Bits(*neu)) << d;
      }
    }
  }
  const std::vector<double> schluss(dicht.Werte().begin(), dicht.Werte().end());
  const auto geraden = Regressionen(schluss, 9);
  for (int a = 0; a < 400; ++a) {
    const auto neu = Regression(schluss, a, 9);
    const auto& laufend = geraden[static_cast<std::size_t>(a)];
    ASSERT_EQ(laufend.has_value(), neu.has_value()) << a;
    if (neu) {
      ASSERT_EQ(Bits(laufend->Steigung), Bits(neu->Steigung)) << a;
      ASSERT_EQ(Bits(laufend->YMittel), Bits(neu->YMittel)) << a;
    }
  }
}

// The mean deviation in whole units and, for a reference finer than the
// unit, through the estimate: both the exact one, rounded once.
TEST(Festkomma, MittlereBetragsabweichungExakt) {
  std::mt19937 zufall(8);
  std::uniform_int_distribution<int> cent(1, 50000);
  TZeitreihe reihe(0, 599);
  for (int i = 0; i < 600; ++i) {
    if (i % 11 != 5) reihe.Setzen(i, cent(zufall) / 100.0 / 3.0);
  }
  const TDichteReihe dicht(reihe);
  ASSERT_TRUE(dicht.Einheit());
  for (int d = 0; d < 600; d += 3) {
    const double mittel = *dicht.Mittel(d - 29, d, kgUngewichtet);
    for (double bezug : {mittel, mittel * (1 + 0x1p-52), 0x1p-70 + 1.0, dicht.Wert(d)}) {
      TExakteSumme summe;
      std::uint64_t anzahl = 0;
      for (int p = std::max(d - 29, 0); p <= d; ++p) {
        if (!dicht.Da(p)) continue;
        ExakteDifferenz(dicht.Wert(p), bezug).BetragBuchen(summe, false);
        ++anzahl;
      }
      ASSERT_EQ(Bits(*dicht.MittlereBetragsabweichung(d - 29, d, bezug)),
                Bits(summe.Quotient(anzahl)))
          << d << " " << bezug;
    }
  }
}

}  // namespace
}  // namespace morvane
