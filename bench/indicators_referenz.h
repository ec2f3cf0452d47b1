#pragma once

// Plain floating-point versions of fifteen classic indicators, written straight
// from their textbook definitions: the reference figure beside the analysis's
// own kinds. Each function reads whole price arrays and writes into outputs
// already sized like them, in one pass with running sums where a window is
// summed; dates before the first full window get NaN.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <span>
#include <vector>

namespace morvane::referenz {

using Reihe = std::span<const double>;
using Ausgabe = std::vector<double>&;

inline constexpr std::size_t kDurchschnitt = 30;  // SMA, WMA, EMA
inline constexpr std::size_t kRsi = 14;
inline constexpr std::size_t kStochK = 14;
inline constexpr std::size_t kStochGlaettung = 3;  // slow %K and slow %D
inline constexpr std::size_t kMomentum = 10;
inline constexpr std::size_t kBollinger = 20;
inline constexpr double kBollingerBreite = 2;  // in standard deviations
inline constexpr std::size_t kCci = 20;
inline constexpr double kCciFaktor = 0.015;
inline constexpr std::size_t kMacdSchnell = 12, kMacdLangsam = 26, kMacdSignal = 9;
inline constexpr std::size_t kAdoscSchnell = 3, kAdoscLangsam = 10;
inline constexpr std::size_t kMfi = 14;
inline constexpr std::size_t kDmi = 14;  // +DI, -DI and ADX
inline constexpr std::size_t kRegression = 14;

// The rings below hold windows up to this length.
inline constexpr std::size_t kMaxFenster = 32;
static_assert(std::max({kDurchschnitt, kStochGlaettung, kBollinger, kCci, kMfi, kRegression}) <=
              kMaxFenster);

inline constexpr double kLeer = std::numeric_limits<double>::quiet_NaN();

// Sum of the last n values fed in, kept in a ring.
struct TLaufsumme {
  std::size_t n;
  std::size_t anzahl = 0, pos = 0;
  double summe = 0;
  std::array<double, kMaxFenster> ring{};

  // Adds x, drops the value n places back; true once the window is full.
  bool Schritt(double x) {
    if (anzahl == n)
      summe -= ring[pos];
    else
      ++anzahl;
    ring[pos] = x;
    summe += x;
    pos = pos + 1 == n ? 0 : pos + 1;
    return anzahl == n;
  }
  double Mittel() const { return summe / static_cast<double>(n); }
  // The values in the window, in no particular order.
  std::span<const double> Werte() const { return {ring.data(), anzahl}; }
};

// Sum of the last n values with linear weights 1 (oldest) to n (newest).
// Moving on by one lowers every weight by one, which is the plain sum before
// the step: the same update holds while the window fills.
struct TLinearsumme {
  TLaufsumme summe;
  double gewichtet = 0;

  bool Schritt(double x) {
    gewichtet += static_cast<double>(summe.n) * x - summe.summe;
    return summe.Schritt(x);
  }
};

// Exponential smoothing with factor `alpha`, started with the mean of the first
// n values.
struct TGlaettung {
  std::size_t n;
  double alpha;
  std::size_t anzahl = 0;
  double wert = 0;

  // True once the first n values are in.
  bool Schritt(double x) {
    if (anzahl == n) {
      wert += alpha * (x - wert);
      return true;
    }
    wert += x;
    if (++anzahl < n) return false;
    wert /= static_cast<double>(n);
    return true;
  }
};

inline TGlaettung Ema(std::size_t n) {
  return {n, 2.0 / (static_cast<double>(n) + 1)};
}
inline TGlaettung Wilder(std::size_t n) {
  return {n, 1.0 / static_cast<double>(n)};
}

// 100 * a / (a + b); 50 where both are zero.
inline double Anteil(double a, double b) {
  return a + b > 0 ? 100 * a / (a + b) : 50;
}

inline double TypischerKurs(Reihe h, Reihe l, Reihe c, std::size_t i) {
  return (h[i] + l[i] + c[i]) / 3;
}

inline void Sma(Reihe c, Ausgabe aus) {
  TLaufsumme s{kDurchschnitt};
  for (std::size_t i = 0; i < c.size(); ++i)
    aus[i] = s.Schritt(c[i]) ? s.Mittel() : kLeer;
}

inline void Wma(Reihe c, Ausgabe aus) {
  const double n = kDurchschnitt;
  TLinearsumme s{{kDurchschnitt}};
  for (std::size_t i = 0; i < c.size(); ++i)
    aus[i] = s.Schritt(c[i]) ? s.gewichtet / (n * (n + 1) / 2) : kLeer;
}

inline void EmaReihe(Reihe c, Ausgabe aus) {
  TGlaettung e = Ema(kDurchschnitt);
  for (std::size_t i = 0; i < c.size(); ++i)
    aus[i] = e.Schritt(c[i]) ? e.wert : kLeer;
}

inline void Rsi(Reihe c, Ausgabe aus) {
  TGlaettung gewinn = Wilder(kRsi), verlust = Wilder(kRsi);
  for (std::size_t i = 0; i < c.size(); ++i) {
    aus[i] = kLeer;
    if (i == 0) continue;
    const double d = c[i] - c[i - 1];
    gewinn.Schritt(std::max(d, 0.0));
    if (verlust.Schritt(std::max(-d, 0.0))) aus[i] = Anteil(gewinn.wert, verlust.wert);
  }
}

// Slow %K is the mean of the last three %K, slow %D that of the last three slow
// %K. The highest high and lowest low are read over the whole window at every
// date, as with CCI: for 14 values a scan is quicker than keeping them current.
inline void Stoch(Reihe h, Reihe l, Reihe c, Ausgabe langsamK, Ausgabe langsamD) {
  TLaufsumme k{kStochGlaettung}, d{kStochGlaettung};
  for (std::size_t i = 0; i < c.size(); ++i) {
    langsamK[i] = langsamD[i] = kLeer;
    if (i + 1 < kStochK) continue;
    double hh = h[i], ll = l[i];
    for (std::size_t j = i + 1 - kStochK; j < i; ++j) {
      hh = std::max(hh, h[j]);
      ll = std::min(ll, l[j]);
    }
    if (!k.Schritt(Anteil(c[i] - ll, hh - c[i]))) continue;
    langsamK[i] = k.Mittel();
    if (d.Schritt(k.Mittel())) langsamD[i] = d.Mittel();
  }
}

inline void Mom(Reihe c, Ausgabe aus) {
  for (std::size_t i = 0; i < c.size(); ++i)
    aus[i] = i >= kMomentum ? c[i] - c[i - kMomentum] : kLeer;
}

// Population standard deviation from the sums of x and x².
inline void Bbands(Reihe c, Ausgabe oben, Ausgabe mitte, Ausgabe unten) {
  TLaufsumme s{kBollinger}, q{kBollinger};
  for (std::size_t i = 0; i < c.size(); ++i) {
    q.Schritt(c[i] * c[i]);
    if (!s.Schritt(c[i])) {
      oben[i] = mitte[i] = unten[i] = kLeer;
      continue;
    }
    const double mittel = s.Mittel();
    const double breite = kBollingerBreite * std::sqrt(std::max(0.0, q.Mittel() - mittel * mittel));
    oben[i] = mittel + breite;
    mitte[i] = mittel;
    unten[i] = mittel - breite;
  }
}

// The mean deviation runs over the whole window at every date.
inline void Cci(Reihe h, Reihe l, Reihe c, Ausgabe aus) {
  TLaufsumme s{kCci};
  for (std::size_t i = 0; i < c.size(); ++i) {
    const double t = TypischerKurs(h, l, c, i);
    aus[i] = kLeer;
    if (!s.Schritt(t)) continue;
    const double mittel = s.Mittel();
    double abweichung = 0;
    for (double w : s.Werte())
      abweichung += std::abs(w - mittel);
    abweichung /= kCci;
    aus[i] = abweichung > 0 ? (t - mittel) / (kCciFaktor * abweichung) : 0;
  }
}

inline void Macd(Reihe c, Ausgabe linie, Ausgabe signal, Ausgabe histogramm) {
  TGlaettung schnell = Ema(kMacdSchnell), langsam = Ema(kMacdLangsam), s = Ema(kMacdSignal);
  for (std::size_t i = 0; i < c.size(); ++i) {
    schnell.Schritt(c[i]);
    linie[i] = signal[i] = histogramm[i] = kLeer;
    if (!langsam.Schritt(c[i])) continue;
    linie[i] = schnell.wert - langsam.wert;
    if (!s.Schritt(linie[i])) continue;
    signal[i] = s.wert;
    histogramm[i] = linie[i] - signal[i];
  }
}

// The accumulation/distribution line adds each day's volume weighted by where
// the close lies in the day's range, from -1 at the low to 1 at the high.
inline void Adosc(Reihe h, Reihe l, Reihe c, Reihe v, Ausgabe aus) {
  TGlaettung schnell = Ema(kAdoscSchnell), langsam = Ema(kAdoscLangsam);
  double ad = 0;
  for (std::size_t i = 0; i < c.size(); ++i) {
    const double spanne = h[i] - l[i];
    if (spanne > 0) ad += ((c[i] - l[i]) - (h[i] - c[i])) / spanne * v[i];
    schnell.Schritt(ad);
    aus[i] = langsam.Schritt(ad) ? schnell.wert - langsam.wert : kLeer;
  }
}

// Money flow (typical price times volume) counts as positive on days the typical
// price rose, negative where it fell.
inline void Mfi(Reihe h, Reihe l, Reihe c, Reihe v, Ausgabe aus) {
  TLaufsumme plus{kMfi}, minus{kMfi};
  double vorher = 0;
  for (std::size_t i = 0; i < c.size(); ++i) {
    const double t = TypischerKurs(h, l, c, i);
    aus[i] = kLeer;
    if (i > 0) {
      plus.Schritt(t > vorher ? t * v[i] : 0);
      if (minus.Schritt(t < vorher ? t * v[i] : 0)) aus[i] = Anteil(plus.summe, minus.summe);
    }
    vorher = t;
  }
}

// Directional movement: true range and the upward and downward movements, each
// smoothed over kDmi days.
class TRichtung {
 public:
  // Feeds date i >= 1; true once both indicators are defined.
  bool Schritt(Reihe h, Reihe l, Reihe c, std::size_t i) {
    const double auf = h[i] - h[i - 1], ab = l[i - 1] - l[i];
    plus_.Schritt(auf > ab && auf > 0 ? auf : 0);
    minus_.Schritt(ab > auf && ab > 0 ? ab : 0);
    return spanne_.Schritt(std::max(h[i], c[i - 1]) - std::min(l[i], c[i - 1]));
  }
  double PlusDi() const { return Di(plus_); }
  double MinusDi() const { return Di(minus_); }

 private:
  double Di(const TGlaettung& bewegung) const {
    return spanne_.wert > 0 ? 100 * bewegung.wert / spanne_.wert : 0;
  }
  TGlaettung spanne_ = Wilder(kDmi), plus_ = Wilder(kDmi), minus_ = Wilder(kDmi);
};

inline void Di(Reihe h, Reihe l, Reihe c, Ausgabe aus, double (TRichtung::*wahl)() const) {
  TRichtung r;
  for (std::size_t i = 0; i < c.size(); ++i)
    aus[i] = i > 0 && r.Schritt(h, l, c, i) ? (r.*wahl)() : kLeer;
}
inline void PlusDi(Reihe h, Reihe l, Reihe c, Ausgabe aus) {
  Di(h, l, c, aus, &TRichtung::PlusDi);
}
inline void MinusDi(Reihe h, Reihe l, Reihe c, Ausgabe aus) {
  Di(h, l, c, aus, &TRichtung::MinusDi);
}

// ADX smooths DX = 100 * |+DI - -DI| / (+DI + -DI) once more over kDmi days.
inline void Adx(Reihe h, Reihe l, Reihe c, Ausgabe aus) {
  TRichtung r;
  TGlaettung adx = Wilder(kDmi);
  for (std::size_t i = 0; i < c.size(); ++i) {
    aus[i] = kLeer;
    if (i == 0 || !r.Schritt(h, l, c, i)) continue;
    const double p = r.PlusDi(), m = r.MinusDi();
    if (adx.Schritt(p + m > 0 ? 100 * std::abs(p - m) / (p + m) : 0)) aus[i] = adx.wert;
  }
}

// End point of the least-squares line through the last kRegression closes, with
// x = 0 for the oldest; the sum of x*y is the linear-weight sum less the plain one.
inline void Linearreg(Reihe c, Ausgabe aus) {
  const double n = kRegression, sx = n * (n - 1) / 2, sxx = (n - 1) * n * (2 * n - 1) / 6;
  TLinearsumme s{{kRegression}};
  for (std::size_t i = 0; i < c.size(); ++i) {
    aus[i] = kLeer;
    if (!s.Schritt(c[i])) continue;
    const double sy = s.summe.summe, sxy = s.gewichtet - sy;
    const double steigung = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    aus[i] = (sy - steigung * sx) / n + steigung * (n - 1);
  }
}

}  // namespace morvane::referenz
