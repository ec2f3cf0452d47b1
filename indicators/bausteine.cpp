#include "indicators/bausteine.h"

#include <algorithm>
#include <cmath>

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
  std::vector<double> gewicht(static_cast<std::size_t>(n) + 1, 1.0);
  for (int j = 1; j <= n; ++j) {
    if (gewichtung == kgLinear) gewicht[j] = j;
    if (gewichtung == kgExponentiell) gewicht[j] = std::ldexp(1.0, j - n);
  }
  return gewicht;
}

}  // namespace

TZeitreihe Kursdurchschnitt(const TKurse& kurse, int gewichtung, int n) {
  TZeitreihe ergebnis = Preisbereich(kurse);
  if (n < 1) return ergebnis;
  const auto k = kurse.Alle();
  const std::vector<double> gewicht = Fenstergewichte(gewichtung, n);
  const int anzahl = static_cast<int>(k.size());
  for (int i = 0; i < anzahl; ++i) {
    if (!Vorhanden(k[i].Schluss)) continue;
    const int erster = i - n + 1;
    TFenstermittel mittel;
    for (int r = std::max(0, erster); r <= i; ++r) {
      if (Vorhanden(k[r].Schluss)) mittel.Hinzu(k[r].Schluss, gewicht[r - erster + 1]);
    }
    ergebnis.Setzen(k[i].Datum, mittel.Mittel());
  }
  return ergebnis;
}

namespace {

// Shared loop of the two date-position averages: gewicht(j) for window
// position j = 1..n.
template <typename Gewicht>
TZeitreihe Fensterdurchschnitt(const TZeitreihe& reihe, int n, Gewicht gewicht) {
  TZeitreihe ergebnis(reihe.Von(), reihe.Bis());
  if (n < 1) return ergebnis;
  const TDichteReihe werte(reihe);
  for (int d = 0; d < werte.Laenge(); ++d) {
    const int erster = d - n + 1;
    TFenstermittel mittel;
    for (int b = std::max(0, erster); b <= d; ++b) {
      if (werte.Da(b)) mittel.Hinzu(werte.Wert(b), gewicht(b - erster + 1));
    }
    if (!mittel.Leer()) ergebnis.Setzen(werte.Von() + d, mittel.Mittel());
  }
  return ergebnis;
}

}  // namespace

TZeitreihe Durchschnitt(const TZeitreihe& reihe, int n) {
  return Fensterdurchschnitt(reihe, n, [](int) { return 1.0; });
}

TZeitreihe LinearerDurchschnitt(const TZeitreihe& reihe, int n) {
  return Fensterdurchschnitt(reihe, n, [](int j) { return static_cast<double>(j); });
}

double Verhaeltnisoszillator(double a, double b, double s) {
  if (b == 0) DivisionDurchNull();
  return 100.0 - 100.0 / (1.0 + std::pow(a / b, s));
}

double Differenzoszillator(double d, double s) {
  if (d >= 0) return 100.0 - 100.0 / (d * s + 2.0);
  return 100.0 / (-d * s + 2.0);
}

TDichteReihe::TDichteReihe(const TZeitreihe& reihe) : von_(reihe.Von()) {
  const std::int64_t laenge =
      reihe.Enthaelt(reihe.Von()) ? static_cast<std::int64_t>(reihe.Bis()) - reihe.Von() + 1 : 0;
  werte_.assign(static_cast<std::size_t>(laenge), 0.0);
  da_.assign(static_cast<std::size_t>(laenge), 0);
  for (std::int64_t i = 0; i < laenge; ++i) {
    if (auto wert = reihe.Lesen(von_ + static_cast<Boersentag>(i))) {
      werte_[static_cast<std::size_t>(i)] = *wert;
      da_[static_cast<std::size_t>(i)] = 1;
    }
  }
}

}  // namespace morvane
