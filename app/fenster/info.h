#pragma once

#include <string>

class QWidget;

namespace morvane {

// The text of the About box: title, version and where the example prices
// come from.
std::string Infotext();

// The About box "Info" (modal).
void InfoZeigen(QWidget* eltern);

}  // namespace morvane
