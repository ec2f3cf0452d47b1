// Shared pieces of the re-computations: real prices with gaps, plain moving
// means, the signal model written out, and the comparison of series.
#pragma once

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "indicators/indikator.h"
#include "testkurse.h"

namespace morvane::referenz {

using Reihe = std::map<Boersentag, double>;

struct Daten {
  std::vector<TKurs> k;
  Boersentag von = 0, bis = 0;
  double C(int i) const { return k[i].Schluss; }
};

inline TKurse Beispiel() {
  TKurse kurse = test::BeispielKurse("MSFT_2003_matplotlib.csv");
  EXPECT_EQ(kurse.Anzahl(), 65);
  TKurs ohneSchluss = *kurse.Kurs(20);
  ohneSchluss.Schluss = 0;
  kurse.Setze(ohneSchluss, TSetzModus::Ersetzen);
  kurse.Loeschen(40);
  return kurse;
}

inline Daten Aus(const TKurse& kurse) {
  return {{kurse.Alle().begin(), kurse.Alle().end()}, kurse.ErsterTag(), kurse.LetzterTag()};
}

inline Reihe KDurchschnitt(const Daten& d, int art, int n) {
  Reihe r;
  for (int i = 0; i < std::ssize(d.k); ++i) {
    if (d.C(i) <= 0) continue;
    double zaehler = 0, nenner = 0;
    for (int j = 1; j <= n; ++j) {
      const int x = i - n + j;
      if (x < 0 || d.C(x) <= 0) continue;
      const double g = art == 0 ? 1.0 : art == 1 ? j : std::pow(2.0, j);
      zaehler += g * d.C(x);
      nenner += g;
    }
    r[d.k[i].Datum] = zaehler / nenner;
  }
  return r;
}

inline Reihe Mittel(const Reihe& s, Boersentag von, Boersentag bis, int n, bool linear) {
  Reihe r;
  for (Boersentag t = von; t <= bis; ++t) {
    double zaehler = 0, nenner = 0;
    for (int j = 1; j <= n; ++j) {
      auto it = s.find(t - n + j);
      if (it == s.end()) continue;
      const double g = linear ? j : 1.0;
      zaehler += g * it->second;
      nenner += g;
    }
    if (nenner > 0) r[t] = zaehler / nenner;
  }
  return r;
}

inline double Verh(double a, double b, double s) {
  return 100 - 100 / (1 + std::pow(a / b, s));
}
inline double Diff(double x, double s) {
  return x >= 0 ? 100 - 100 / (x * s + 2) : 100 / (-x * s + 2);
}

inline Reihe Signal(const Reihe& o, double L, double E, double S) {
  Reihe r;
  double P = 50, Q = 0, R = 0;
  for (const auto& [t, x] : o) {
    double s = 0;
    if (x < L) {
      if (x <= P) {
        Q = x;
        s = R = (L - x) * E / L;
      } else {
        s = std::min(100.0, (x - Q) * S + R);
      }
    } else if (x > 100 - L) {
      if (x < P) {
        s = std::max(-100.0, R - S * (Q - x));
      } else {
        Q = x;
        s = R = -(x - (100 - L)) * E / L;
      }
    }
    P = x;
    r[t] = s;
  }
  return r;
}

inline void Vergleiche(const TZeitreihe* ist, const Reihe& soll, const std::string& was) {
  ASSERT_NE(ist, nullptr) << was;
  EXPECT_FALSE(soll.empty()) << was;
  const auto werte = test::Werte(*ist);
  ASSERT_EQ(werte.size(), soll.size()) << was;
  for (const auto& [t, w] : werte) {
    ASSERT_TRUE(soll.count(t)) << was << " hat einen Wert am Tag " << t;
    EXPECT_NEAR(w, soll.at(t), 1e-9 * std::max(1.0, std::fabs(w))) << was << " am Tag " << t;
  }
}

inline void VergleicheSignal(const TIndikator& ind, const Reihe& osz, const std::string& was) {
  Vergleiche(ind.Oszillator(), osz, was + " Oszillator");
  Vergleiche(ind.Signal(),
             Signal(osz, ind.ExtremzoneUnten, ind.Entfernungssignal, ind.Annaeherungssteigung),
             was + " Signal");
}

class Referenz : public ::testing::Test {
 protected:
  TKurse kurse = Beispiel();
  Daten d = Aus(kurse);
};

}  // namespace morvane::referenz
