#include "indicators/regression.h"

#include "indicators/bausteine.h"

namespace morvane {

std::vector<double> Schlussfolge(const TKurse& kurse) {
  std::vector<double> schluss;
  schluss.reserve(kurse.Alle().size());
  for (const TKurs& k : kurse.Alle())
    schluss.push_back(Vorhanden(k.Schluss) ? k.Schluss : 0.0);
  return schluss;
}

std::optional<TRegression> Regression(std::span<const double> schluss, int a, int n) {
  if (n < 1 || a + 1 < n || a >= std::ssize(schluss) || !Vorhanden(schluss[a])) {
    return std::nullopt;
  }
  const double* y = schluss.data() + (a - n + 1) - 1;  // y[x] for x = 1..n
  // The x sums start as those of a full window and lose the missing points.
  const double m = n;
  double k = m;
  double summeX = m * (m + 1) / 2;
  double summeXX = m * (m + 1) * (2 * m + 1) / 6;
  // The closes enter as distances from the last close, so that equal closes
  // give exactly that mean and a slope of exactly 0. Two lanes, so that the
  // additions do not all wait on one another.
  const double bezug = schluss[a];
  double d0 = 0, d1 = 0, xd0 = 0, xd1 = 0;
  auto punkt = [&](int x, double& summeD, double& summeXD) {
    if (Vorhanden(y[x])) {
      const double dy = y[x] - bezug;
      summeD += dy;
      summeXD += x * dy;
    } else {
      k -= 1;
      summeX -= x;
      summeXX -= static_cast<double>(x) * x;
    }
  };
  int x = 1;
  for (; x + 1 <= n; x += 2) {
    punkt(x, d0, xd0);
    punkt(x + 1, d1, xd1);
  }
  if (x <= n) punkt(x, d0, xd0);
  const double d = d0 + d1;
  const double xd = xd0 + xd1;
  TRegression r;
  r.XMittel = summeX / k;
  r.YMittel = bezug + d / k;
  // Sxx = sum(x^2) - k * mean(x)^2 and Sxy = sum(x*y) - k * mean(x) * mean(y),
  // with the closes taken relative to the last one.
  const double sxx = summeXX - summeX * summeX / k;
  if (sxx == 0) return std::nullopt;  // a single point
  r.Steigung = (xd - summeX * d / k) / sxx;
  return r;
}

}  // namespace morvane
