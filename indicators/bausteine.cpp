#include "indicators/bausteine.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace morvane {

void DivisionDurchNull() {
  throw EIndikator(std::string(kMeldungDivisionDurchNull));
}

TZeitreihe Preisbereich(const TKurse& kurse) {
  return TZeitreihe(kurse.ErsterTag(), kurse.LetzterTag());
}

namespace {

// Weight of window position j (1..n). The exponential weights are scaled by
// 2^-n, which changes no quotient but keeps long windows finite.
std::vector<double> Fenstergewichte(int gewichtung, int n) {
  if (gewichtung != kgLinear && gewichtung != kgExponentiell) return {};
  std::vector<double> gewicht(static_cast<std::size_t>(n) + 1, 1.0);
  for (int j = 1; j <= n; ++j) {
    if (gewichtung == kgLinear) gewicht[j] = j;
    if (gewichtung == kgExponentiell) gewicht[j] = std::ldexp(1.0, j - n);
  }
  return gewicht;
}

// Weights of positions 1..n, or none for an unweighted window.
const double* Gewichte(const std::vector<double>& gewicht) {
  return gewicht.empty() ? nullptr : gewicht.data() + 1;
}

}  // namespace

TZeitreihe Kursdurchschnitt(const TKurse& kurse, int gewichtung, int n) {
  TZeitreihe ergebnis = Preisbereich(kurse);
  if (n < 1) return ergebnis;
  const auto k = kurse.Alle();
  const TDichteReihe schluss = TDichteReihe::Schlusskurse(kurse);
  const std::vector<double> gewicht = Fenstergewichte(gewichtung, n);
  for (int i = 0; i < schluss.Laenge(); ++i) {
    if (!schluss.Da(i)) continue;
    ergebnis.Setzen(k[i].Datum, *schluss.Mittel(i - n + 1, i, Gewichte(gewicht)));
  }
  return ergebnis;
}

namespace {

TZeitreihe Fensterdurchschnitt(const TZeitreihe& reihe, int n, const std::vector<double>& gewicht) {
  TZeitreihe ergebnis(reihe.Von(), reihe.Bis());
  if (n < 1) return ergebnis;
  const TDichteReihe werte(reihe);
  for (int d = 0; d < werte.Laenge(); ++d) {
    if (auto mittel = werte.Mittel(d - n + 1, d, Gewichte(gewicht))) {
      ergebnis.Setzen(werte.Von() + d, *mittel);
    }
  }
  return ergebnis;
}

}  // namespace

TZeitreihe Durchschnitt(const TZeitreihe& reihe, int n) {
  return Fensterdurchschnitt(reihe, n, Fenstergewichte(kgUngewichtet, std::max(n, 0)));
}

TZeitreihe LinearerDurchschnitt(const TZeitreihe& reihe, int n) {
  return Fensterdurchschnitt(reihe, n, Fenstergewichte(kgLinear, std::max(n, 0)));
}

double Potenz(double basis, double exponent) {
  // The sensitivities are whole numbers: square and multiply, far cheaper
  // than the general power.
  if (exponent >= 0 && exponent <= 4096 && exponent == std::floor(exponent)) {
    auto rest = static_cast<unsigned>(exponent);
    double ergebnis = 1.0;
    for (; rest != 0; rest >>= 1, basis *= basis) {
      if (rest & 1u) ergebnis *= basis;
    }
    return ergebnis;
  }
  return std::pow(basis, exponent);
}

double Verhaeltnisoszillator(double a, double b, double s) {
  if (b == 0) DivisionDurchNull();
  return 100.0 - 100.0 / (1.0 + Potenz(a / b, s));
}

double Differenzoszillator(double d, double s) {
  if (d >= 0) return 100.0 - 100.0 / (d * s + 2.0);
  return 100.0 / (-d * s + 2.0);
}

void TDichteReihe::Fuellen(std::size_t laenge, const double* wert, const std::uint8_t* da) {
  werte_.assign(wert, wert + laenge);
  da_.assign(da, da + laenge);
  vorhanden_.resize(laenge);
  position_.resize(laenge);
  davor_.resize(laenge + 1);
  int anzahl = 0;
  for (std::size_t i = 0; i < laenge; ++i) {
    davor_[i] = anzahl;
    vorhanden_[static_cast<std::size_t>(anzahl)] = wert[i];
    position_[static_cast<std::size_t>(anzahl)] = static_cast<int>(i);
    anzahl += da[i];
  }
  davor_[laenge] = anzahl;
  vorhanden_.resize(static_cast<std::size_t>(anzahl));
  position_.resize(static_cast<std::size_t>(anzahl));
}

TDichteReihe::TDichteReihe(const TZeitreihe& reihe) : von_(reihe.Von()) {
  const std::int64_t laenge =
      reihe.Enthaelt(reihe.Von()) ? static_cast<std::int64_t>(reihe.Bis()) - reihe.Von() + 1 : 0;
  std::vector<double> wert(static_cast<std::size_t>(laenge));
  std::vector<std::uint8_t> da(static_cast<std::size_t>(laenge));
  for (std::size_t i = 0; i < wert.size(); ++i) {
    const auto w = reihe.Lesen(von_ + static_cast<Boersentag>(i));
    wert[i] = w.value_or(0.0);
    da[i] = w.has_value();
  }
  Fuellen(wert.size(), wert.data(), da.data());
}

TDichteReihe TDichteReihe::Schlusskurse(const TKurse& kurse) {
  const auto k = kurse.Alle();
  std::vector<double> wert(k.size());
  std::vector<std::uint8_t> da(k.size());
  for (std::size_t i = 0; i < k.size(); ++i) {
    da[i] = Vorhanden(k[i].Schluss);
    wert[i] = da[i] ? k[i].Schluss : 0.0;
  }
  TDichteReihe reihe;
  reihe.Fuellen(k.size(), wert.data(), da.data());
  return reihe;
}

std::pair<int, int> TDichteReihe::Bereich(int von, int bis) const {
  const int erster = std::max(von, 0);
  const int letzter = std::min(bis, Laenge() - 1);
  if (erster > letzter) return {0, 0};
  return {davor_[static_cast<std::size_t>(erster)], davor_[static_cast<std::size_t>(letzter) + 1]};
}

namespace {

// Two doubles in one register (a GCC/Clang vector extension).
using TPaar = double __attribute__((vector_size(16)));

TPaar Paar(const double* p) {
  TPaar paar;
  std::memcpy(&paar, p, sizeof paar);
  return paar;
}

double Summe(TPaar a, TPaar b) {
  return (a[0] + a[1]) + (b[0] + b[1]);
}

// Sum of v[k] - bezug over k in [a, e), weighted with g[k - a] when g is
// given.
double Lanensumme(const double* v, int a, int e, double bezug, const double* g) {
  const TPaar b = {bezug, bezug};
  TPaar s0 = {0, 0}, s1 = {0, 0};
  int k = a;
  if (g) {
    for (; k + 4 <= e; k += 4) {
      s0 += Paar(g + (k - a)) * (Paar(v + k) - b);
      s1 += Paar(g + (k - a) + 2) * (Paar(v + k + 2) - b);
    }
  } else {
    for (; k + 4 <= e; k += 4) {
      s0 += Paar(v + k) - b;
      s1 += Paar(v + k + 2) - b;
    }
  }
  double rest = 0;
  for (; k < e; ++k)
    rest += (g ? g[k - a] : 1.0) * (v[k] - bezug);
  return Summe(s0, s1) + rest;
}

// Plain sum of g[0..anzahl) in four lanes.
double Gewichtssumme(const double* g, int anzahl) {
  return Lanensumme(g, 0, anzahl, 0.0, nullptr);
}

}  // namespace

std::optional<double> TDichteReihe::Mittel(int von, int bis, const double* gewicht) const {
  const auto [a, e] = Bereich(von, bis);
  if (a == e) return std::nullopt;
  const double* v = vorhanden_.data();
  const double bezug = v[a];
  if (!gewicht) return bezug + Lanensumme(v, a, e, bezug, nullptr) / (e - a);
  // The weights of the present positions: a contiguous run of the table when
  // no position of the window is missing, else picked one by one.
  const int erster = std::max(von, 0);
  const double* g = gewicht + (erster - von);
  if (e - a != std::min(bis, Laenge() - 1) - erster + 1) {
    gewichtPuffer_.clear();
    for (int k = a; k < e; ++k)
      gewichtPuffer_.push_back(gewicht[position_[k] - von]);
    g = gewichtPuffer_.data();
  }
  return bezug + Lanensumme(v, a, e, bezug, g) / Gewichtssumme(g, e - a);
}

template <typename Beitrag>
TDichteReihe::TAbweichung TDichteReihe::Abweichung(int von, int bis, double bezug,
                                                   Beitrag beitrag) const {
  const auto [a, e] = Bereich(von, bis);
  const double* v = vorhanden_.data();
  double s0 = 0, s1 = 0, s2 = 0, s3 = 0;
  int k = a;
  for (; k + 4 <= e; k += 4) {
    s0 += beitrag(v[k] - bezug);
    s1 += beitrag(v[k + 1] - bezug);
    s2 += beitrag(v[k + 2] - bezug);
    s3 += beitrag(v[k + 3] - bezug);
  }
  for (; k < e; ++k)
    s0 += beitrag(v[k] - bezug);
  return {(s0 + s1) + (s2 + s3), e - a};
}

TDichteReihe::TAbweichung TDichteReihe::Betragsabweichung(int von, int bis, double bezug) const {
  return Abweichung(von, bis, bezug, [](double x) { return std::fabs(x); });
}

TDichteReihe::TAbweichung TDichteReihe::Quadratabweichung(int von, int bis, double bezug) const {
  return Abweichung(von, bis, bezug, [](double x) { return x * x; });
}

}  // namespace morvane
