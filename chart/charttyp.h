#pragma once

#include <cstdint>

namespace morvane {

// How the security chart draws the prices. The view keeps the type in the byte
// it has in the settings and the templates. A byte read from a file that names
// none of the five is kept as it is (and written back unchanged); a view with
// such a type draws no prices.
enum class TCharttyp : std::uint8_t {
  Linie = 1,
  Balken = 2,
  Kerze = 3,
  PointFigure = 4,
  Equivolume = 5,
};

// Whether `typ` is one of the five types.
constexpr bool IstBekannt(TCharttyp typ) {
  return typ >= TCharttyp::Linie && typ <= TCharttyp::Equivolume;
}

}  // namespace morvane
