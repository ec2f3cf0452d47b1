#include "platform/symbole.h"

#include <QIcon>
#include <QString>
#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

// The resource lives in this static library; registering it from here keeps the
// linker from dropping it and makes it available before the first icon.
static void SymbolRessourcenLaden() {
  Q_INIT_RESOURCE(symbole);
}

namespace morvane {
namespace {

constexpr std::array<std::string_view, 12> kNamen = {
    "morvane", "linienchart",        "balkenchart", "kerzenchart", "pointfigure", "equivolume",
    "ansicht", "kursaktualisierung", "indikatoren", "infobereich", "drucken",     "umsatz"};

}  // namespace

std::span<const std::string_view> SymbolNamen() {
  return kNamen;
}

QIcon Symbol(std::string_view name) {
  if (std::find(kNamen.begin(), kNamen.end(), name) == kNamen.end()) {
    throw std::logic_error("Unbekanntes Symbol '" + std::string(name) + "'.");
  }
  static const bool geladen = (SymbolRessourcenLaden(), true);
  (void)geladen;
  const std::string pfad = ":/symbole/" + std::string(name) + ".svg";
  return QIcon(QString::fromStdString(pfad));
}

}  // namespace morvane
