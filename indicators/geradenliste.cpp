#include "indicators/geradenliste.h"

namespace morvane {

TGeradenListe::TGeradenListe(Boersentag von, Boersentag bis) {
  if (bis < von) return;
  von_ = von;
  bis_ = bis;
  slots_.resize(static_cast<std::size_t>(static_cast<std::int64_t>(bis) - von + 1));
}

void TGeradenListe::Setzen(Boersentag tag, const TGerade& gerade) {
  if (Enthaelt(tag)) slots_[static_cast<std::size_t>(tag - von_)] = gerade;
}

std::optional<TGerade> TGeradenListe::Lesen(Boersentag tag) const {
  if (!Enthaelt(tag)) return std::nullopt;
  return slots_[static_cast<std::size_t>(tag - von_)];
}

void TGeradenListe::Freigeben() {
  for (auto& slot : slots_)
    slot.reset();
}

}  // namespace morvane
