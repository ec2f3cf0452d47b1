// Regression and trend-intensity kinds: worked cases, the segment list and
// plain re-computations over real prices.
#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "indicators/geradenliste.h"
#include "indicators/indadx.h"
#include "indicators/indrti.h"
#include "indicators/indtsf.h"
#include "indicators/indvhf.h"
#include "referenz.h"
#include "testkurse.h"

namespace morvane {
namespace {

using namespace referenz;
using test::Schlusskurse;
using test::Start;

TEST(GeradenListe, BereichUndSlots) {
  TGeradenListe leer(Start() + 3, Start());
  EXPECT_FALSE(leer.Enthaelt(Start()));
  leer.Setzen(Start(), {Start(), 1, 2});
  EXPECT_FALSE(leer.Lesen(Start()));

  TGeradenListe liste(Start(), Start() + 4);
  EXPECT_EQ(liste.Von(), Start());
  EXPECT_EQ(liste.Bis(), Start() + 4);
  liste.Setzen(Start() + 5, {Start(), 1, 2});  // outside: ignored
  liste.Setzen(Start() + 2, {Start(), 1, 2});
  EXPECT_FALSE(liste.Lesen(Start() + 5));
  EXPECT_FALSE(liste.Lesen(Start() + 1));
  EXPECT_EQ(*liste.Lesen(Start() + 2), (TGerade{Start(), 1, 2}));
  liste.Freigeben();
  EXPECT_FALSE(liste.Lesen(Start() + 2));
  EXPECT_TRUE(liste.Enthaelt(Start() + 2));
}

TEST(IndTSF, GeradeLinie) {
  TIndTSF tsf;
  tsf.Param.Zeitraum = 5;
  tsf.Berechnen(Schlusskurse(test::Folge(12, 10, 0.5)));
  EXPECT_FALSE(tsf.Tsf()->Lesen(Start() + 3));
  for (int a = 4; a < 12; ++a) {
    const auto gerade = tsf.Geraden()->Lesen(Start() + a);
    ASSERT_TRUE(gerade);
    EXPECT_EQ(gerade->Startdatum, Start() + a - 4);
    EXPECT_DOUBLE_EQ(gerade->Startwert, 10 + (a - 4) * 0.5);
    EXPECT_DOUBLE_EQ(gerade->Endwert, 10 + a * 0.5);
    EXPECT_NEAR(*tsf.Oszillator()->Lesen(Start() + a), 50.0, 1e-9);
  }
  EXPECT_EQ(tsf.Info(Start() + 11), "Signal: 0 %\rOszillator: 50,0 Punkte\rTSF: 15,50");
  EXPECT_EQ(tsf.Info(Start()), "Signal: 0 %\rOszillator: -\rTSF: -");
}

TEST(Regression, EinzelnerKursIstKeineGerade) {
  // Closes 0 keep the records (with high and low) but give no points.
  const TKurse kurse = test::Tageskurse({{11, 9, 0}, {11, 9, 0}, {11, 9, 10}, {13, 9, 12}});
  TIndTSF tsf;
  tsf.Param.Zeitraum = 3;
  tsf.Berechnen(kurse);
  EXPECT_FALSE(tsf.Tsf()->Lesen(Start() + 2));
  EXPECT_FALSE(tsf.Geraden()->Lesen(Start() + 2));
  // Two points: the line through them.
  ASSERT_TRUE(tsf.Tsf()->Lesen(Start() + 3));
  EXPECT_DOUBLE_EQ(*tsf.Tsf()->Lesen(Start() + 3), 12.0);
  TIndRTI rti;
  rti.Param.Zeitraum = 3;
  rti.Berechnen(kurse);
  EXPECT_FALSE(rti.Signal()->Lesen(Start() + 2));
  EXPECT_TRUE(rti.Signal()->Lesen(Start() + 3));
}

TEST(IndRTI, FlachUndAnDerGrenze) {
  TIndRTI rti;
  EXPECT_FALSE(rti.HatSignalgenerierung());
  rti.Berechnen(Schlusskurse(std::vector<double>(15, 37.1)));
  EXPECT_EQ(rti.Oszillator(), nullptr);
  EXPECT_EQ(*rti.Signal()->Lesen(Start() + 14), 0.0);
  EXPECT_FALSE(rti.Signal()->Lesen(Start() + 8));
  // The same flat closes: the fitted line ends exactly on the close.
  TIndTSF tsf;
  tsf.Param.Zeitraum = 7;
  tsf.Berechnen(Schlusskurse(std::vector<double>(15, 37.1)));
  EXPECT_EQ(*tsf.Tsf()->Lesen(Start() + 14), 37.1);
  EXPECT_EQ(*tsf.Oszillator()->Lesen(Start() + 14), 50.0);

  // Slope 1 at a mean of 100: 1 % per day.
  rti.Param.Zeitraum = 3;
  rti.Param.Steigungsgrenze = 1;
  rti.Berechnen(Schlusskurse({99, 100, 101}));
  EXPECT_DOUBLE_EQ(rti.SignalAm(Start() + 2), 50.0);
  EXPECT_EQ(rti.Info(Start() + 2), "Trendintensität: 50,00 %");
  EXPECT_EQ(rti.Info(Start()), "Trendintensität: 0,00 %");
  rti.Param.Steigungsgrenze = 0.5;
  rti.Berechnen(Schlusskurse({101, 100, 99}));
  EXPECT_DOUBLE_EQ(rti.SignalAm(Start() + 2), 75.0);
  // A limit of 0 would divide by 0: no values.
  rti.Param.Steigungsgrenze = 0;
  rti.Berechnen(Schlusskurse({99, 100, 101}));
  EXPECT_TRUE(test::Werte(*rti.Signal()).empty());
}

TEST(IndRTI, SteigungsgrenzeAlsText) {
  TIndRTI rti;
  EXPECT_EQ(rti.BerechnungTexte(), (std::vector<std::string>{"10", "0,50"}));
  const auto fehler = rti.BerechnungUebernehmen(std::vector<std::string>{"10", "100,5"});
  ASSERT_TRUE(fehler);
  EXPECT_EQ(fehler->Feld, 1);
  EXPECT_EQ(fehler->Meldung,
            "Als Steigungsgrenze muss eine Zahl angegeben werden, die zwischen 0 und 100 ist.");
  EXPECT_FALSE(rti.BerechnungUebernehmen(std::vector<std::string>{"7", "1.239"}));
  EXPECT_EQ(rti.Param.Steigungsgrenze, 1.23);
  EXPECT_EQ(rti.Param.Zeitraum, 7);
}

TEST(IndVHF, SteigendUndZurueck) {
  TIndVHF vhf;
  vhf.Param.Zeitraum = 3;
  vhf.Berechnen(Schlusskurse({10, 11, 10, 11, 12, 13}));
  EXPECT_FALSE(vhf.Signal()->Lesen(Start() + 1));
  EXPECT_EQ(*vhf.Signal()->Lesen(Start() + 2), 50.0);
  EXPECT_EQ(*vhf.Signal()->Lesen(Start() + 5), 100.0);
  EXPECT_EQ(vhf.Info(Start() + 2), "Trendintensität: 50 %");
  vhf.Berechnen(Schlusskurse({10, 10, 10}));
  EXPECT_EQ(*vhf.Signal()->Lesen(Start() + 2), 0.0);
}

TEST(IndADX, GleicheBewegungen) {
  TIndADX adx;
  adx.Param.DmiZeitraum = 3;
  adx.Param.Glaettung = 2;
  // The range widens by 1 up and 1 down every day.
  adx.Berechnen(test::Tageskurse({{11, 9, 10}, {12, 8, 10}, {13, 7, 10}, {14, 6, 10}}));
  EXPECT_FALSE(adx.IntensitaetsDmi()->Lesen(Start()));
  EXPECT_EQ(*adx.IntensitaetsDmi()->Lesen(Start() + 3), 0.0);
  EXPECT_EQ(adx.SignalAm(Start() + 3), 0.0);
  EXPECT_EQ(adx.Oszillator(), nullptr);
  // Only upward: 100 %, the smoothing starts with the first value.
  adx.Berechnen(test::Tageskurse({{11, 9, 10}, {12, 10, 11}, {13, 11, 12}, {13, 11, 12}}));
  EXPECT_EQ(*adx.Signal()->Lesen(Start() + 1), 100.0);
  EXPECT_EQ(*adx.IntensitaetsDmi()->Lesen(Start() + 3), 100.0);
  EXPECT_EQ(adx.Info(Start() + 3), "Trendintensität: 100 %\rIntensitäts-DMI: 100,00");
  EXPECT_EQ(adx.Info(Start()), "Trendintensität: 0 %\rIntensitäts-DMI: -");
}

// Least squares as written: Sxx = sum(x^2) - k * mean(x)^2.
struct Linie {
  double xq, yq, b;
};
std::optional<Linie> Kleinste(const Daten& d, int a, int n) {
  if (a + 1 < n || d.C(a) <= 0) return std::nullopt;
  double sx = 0, sy = 0, sxx = 0, sxy = 0;
  int k = 0;
  for (int x = 1; x <= n; ++x) {
    const double y = d.C(a - n + x);
    if (y <= 0) continue;
    ++k, sx += x, sy += y, sxx += x * x, sxy += x * y;
  }
  if (k == 0) return std::nullopt;
  const double xq = sx / k, yq = sy / k, nenner = sxx - k * xq * xq;
  if (nenner == 0) return std::nullopt;
  return Linie{xq, yq, (sxy - k * xq * yq) / nenner};
}

TEST_F(Referenz, TsfUndRti) {
  TIndTSF tsf;
  tsf.Param.Zeitraum = 12;
  tsf.Berechnen(kurse);
  TIndRTI rti;
  rti.Berechnen(kurse);
  Reihe ende, o, intensitaet;
  for (int a = 0; a < std::ssize(d.k); ++a) {
    if (const auto l = Kleinste(d, a, 12)) {
      ende[d.k[a].Datum] = l->yq + (12 - l->xq) * l->b;
      o[d.k[a].Datum] = Verh(d.C(a), ende[d.k[a].Datum], 15);
      const auto gerade = tsf.Geraden()->Lesen(d.k[a].Datum);
      ASSERT_TRUE(gerade);
      EXPECT_EQ(gerade->Startdatum, d.k[a - 11].Datum);
      EXPECT_NEAR(gerade->Startwert, l->yq + (1 - l->xq) * l->b, 1e-9);
    }
    if (const auto l = Kleinste(d, a, 10)) {
      intensitaet[d.k[a].Datum] = 100 - 100 * std::pow(2.0, -std::fabs(l->b * 100 / l->yq) / 0.5);
    }
  }
  Vergleiche(tsf.Tsf(), ende, "TSF");
  VergleicheSignal(tsf, o, "TSF");
  Vergleiche(rti.Signal(), intensitaet, "RTI");
}

TEST_F(Referenz, AdxUndVhf) {
  TIndADX adx;
  adx.Berechnen(kurse);
  Reihe auf, ab;
  for (int i = 1; i < std::ssize(d.k); ++i) {
    const TKurs &k = d.k[i], &v = d.k[i - 1];
    if (k.Hoch > 0 && k.Tief > 0 && v.Hoch > 0 && v.Tief > 0) {
      auf[k.Datum] = std::max(0.0, k.Hoch - v.Hoch);
      ab[k.Datum] = std::max(0.0, v.Tief - k.Tief);
    }
  }
  Reihe dmi;
  for (const auto& [t, w] : auf) {
    double P = 0, N = 0;
    for (Boersentag s = t - 13; s <= t; ++s) {
      if (auf.count(s)) P += auf.at(s), N += ab.at(s);
    }
    dmi[t] = P + N == 0 ? 0 : std::fabs(P - N) / (P + N) * 100;
  }
  Vergleiche(adx.IntensitaetsDmi(), dmi, "Intensitäts-DMI");
  Vergleiche(adx.Signal(), Mittel(dmi, d.von, d.bis, 10, false), "ADX");

  TIndVHF vhf;
  vhf.Berechnen(kurse);
  Reihe soll;
  for (int a = 19; a < std::ssize(d.k); ++a) {
    if (d.C(a) <= 0) continue;
    std::vector<double> c;
    for (int r = a; r >= a - 19; --r) {
      if (d.C(r) > 0) c.push_back(d.C(r));
    }
    double S = 0;
    for (std::size_t j = 1; j < c.size(); ++j)
      S += std::fabs(c[j] - c[j - 1]);
    const auto [lo, hi] = std::minmax_element(c.begin(), c.end());
    soll[d.k[a].Datum] = S == 0 ? 0 : (*hi - *lo) / S * 100;
  }
  Vergleiche(vhf.Signal(), soll, "VHF");
}

}  // namespace
}  // namespace morvane
