#include "online/wptraeger.h"

#include <utility>

namespace morvane {

TWPTraeger::TWPTraeger(std::string id, TWPStammdaten stammdaten, bool tageskurse)
    : id_(std::move(id)),
      stammdaten_(std::move(stammdaten)),
      tageskurse_(tageskurse),
      kandidaten_(stammdaten_, tageskurse) {}

std::optional<std::string> TWPTraeger::NaechsteQuelle() {
  std::optional<TKandidat> kandidat = kandidaten_.Naechster();
  if (!kandidat) return std::nullopt;
  satzKennung_ = std::move(kandidat->SatzKennung);
  anfrageKennung_ = std::move(kandidat->AnfrageKennung);
  return std::move(kandidat->Anzeigename);
}

}  // namespace morvane
