#include "indicators/bewegung.h"

#include <algorithm>
#include <cmath>

#include "indicators/bausteine.h"
#include "indicators/rechenvorrat.h"

namespace morvane {

namespace {

TBewegung Bewegung(const TKurs& heute, const TKurs& gestern) {
  TBewegung b;
  b.AufDa = Vorhanden(heute.Hoch) && Vorhanden(gestern.Hoch);
  b.AbDa = Vorhanden(heute.Tief) && Vorhanden(gestern.Tief);
  b.SpanneDa = Vorhanden(heute.Hoch) && Vorhanden(heute.Tief) && Vorhanden(gestern.Schluss);
  if (b.AufDa) b.Auf = std::max(0.0, heute.Hoch - gestern.Hoch);
  if (b.AbDa) b.Ab = std::max(0.0, gestern.Tief - heute.Tief);
  if (b.SpanneDa) {
    b.Spanne = std::max({heute.Hoch - heute.Tief, std::fabs(heute.Hoch - gestern.Schluss),
                         std::fabs(heute.Tief - gestern.Schluss)});
  }
  return b;
}

}  // namespace

std::vector<TBewegung> Bewegungen(const TKurse& kurse) {
  return TRechenvorrat::Holen<std::vector<TBewegung>>(kurse, "Bewegungen", [&] {
    const auto k = kurse.Alle();
    std::vector<TBewegung> b(k.size());
    for (std::size_t i = 1; i < k.size(); ++i)
      b[i] = Bewegung(k[i], k[i - 1]);
    return b;
  });
}

}  // namespace morvane
