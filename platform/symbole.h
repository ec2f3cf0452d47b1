#pragma once

#include <span>
#include <string_view>

class QIcon;

namespace morvane {

// The program's icons, drawn as SVG on a 24-pixel grid and built into the
// program as Qt resources (platform/symbole.qrc), so they need no files at run
// time and stay sharp at every size:
//   "morvane"            the program icon (also installed for the desktop menu)
//   "linienchart", "balkenchart", "kerzenchart", "pointfigure", "equivolume"
//                        the five chart types
//   "kursaktualisierung" the "K" button (price update)
//   "ansicht", "indikatoren", "infobereich", "drucken", "umsatz"
//                        chart view, indicator bar, info area, print, volume
std::span<const std::string_view> SymbolNamen();

// The icon `name` (one of SymbolNamen()). Any other name is a programmer error
// and throws std::logic_error, so a misspelt name shows at once rather than as
// an empty button. Needs a QGuiApplication.
QIcon Symbol(std::string_view name);

}  // namespace morvane
