#include "core/zeitreihe.h"

namespace morvane {

void TZeitreihe::Erzeugen(Boersentag von, Boersentag bis) {
  const std::int64_t laenge = Laenge(von, bis);
  werte_.clear();
  belegt_.clear();
  if (laenge <= 0) {
    von_ = bis_ = 0;
    return;
  }
  von_ = von;
  bis_ = bis;
  werte_.assign(static_cast<std::size_t>(laenge), 0.0);
  belegt_.assign(static_cast<std::size_t>(laenge), 0);
}

}  // namespace morvane
