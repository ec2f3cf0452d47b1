#include "indicators/regression.h"

#include <cstdint>

#include "indicators/bausteine.h"
#include "indicators/exaktsumme.h"

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
// as every sum uses the same one.
struct TPunktsummen {
  std::int64_t Anzahl = 0;
  std::int64_t SummeX = 0;
  std::int64_t SummeXX = 0;
  TExakteSumme SummeY;
  TExakteSumme SummeXY;

  void Aendern(std::int64_t x, double y, int richtung) {
    Anzahl += richtung;
    SummeX += richtung * x;
    SummeXX += richtung * x * x;
    if (richtung > 0) {
      SummeY.Plus(y);
      SummeXY.PlusProdukt(static_cast<double>(x), y);
    } else {
      SummeY.Minus(y);
      SummeXY.MinusProdukt(static_cast<double>(x), y);
    }
  }

  // The line; `verschiebung` is added to x to give the window position.
  std::optional<TRegression> Gerade(std::int64_t verschiebung) const {
    const __int128 k = Anzahl;
    const __int128 sxx = k * SummeXX - static_cast<__int128>(SummeX) * SummeX;
    if (sxx <= 0) return std::nullopt;  // a single point
    // k * sum(xy) - sum(x) * sum(y): the slope's numerator, exact; it does not
    // depend on the origin of x.
    TExakteSumme zaehler;
    zaehler.PlusVielfaches(SummeXY, static_cast<double>(Anzahl));
    zaehler.PlusVielfaches(SummeY, -static_cast<double>(SummeX));
    const auto anzahl = static_cast<std::uint64_t>(Anzahl);
    TRegression r;
    r.XMittel = static_cast<double>(SummeX + verschiebung * Anzahl) / static_cast<double>(Anzahl);
    r.YMittel = SummeY.Quotient(anzahl);
    r.Steigung = zaehler.Quotient(static_cast<std::uint64_t>(sxx));
    return r;
  }
};

bool Endpunkt(std::span<const double> schluss, int a, int n) {
  return n >= 1 && a + 1 >= n && a < std::ssize(schluss) && Vorhanden(schluss[a]);
}

}  // namespace

std::optional<TRegression> Regression(std::span<const double> schluss, int a, int n) {
  if (!Endpunkt(schluss, a, n)) return std::nullopt;
  TPunktsummen summen;
  for (int x = 1; x <= n; ++x) {
    const double y = schluss[a - n + x];
    if (Vorhanden(y)) summen.Aendern(x, y, 1);
  }
  return summen.Gerade(0);
}

std::vector<std::optional<TRegression>> Regressionen(std::span<const double> schluss, int n) {
  std::vector<std::optional<TRegression>> geraden(schluss.size());
  if (n < 1) return geraden;
  // x is the record index; window position = index - (a - n).
  TPunktsummen summen;
  for (int a = 0; a < std::ssize(schluss); ++a) {
    const int weg = a - n;
    if (weg >= 0 && Vorhanden(schluss[weg])) summen.Aendern(weg, schluss[weg], -1);
    if (Vorhanden(schluss[a])) summen.Aendern(a, schluss[a], 1);
    if (Endpunkt(schluss, a, n)) geraden[static_cast<std::size_t>(a)] = summen.Gerade(n - a);
  }
  return geraden;
}

}  // namespace morvane
