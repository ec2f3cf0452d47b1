#include "indicators/schaetzung.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "indicators/bausteine.h"
#include "indicators/exaktsumme.h"
#include "indicators/fenstersumme.h"
#include "testkurse.h"

namespace morvane {
namespace {

std::uint64_t Bits(double x) {
  return std::bit_cast<std::uint64_t>(x);
}

double Exakt(const std::vector<double>& summanden, std::uint64_t teiler) {
  TExakteSumme summe;
  for (double s : summanden)
    summe.Plus(s);
  return summe.Quotient(teiler);
}

// Where the quotient lies on or next to the midpoint of two doubles the
// estimate must either prove the rounding (only when it is exact) or leave it
// to the exact sum.
TEST(Schaetzung, EntscheidetAnDerRundungsgrenzeNurWennExakt) {
  const double u = 0x1p-53;
  const double inf = std::numeric_limits<double>::infinity();
  struct TFall {
    TSchaetzung Schaetzung;
    std::uint64_t Teiler;
    std::optional<double> Erwartet;
  };
  const TFall faelle[] = {
      {{1.0, u, 0}, 1, 1.0},                              // a tie goes to the even neighbour
      {{1.0 + 2 * u, u, 0}, 1, 1.0 + 4 * u},              // ... upwards from an odd one
      {{1.0, u, 0x1p-200}, 1, std::nullopt},              // a tie within the error: undecided
      {{1.0, u / 2, 0x1p-200}, 1, 1.0},                   // clear of the tie despite the error
      {{1.0, u, -0.0}, 1, 1.0},                           // an error of -0 is none
      {{3.0, 3 * u, 0}, 3, 1.0},                          // 1 + u: a tie after division
      {{3.0, 3 * u + 0x1p-100, 0}, 3, 1.0 + 2 * u},       // just above it
      {{3.0, 3 * u - 0x1p-100, 0x1p-300}, 3, 1.0},        // just below it
      {{2.0, -u, 0}, 1, 2.0},                             // below a power of two the units halve
      {{2.0, -u / 2, 0}, 1, 2.0},                         //
      {{2.0, -3 * u / 2, 0}, 1, 2.0 - 2 * u},             //
      {{-3.0, -3 * u, 0}, 3, -1.0},                       // the sign is kept
      {{-7.0, 0.0, 0x1p-80}, 7, -1.0},                    //
      {{0.0, 0.0, 0.0}, 5, 0.0},                          // exactly 0 is +0
      {{-0.0, -0.0, 0.0}, 5, 0.0},                        //
      {{0.0, 0.0, 0x1p-1000}, 5, std::nullopt},           // maybe not 0
      {{1.0, 0.0, 0.0}, 0, std::nullopt},                 // division by 0
      {{1.0, 0.0, 0.0}, (1ull << 53) + 1, std::nullopt},  // teiler beyond a double
      {{0x1p-950, 0.0, 0.0}, 3, std::nullopt},            // too small to prove
      {{0x1p950, 0.0, 0.0}, 3, std::nullopt},             // too large
      {{inf, 0.0, 0.0}, 1, std::nullopt},                 //
      {{std::nan(""), 0.0, 0.0}, 1, std::nullopt},        //
  };
  for (const TFall& f : faelle) {
    const auto q = BelegterQuotient(f.Schaetzung, f.Teiler);
    ASSERT_EQ(q.has_value(), f.Erwartet.has_value()) << f.Schaetzung.Hoch << " / " << f.Teiler;
    if (q) {
      EXPECT_EQ(Bits(*q), Bits(*f.Erwartet)) << f.Schaetzung.Hoch << " / " << f.Teiler;
      // The exact sum agrees wherever the estimate is exact.
      if (f.Schaetzung.Fehler == 0) {
        EXPECT_EQ(Bits(*q), Bits(Exakt({f.Schaetzung.Hoch, f.Schaetzung.Tief}, f.Teiler)));
      }
    }
  }
}

// Random sums across magnitudes and random teilers, with exact ties mixed in:
// whatever the estimate proves is what the exact sum gives, and it proves
// nearly everything.
TEST(Schaetzung, WieDieExakteSumme) {
  std::mt19937_64 zufall(2718);
  std::uniform_real_distribution<double> mantisse(-1.0, 1.0);
  std::uniform_int_distribution<int> exponent(-60, 60);
  std::uniform_int_distribution<int> anzahl(1, 40);
  std::uniform_int_distribution<std::uint64_t> teiler(1, 1000);
  int bindungen = 0;
  int entschiedeneBindungen = 0;
  int entschieden = 0;
  const int kFaelle = 20000;
  for (int i = 0; i < kFaelle; ++i) {
    std::vector<double> summanden;
    const std::uint64_t t = i % 3 == 0 ? 2 * teiler(zufall) : teiler(zufall);
    const bool bindung = i % 5 == 0;
    if (bindung) {
      // t * (q + half a unit of q): exactly a tie.
      const double q = std::ldexp(1.0 + std::fabs(mantisse(zufall)), exponent(zufall));
      const double n = static_cast<double>(t);
      const double p = q * n;
      summanden = {p, std::fma(q, n, -p), (std::nextafter(q, 2 * q) - q) * n / 2};
      ++bindungen;
    } else {
      const int k = anzahl(zufall);
      const int basis = exponent(zufall);
      for (int j = 0; j < k; ++j)
        summanden.push_back(std::ldexp(mantisse(zufall), basis + j % 7 * (i % 2 ? 9 : 1)));
    }
    TSchaetzsumme schaetzung;
    for (double s : summanden)
      schaetzung.Plus(s);
    const auto q = BelegterQuotient(schaetzung.Schaetzung(), t);
    if (!q) continue;
    ++(bindung ? entschiedeneBindungen : entschieden);
    ASSERT_EQ(Bits(*q), Bits(Exakt(summanden, t))) << i;
  }
  // Most ties come out of the estimate exact and are decided too.
  EXPECT_GT(entschiedeneBindungen, bindungen / 2);
  EXPECT_GT(entschieden, (kFaelle - bindungen) * 99 / 100);
}

// Exactly known sums a hair inside and outside the midpoints around a random
// quotient (also below powers of two): the quotient is the exact one, and an
// exact estimate away from a tie always proves it.
TEST(Schaetzung, ExakteSummeNebenDerRundungsgrenze) {
  std::mt19937_64 zufall(314);
  std::uniform_real_distribution<double> mantisse(1.0, 2.0);
  std::uniform_int_distribution<int> exponent(-40, 40);
  std::uniform_int_distribution<std::uint64_t> teiler(1, 5000);
  for (int i = 0; i < 4000; ++i) {
    const double q = i % 4 == 0 ? std::ldexp(1.0, exponent(zufall))
                                : std::ldexp(mantisse(zufall), exponent(zufall));
    const std::uint64_t t = teiler(zufall);
    const double n = static_cast<double>(t);
    const double p = q * n;
    const double halb = (std::nextafter(q, 4 * q) - q) * n / 2;
    const double abstand = std::ldexp(halb, -(i % 40 + 1));
    for (const double rest : {halb - abstand, halb + abstand, -halb / 2 + abstand / 2,
                              -halb / 2 - abstand / 2, abstand, -abstand}) {
      const std::vector<double> summanden = {p, std::fma(q, n, -p), rest};
      TSchaetzsumme schaetzung;
      for (double s : summanden)
        schaetzung.Plus(s);
      const TSchaetzung geschaetzt = schaetzung.Schaetzung();
      const auto ergebnis = BelegterQuotient(geschaetzt, t);
      ASSERT_TRUE(ergebnis.has_value() || geschaetzt.Fehler != 0) << i;
      if (ergebnis) {
        ASSERT_EQ(Bits(*ergebnis), Bits(Exakt(summanden, t))) << i << " " << rest;
      }
    }
  }
}

// The mean deviation the commodity channel index takes per window: estimated
// or exact, always the exact mean rounded once.
TEST(Schaetzung, MittlereBetragsabweichungWieExakt) {
  std::mt19937 zufall(99);
  std::uniform_int_distribution<int> cent(1, 20000);
  std::bernoulli_distribution fehlt(0.1);
  const int kLaenge = 600;
  TZeitreihe reihe(test::Start(), test::Start() + kLaenge - 1);
  std::vector<double> werte(kLaenge, 0.0);
  for (int i = 0; i < kLaenge; ++i) {
    if (fehlt(zufall)) continue;
    // Coarse prices: windows full of repeats and exact ties.
    werte[static_cast<std::size_t>(i)] = cent(zufall) / (i % 2 ? 100.0 : 4.0);
    reihe.Setzen(test::Start() + i, werte[static_cast<std::size_t>(i)]);
  }
  const TDichteReihe dicht(reihe);
  for (int n : {1, 2, 20, 64}) {
    for (int d = 0; d < kLaenge; ++d) {
      const double bezug = werte[static_cast<std::size_t>(d)] + (d % 3 ? 0.0 : 0.125);
      TExakteSumme exakt;
      std::uint64_t anzahl = 0;
      for (int p = std::max(0, d - n + 1); p <= d; ++p) {
        if (werte[static_cast<std::size_t>(p)] == 0) continue;
        ExakteDifferenz(werte[static_cast<std::size_t>(p)], bezug).BetragBuchen(exakt, false);
        ++anzahl;
      }
      const auto m = dicht.MittlereBetragsabweichung(d - n + 1, d, bezug);
      ASSERT_EQ(m.has_value(), anzahl > 0) << d;
      if (m) {
        ASSERT_EQ(Bits(*m), Bits(exakt.Quotient(anzahl))) << n << " " << d;
      }
    }
  }
}

// A sliding window read after every step, beside the exact sum of the same
// values: coarse values (ties everywhere), magnitudes 30 orders apart, zeros
// of both signs and an infinity passing through.
TEST(Schaetzung, FenstersummeWieExakteSumme) {
  std::mt19937_64 zufall(31);
  std::uniform_int_distribution<int> viertel(-4000, 4000);
  std::uniform_int_distribution<int> art(0, 19);
  const double inf = std::numeric_limits<double>::infinity();
  for (int n : {1, 2, 14, 30}) {
    std::vector<double> werte;
    for (int i = 0; i < 3000; ++i) {
      const int a = art(zufall);
      const double v = viertel(zufall) / 4.0;
      werte.push_back(i == 1500 ? inf : a == 0 ? -0.0 : a == 1 ? v * 1e15 : a == 2 ? v * 1e-15 : v);
    }
    TFenstersumme fenster;
    TExakteSumme exakt;
    for (std::size_t i = 0; i < werte.size(); ++i) {
      if (i >= static_cast<std::size_t>(n)) {
        fenster.Minus(werte[i - static_cast<std::size_t>(n)]);
        exakt.Minus(werte[i - static_cast<std::size_t>(n)]);
      }
      fenster.Plus(werte[i]);
      exakt.Plus(werte[i]);
      for (const std::uint64_t t :
           {std::uint64_t{1}, std::uint64_t{2}, static_cast<std::uint64_t>(n)}) {
        ASSERT_EQ(Bits(fenster.Quotient(t)), Bits(exakt.Quotient(t))) << n << " " << i << " " << t;
      }
    }
  }
}

// The variance the bands take, from running estimates against the exact sums:
// coarse prices, flat stretches (variance exactly 0) and a jump of twelve
// orders of magnitude.
TEST(Schaetzung, QuadratabweichungWieExakt) {
  std::mt19937 zufall(8);
  std::uniform_int_distribution<int> cent(1, 40000);
  std::vector<double> werte;
  for (int i = 0; i < 4000; ++i) {
    const double preis = cent(zufall) / (i % 3 ? 100.0 : 8.0);
    werte.push_back(i / 200 % 4 == 1 ? 12.5 : i / 200 % 4 == 3 ? preis * 1e12 : preis);
  }
  int entschieden = 0;
  for (int n : {1, 2, 20}) {
    TSchaetzsumme summe;
    TSchaetzsumme quadrate;
    TExakteSumme exakt;
    TExakteSumme exaktQuadrate;
    for (std::size_t i = 0; i < werte.size(); ++i) {
      if (i >= static_cast<std::size_t>(n)) {
        const double weg = werte[i - static_cast<std::size_t>(n)];
        summe.Plus(-weg);
        quadrate.PlusProdukt(-weg, weg);
        exakt.Minus(weg);
        exaktQuadrate.MinusProdukt(weg, weg);
      }
      summe.Plus(werte[i]);
      quadrate.PlusProdukt(werte[i], werte[i]);
      exakt.Plus(werte[i]);
      exaktQuadrate.PlusProdukt(werte[i], werte[i]);
      const auto k = static_cast<std::uint64_t>(std::min<std::size_t>(i + 1, n));
      for (const double bezug : {exakt.Quotient(k), werte[i], 12.5}) {
        const double erwartet = MittlereQuadratabweichung(exakt, exaktQuadrate, k, bezug);
        const auto v = MittlereQuadratabweichung(summe, quadrate, k, bezug);
        if (!v) continue;
        ASSERT_EQ(Bits(*v), Bits(erwartet)) << n << " " << i << " " << bezug;
        ++entschieden;
      }
      // Where the estimates could not decide, they start over, as the bands do.
      if (!MittlereQuadratabweichung(summe, quadrate, k, werte[i])) {
        summe = quadrate = {};
        for (std::size_t j = i + 1 - k; j <= i; ++j) {
          summe.Plus(werte[j]);
          quadrate.PlusProdukt(werte[j], werte[j]);
        }
      }
    }
  }
  EXPECT_GT(entschieden, 3 * 3 * 4000 * 9 / 10);
}

}  // namespace
}  // namespace morvane
