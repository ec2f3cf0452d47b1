#include "indicators/exaktsumme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "indicators/bausteine.h"
#include "indicators/regression.h"
#include "testkurse.h"

namespace morvane {
namespace {

using Werte = std::vector<double>;

std::uint64_t Bits(double x) {
  return std::bit_cast<std::uint64_t>(x);
}

TZeitreihe Reihe(const Werte& werte) {
  TZeitreihe reihe(test::Start(), test::Start() + static_cast<Boersentag>(werte.size()) - 1);
  for (std::size_t i = 0; i < werte.size(); ++i)
    reihe.Setzen(test::Start() + static_cast<Boersentag>(i), werte[i]);
  return reihe;
}

// Sum, mean, weighted mean and variance of the window holding `werte`, as
// the window operations give them.
struct TErgebnis {
  double Summe, Mittel, Linear, Varianz, Betrag;
  bool operator==(const TErgebnis& b) const {
    return Bits(Summe) == Bits(b.Summe) && Bits(Mittel) == Bits(b.Mittel) &&
           Bits(Varianz) == Bits(b.Varianz) && Bits(Betrag) == Bits(b.Betrag);
  }
};

TErgebnis Rechnen(const Werte& werte) {
  TExakteSumme summe;
  for (double w : werte)
    summe.Plus(w);
  const TDichteReihe reihe(Reihe(werte));
  const int n = static_cast<int>(werte.size());
  const double mittel = *reihe.Mittel(0, n - 1, kgUngewichtet);
  return {summe.Wert(), mittel, *reihe.Mittel(0, n - 1, kgLinear),
          *reihe.MittlereQuadratabweichung(0, n - 1, mittel),
          *reihe.MittlereBetragsabweichung(0, n - 1, mittel)};
}

TEST(ExakteSumme, GleicheWerteInAndererReihenfolgeGebenDasselbe) {
  const Werte faelle[] = {
      {0.1, 0.2, 0.3, 0.0, 0.0},           {1e17, 1.0, -1e17, 3.0, 0.7},
      {1e-17, 1.0, 1e-17, 2.0, 1e-17},     {-0.0, 5.63, 0.0, 7.1, -0.0},
      {1e308, 1e308, -1e308, 1e-300, 3.0}, {12.34, 12.35, 12.33, 12.34, 12.36, 0.0},
  };
  for (const Werte& fall : faelle) {
    Werte w = fall;
    std::sort(w.begin(), w.end());
    const TErgebnis erstes = Rechnen(w);
    while (std::next_permutation(w.begin(), w.end())) {
      // The weighted mean depends on the order; the rest may not.
      EXPECT_TRUE(Rechnen(w) == erstes) << w[0] << " " << w[1];
    }
  }
}

TEST(ExakteSumme, SummeUndQuotientKorrektGerundet) {
  struct TFall {
    Werte Summanden;
    std::uint64_t Teiler;
    double Erwartet;
  };
  const TFall faelle[] = {
      {{0.1, 0.2}, 1, 0.30000000000000004},   // 0.1 + 0.2 rounds up here too
      {{1e17, 1.0, -1e17}, 1, 1.0},           // float addition loses the 1
      {{1.0, std::ldexp(1.0, -53)}, 1, 1.0},  // a tie goes to the even neighbour
      {{1.0, std::ldexp(1.0, -53), std::ldexp(1.0, -105)}, 1, 1.0 + std::ldexp(1.0, -52)},
      {{1.0}, 3, 1.0 / 3},
      {{-2.0}, 3, -2.0 / 3},
      {{1.0, 2.0}, 1ull << 40, std::ldexp(3.0, -40)},
      {{0.0, -0.0}, 7, 0.0},
      {{std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::denorm_min()},
       2,
       std::numeric_limits<double>::denorm_min()},
      {{3 * std::numeric_limits<double>::denorm_min()},
       2,
       2 * std::numeric_limits<double>::denorm_min()},
      {{std::numeric_limits<double>::max(), std::numeric_limits<double>::max()},
       2,
       std::numeric_limits<double>::max()},
      {{1.0}, 0, std::numeric_limits<double>::infinity()},
      {{-2.0, 1e-300}, 0, -std::numeric_limits<double>::infinity()},
  };
  for (const TFall& f : faelle) {
    TExakteSumme summe;
    for (double w : f.Summanden)
      summe.Plus(w);
    EXPECT_EQ(Bits(summe.Quotient(f.Teiler)), Bits(f.Erwartet))
        << f.Summanden[0] << " / " << f.Teiler;
  }
  TExakteSumme weg;
  weg.Plus(0.1);
  weg.Plus(1e300);
  weg.Minus(1e300);
  weg.Minus(0.1);
  EXPECT_EQ(weg.Vorzeichen(), 0);
  EXPECT_EQ(Bits(weg.Wert()), Bits(0.0));
  EXPECT_TRUE(std::isnan(weg.Quotient(0)));
  weg.Plus(std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::isnan(weg.Wert()));
}

// A single value divided by a teiler a double holds exactly must round as
// IEEE division does, across magnitudes and for teilers whose quotient digits
// need correcting.
TEST(ExakteSumme, QuotientWieGleitkommadivision) {
  const std::uint64_t teiler[] = {
      2,          3,          7,          10,         1000003,          0x7FFFFFFF,
      0x80000001, 0xFFFFFFFB, 0xFFFFFFFF, 1ull << 32, (1ull << 32) + 1, (1ull << 53) - 1};
  std::mt19937_64 zufall(4711);
  std::uniform_real_distribution<double> mantisse(1.0, 2.0);
  std::uniform_int_distribution<int> exponent(-900, 900);
  for (int i = 0; i < 2000; ++i) {
    const double x = std::ldexp(mantisse(zufall), exponent(zufall)) * (i % 2 ? -1 : 1);
    TExakteSumme summe;
    summe.Plus(x);
    for (std::uint64_t t : teiler)
      ASSERT_EQ(Bits(summe.Quotient(t)), Bits(x / static_cast<double>(t))) << x << " / " << t;
  }
}

// Every flat window of random two-decimal prices gives exactly the price, a
// variance of exactly 0 and a slope of exactly 0.
TEST(ExakteSumme, FlacheFensterGebenGenauDenPreis) {
  std::mt19937 zufall(7);
  std::uniform_int_distribution<int> cent(1, 99999);
  for (int n = 2; n <= 250; n += 7) {
    const double preis = cent(zufall) / 100.0;
    const TDichteReihe reihe(Reihe(Werte(static_cast<std::size_t>(n), preis)));
    for (int gewichtung : {kgUngewichtet, kgLinear, kgExponentiell}) {
      EXPECT_EQ(*reihe.Mittel(0, n - 1, gewichtung), preis) << n << " " << gewichtung;
    }
    EXPECT_EQ(*reihe.MittlereQuadratabweichung(0, n - 1, preis), 0.0) << n;
    EXPECT_EQ(*reihe.MittlereBetragsabweichung(0, n - 1, preis), 0.0) << n;
    const Werte schluss(static_cast<std::size_t>(n), preis);
    const auto gerade = Regression(schluss, n - 1, n);
    EXPECT_EQ(gerade->Steigung, 0.0) << n;
    EXPECT_EQ(gerade->YMittel, preis) << n;
  }
}

// The running windows equal the windows summed afresh, bit for bit, on a
// long random series with gaps.
TEST(ExakteSumme, LaufendWieNeuGerechnet) {
  std::mt19937 zufall(11);
  std::uniform_real_distribution<double> preis(1.0, 500.0);
  std::bernoulli_distribution fehlt(0.1);
  Werte werte(3000);
  for (double& w : werte)
    w = fehlt(zufall) ? 0.0 : std::round(preis(zufall) * 100) / 100;
  TZeitreihe reihe(test::Start(), test::Start() + 2999);
  for (int i = 0; i < 3000; ++i) {
    if (werte[static_cast<std::size_t>(i)] > 0)
      reihe.Setzen(test::Start() + i, werte[static_cast<std::size_t>(i)]);
  }
  const TDichteReihe dicht(reihe);
  for (int n : {1, 2, 14, 200}) {
    for (int gewichtung : {kgUngewichtet, kgLinear, kgExponentiell}) {
      const auto laufend = Fenstermittel(dicht, n, gewichtung);
      for (int d = 0; d < dicht.Laenge(); ++d) {
        const auto neu = dicht.Mittel(d - n + 1, d, gewichtung);
        ASSERT_EQ(laufend[static_cast<std::size_t>(d)].has_value(), neu.has_value()) << d;
        if (neu) {
          ASSERT_EQ(Bits(*laufend[static_cast<std::size_t>(d)]), Bits(*neu)) << n << " " << d;
        }
      }
    }
    const auto geraden = Regressionen(werte, n);
    for (int a = 0; a < 3000; ++a) {
      const auto neu = Regression(werte, a, n);
      const auto& alt = geraden[static_cast<std::size_t>(a)];
      ASSERT_EQ(alt.has_value(), neu.has_value()) << a;
      if (!neu) continue;
      ASSERT_EQ(Bits(alt->Steigung), Bits(neu->Steigung)) << n << " " << a;
      ASSERT_EQ(Bits(alt->YMittel), Bits(neu->YMittel)) << n << " " << a;
      ASSERT_EQ(Bits(alt->XMittel), Bits(neu->XMittel)) << n << " " << a;
    }
  }
}

}  // namespace
}  // namespace morvane
