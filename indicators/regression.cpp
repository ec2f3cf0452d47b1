#include "indicators/regression.h"

#include "indicators/bausteine.h"

namespace morvane {

std::optional<TRegression> Regression(std::span<const TKurs> kurse, int a, int n) {
  if (n < 1 || a + 1 < n || a >= std::ssize(kurse) || !Vorhanden(kurse[a].Schluss)) {
    return std::nullopt;
  }
  const int erster = a - n + 1;
  int k = 0;
  double summeX = 0;
  double summeY = 0;
  for (int x = 1; x <= n; ++x) {
    const double y = kurse[erster + x - 1].Schluss;
    if (!Vorhanden(y)) continue;
    ++k;
    summeX += x;
    summeY += y;
  }
  if (k == 0) return std::nullopt;
  TRegression r;
  r.XMittel = summeX / k;
  r.YMittel = summeY / k;
  // Sums of products of the distances from the means: the same quantities as
  // sum(x^2) - k*mean^2, without cancellation.
  double sxx = 0;
  double sxy = 0;
  for (int x = 1; x <= n; ++x) {
    const double y = kurse[erster + x - 1].Schluss;
    if (!Vorhanden(y)) continue;
    sxx += (x - r.XMittel) * (x - r.XMittel);
    sxy += (x - r.XMittel) * (y - r.YMittel);
  }
  if (sxx == 0) return std::nullopt;
  r.Steigung = sxy / sxx;
  return r;
}

}  // namespace morvane
