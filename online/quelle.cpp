#include "online/quelle.h"

#include <array>

namespace morvane {

std::string_view QuellenArtText(std::uint8_t art) {
  static constexpr std::array<std::string_view, 5> kTexte = {
      "Internet (aktuell)", "Internet (historisch)", "Textdatei (akt./hist.)", "Internet",
      "Textdatei"};
  return art < kTexte.size() ? kTexte[art] : std::string_view();
}

std::string TQuelle::Anzeigename() const {
  return std::string(QuellenArtText(Art)) + ": " + Name;
}

}  // namespace morvane
