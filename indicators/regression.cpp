#include "indicators/regression.h"

#include <cmath>
#include <cstdint>

#include "indicators/bausteine.h"
#include "indicators/exaktsumme.h"
#include "indicators/festkomma.h"
#include "indicators/schaetzung.h"

namespace morvane {

std::vector<double> Schlussfolge(const TKurse& kurse) {
  std::vector<double> schluss;
  schluss.reserve(kurse.Alle().size());
  for (const TKurs& k : kurse.Alle())
    schluss.push_back(Vorhanden(k.Schluss) ? k.Schluss : 0.0);
  return schluss;
}

namespace {

// The sums of a window's points (x, y): x counted from any origin, as long
// as every sum uses the same one. Summe is TExakteSumme, or TSchaetzsumme for
// estimates.
template <typename Summe>
struct TPunktsummen {
  std::int64_t Anzahl = 0;
  std::int64_t SummeX = 0;
  std::int64_t SummeXX = 0;
  Summe SummeY;
  Summe SummeXY;

  void Aendern(std::int64_t x, double y, int richtung) {
    Anzahl += richtung;
    SummeX += richtung * x;
    SummeXX += richtung * x * x;
    SummeY.Plus(richtung * y);
    SummeXY.PlusProdukt(static_cast<double>(richtung * x), y);
  }

  // k * sum(xx) - sum(x)^2: 0 for a single point.
  __int128 Sxx() const {
    return static_cast<__int128>(Anzahl) * SummeXX - static_cast<__int128>(SummeX) * SummeX;
  }
  double XMittel(std::int64_t verschiebung) const {
    return static_cast<double>(SummeX + verschiebung * Anzahl) / static_cast<double>(Anzahl);
  }
};

// The line; `verschiebung` is added to x to give the window position.
std::optional<TRegression> Gerade(const TPunktsummen<TExakteSumme>& s, std::int64_t verschiebung) {
  const __int128 sxx = s.Sxx();
  if (sxx <= 0) return std::nullopt;  // a single point
  // k * sum(xy) - sum(x) * sum(y): the slope's numerator, exact; it does not
  // depend on the origin of x.
  TExakteSumme zaehler;
  zaehler.PlusVielfaches(s.SummeXY, static_cast<double>(s.Anzahl));
  zaehler.PlusVielfaches(s.SummeY, -static_cast<double>(s.SummeX));
  TRegression r;
  r.XMittel = s.XMittel(verschiebung);
  r.YMittel = s.SummeY.Quotient(static_cast<std::uint64_t>(s.Anzahl));
  r.Steigung = zaehler.Quotient(static_cast<std::uint64_t>(sxx));
  return r;
}

// f * the estimated sum, into `ziel`.
void VielfachesBuchen(TSchaetzsumme& ziel, const TSchaetzung& summe, double f, double& fehler) {
  ziel.PlusProdukt(summe.Hoch, f);
  ziel.PlusProdukt(summe.Tief, f);
  fehler += summe.Fehler * std::fabs(f);
}

// Gerade from estimates: false where they cannot decide it.
bool GeschaetzteGerade(const TPunktsummen<TSchaetzsumme>& s, std::int64_t verschiebung,
                       std::optional<TRegression>& gerade) {
  const __int128 sxx = s.Sxx();
  gerade.reset();
  if (sxx <= 0) return true;
  TSchaetzsumme zaehler;
  const TSchaetzung y = s.SummeY.Schaetzung();
  double fehler = 0;
  VielfachesBuchen(zaehler, s.SummeXY.Schaetzung(), static_cast<double>(s.Anzahl), fehler);
  VielfachesBuchen(zaehler, y, -static_cast<double>(s.SummeX), fehler);
  TSchaetzung z = zaehler.Schaetzung();
  z.Fehler += fehler * (1 + 0x1p-50);
  const auto steigung =
      sxx >> 53 ? std::nullopt : BelegterQuotient(z, static_cast<std::uint64_t>(sxx));
  const auto mittel = BelegterQuotient(y, static_cast<std::uint64_t>(s.Anzahl));
  if (!steigung || !mittel) return false;
  gerade = TRegression{s.XMittel(verschiebung), *mittel, *steigung};
  return true;
}

// A window sum in whole units of a unit every close is a multiple of: the
// Summe of TPunktsummen without rounding or estimate.
struct TGanzsumme {
  int Einheit = 0;
  TGanz Wert = 0;
  void Plus(double y) { Wert += InEinheiten(y, Einheit); }
  void PlusProdukt(double x, double y) {
    Wert += InEinheiten(y, Einheit) * static_cast<std::int64_t>(x);
  }
};

std::optional<TRegression> GanzeGerade(const TPunktsummen<TGanzsumme>& s,
                                       std::int64_t verschiebung) {
  const __int128 sxx = s.Sxx();
  if (sxx <= 0) return std::nullopt;
  const TGanz zaehler = s.SummeXY.Wert * s.Anzahl - s.SummeY.Wert * s.SummeX;
  const int einheit = s.SummeY.Einheit;
  return TRegression{s.XMittel(verschiebung),
                     GanzQuotient(s.SummeY.Wert, einheit, static_cast<std::uint64_t>(s.Anzahl)),
                     GanzQuotient(zaehler, einheit, static_cast<std::uint64_t>(sxx))};
}

bool Endpunkt(std::span<const double> schluss, int a, int n) {
  return n >= 1 && a + 1 >= n && a < std::ssize(schluss) && Vorhanden(schluss[a]);
}

}  // namespace

std::optional<TRegression> Regression(std::span<const double> schluss, int a, int n) {
  if (!Endpunkt(schluss, a, n)) return std::nullopt;
  TPunktsummen<TExakteSumme> summen;
  for (int x = 1; x <= n; ++x) {
    const double y = schluss[a - n + x];
    if (Vorhanden(y)) summen.Aendern(x, y, 1);
  }
  return Gerade(summen, 0);
}

namespace {

// Regressionen in whole units: exact running sums, no window summed afresh.
void GanzeRegressionen(std::span<const double> schluss, int n, int einheit,
                       std::vector<std::optional<TRegression>>& geraden) {
  TPunktsummen<TGanzsumme> summen{.SummeY = {einheit}, .SummeXY = {einheit}};
  for (int a = 0; a < std::ssize(schluss); ++a) {
    const int weg = a - n;
    if (weg >= 0 && Vorhanden(schluss[weg])) summen.Aendern(weg, schluss[weg], -1);
    if (Vorhanden(schluss[a])) summen.Aendern(a, schluss[a], 1);
    if (Endpunkt(schluss, a, n)) geraden[static_cast<std::size_t>(a)] = GanzeGerade(summen, n - a);
  }
}

}  // namespace

std::vector<std::optional<TRegression>> Regressionen(std::span<const double> schluss, int n) {
  std::vector<std::optional<TRegression>> geraden(schluss.size());
  if (n < 1) return geraden;
  // k * sum(xy) and sum(x) * sum(y) weigh each close by at most n * n times
  // the largest record index; the divisor sum(xx) stays below 2^62.
  const auto un = static_cast<std::uint64_t>(n);
  const std::uint64_t gewicht = 2 * un * un * (schluss.size() + un);
  if (n <= 20000 && gewicht < (std::uint64_t{1} << 62)) {
    if (const auto einheit = GemeinsameEinheit(schluss, gewicht)) {
      GanzeRegressionen(schluss, n, *einheit, geraden);
      return geraden;
    }
  }
  // x is the record index; window position = index - (a - n). Running
  // estimates settle nearly every window; where they cannot, the window's
  // line is computed afresh and exactly, and the estimates start over.
  TPunktsummen<TSchaetzsumme> summen;
  for (int a = 0; a < std::ssize(schluss); ++a) {
    const int weg = a - n;
    if (weg >= 0 && Vorhanden(schluss[weg])) summen.Aendern(weg, schluss[weg], -1);
    if (Vorhanden(schluss[a])) summen.Aendern(a, schluss[a], 1);
    if (!Endpunkt(schluss, a, n)) continue;
    auto& gerade = geraden[static_cast<std::size_t>(a)];
    if (GeschaetzteGerade(summen, n - a, gerade)) continue;
    gerade = Regression(schluss, a, n);
    summen = {};
    for (int x = a - n + 1; x <= a; ++x) {
      if (Vorhanden(schluss[x])) summen.Aendern(x, schluss[x], 1);
    }
  }
  return geraden;
}

}  // namespace morvane
