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
  if (g) {
    for (; k < e; ++k)
      rest += g[k - a] * (v[k] - bezug);
  } else {
    for (; k < e; ++k)
      rest += v[k] - bezug;
  }
  return Summe(s0, s1) + rest;
}

// Plain sum of g[0..anzahl) in four lanes.
double Gewichtssumme(const double* g, int anzahl) {
  return Lanensumme(g, 0, anzahl, 0.0, nullptr);
}

// The exponential weights are scaled by 2^-n, which changes no quotient but
// keeps long windows finite. An unknown weighting is taken as unweighted.
TFenstergewichte Fenstergewichte(int gewichtung, int n) {
  TFenstergewichte gewichte;
  if (gewichtung != kgLinear && gewichtung != kgExponentiell) return gewichte;
  gewichte.Gewicht.resize(static_cast<std::size_t>(n));
  for (int j = 1; j <= n; ++j) {
    gewichte.Gewicht[j - 1] = gewichtung == kgLinear ? j : std::ldexp(1.0, j - n);
  }
  gewichte.Summe = Gewichtssumme(gewichte.Gewicht.data(), n);
  return gewichte;
}

}  // namespace

TZeitreihe Kursdurchschnitt(const TKurse& kurse, int gewichtung, int n) {
  TZeitreihe ergebnis = Preisbereich(kurse);
  if (n < 1) return ergebnis;
  const auto k = kurse.Alle();
  const TDichteReihe schluss = TDichteReihe::Schlusskurse(kurse);
  const TFenstergewichte gewichte = Fenstergewichte(gewichtung, n);
  for (int i = 0; i < schluss.Laenge(); ++i) {
    if (!schluss.Da(i)) continue;
    ergebnis.Setzen(k[i].Datum, *schluss.Mittel(i - n + 1, i, gewichte));
  }
  return ergebnis;
}

namespace {

TZeitreihe Fensterdurchschnitt(const TZeitreihe& reihe, int n, const TFenstergewichte& gewichte) {
  TZeitreihe ergebnis(reihe.Von(), reihe.Bis());
  if (n < 1) return ergebnis;
  const TDichteReihe werte(reihe);
  for (int d = 0; d < werte.Laenge(); ++d) {
    if (auto mittel = werte.Mittel(d - n + 1, d, gewichte)) {
      ergebnis.Setzen(werte.Von() + d, *mittel);
    }
  }
  return ergebnis;
}

}  // namespace

TZeitreihe Durchschnitt(const TZeitreihe& reihe, int n) {
  return Fensterdurchschnitt(reihe, n, {});
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

template <typename Quelle>
void TDichteReihe::Fuellen(std::size_t laenge, Quelle wert) {
  // Every value is written at the next free place and kept by counting it.
  vorhanden_.resize(laenge);
  position_.resize(laenge);
  davor_.resize(laenge + 1);
  int anzahl = 0;
  for (std::size_t i = 0; i < laenge; ++i) {
    const std::optional<double> w = wert(i);
    davor_[i] = anzahl;
    vorhanden_[Index(anzahl)] = w.value_or(0.0);
    position_[Index(anzahl)] = static_cast<int>(i);
    anzahl += w.has_value();
  }
  davor_[laenge] = anzahl;
  vorhanden_.resize(Index(anzahl));
  position_.resize(Index(anzahl));
}

TDichteReihe::TDichteReihe(const TZeitreihe& reihe) : von_(reihe.Von()) {
  if (!reihe.Enthaelt(reihe.Von())) return;
  const auto laenge = static_cast<std::int64_t>(reihe.Bis()) - von_ + 1;
  Fuellen(static_cast<std::size_t>(laenge),
          [&](std::size_t i) { return reihe.Lesen(von_ + static_cast<Boersentag>(i)); });
}

TDichteReihe TDichteReihe::Schlusskurse(const TKurse& kurse) {
  const auto k = kurse.Alle();
  TDichteReihe reihe;
  reihe.Fuellen(k.size(), [&](std::size_t i) {
    return Vorhanden(k[i].Schluss) ? std::optional<double>(k[i].Schluss) : std::nullopt;
  });
  return reihe;
}

std::pair<int, int> TDichteReihe::Bereich(int von, int bis) const {
  const int erster = std::max(von, 0);
  const int letzter = std::min(bis, Laenge() - 1);
  if (erster > letzter) return {0, 0};
  return {davor_[static_cast<std::size_t>(erster)], davor_[static_cast<std::size_t>(letzter) + 1]};
}

bool TDichteReihe::MittelBilden(int von, int bis, const TFenstergewichte& gewichte,
                                double& mittel) const {
  const auto [a, e] = Bereich(von, bis);
  if (a == e) return false;
  const double* v = vorhanden_.data();
  const double bezug = v[a];
  if (gewichte.Gewicht.empty()) {
    mittel = bezug + Lanensumme(v, a, e, bezug, nullptr) / (e - a);
    return true;
  }
  // The weights of the present positions: a contiguous run of the table when
  // no position of the window is missing, else picked one by one.
  const double* gewicht = gewichte.Gewicht.data();
  const int erster = std::max(von, 0);
  const double* g = gewicht + (erster - von);
  if (e - a == std::min(bis, Laenge() - 1) - erster + 1) {
    const bool ganz = e - a == bis - von + 1;
    const double summe = ganz ? gewichte.Summe : Gewichtssumme(g, e - a);
    mittel = bezug + Lanensumme(v, a, e, bezug, g) / summe;
    return true;
  }
  const int* pos = position_.data();
  double s[4] = {0, 0, 0, 0};
  double n[4] = {0, 0, 0, 0};
  int k = a;
  for (; k + 4 <= e; k += 4) {
    for (int l = 0; l < 4; ++l) {
      const double gk = gewicht[pos[k + l] - von];
      s[l] += gk * (v[k + l] - bezug);
      n[l] += gk;
    }
  }
  for (; k < e; ++k) {
    const double gk = gewicht[pos[k] - von];
    s[0] += gk * (v[k] - bezug);
    n[0] += gk;
  }
  mittel = bezug + ((s[0] + s[1]) + (s[2] + s[3])) / ((n[0] + n[1]) + (n[2] + n[3]));
  return true;
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
