#pragma once

#include <string>

namespace morvane {

class THauptfenster;
class TEinstellungen;

// Connects the indicator set's dialogs: "Indikatoren anpassen..." (menu and
// the chart's popup menu) and "Diesen Indikator anpassen..." of the popup
// menu. OK commits the edited set to the templates, recomputes the shown
// chart and saves the settings; Cancel changes nothing. The window and the
// settings must outlive the connections.
void IndikatorenVerbinden(THauptfenster& fenster, TEinstellungen& einstellungen,
                          const std::string& programmverzeichnis);

}  // namespace morvane
