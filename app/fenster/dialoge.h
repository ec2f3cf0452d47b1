#pragma once

#include <string>

namespace morvane {

class THauptfenster;
class TEinstellungen;

// Connects the commands whose dialogs and pages live outside the main window:
// "Hilfethemen" (the HTML help beside the program in `programmverzeichnis`)
// and "Chart..." (the chart view dialog with its templates). The window and
// the settings must outlive the connections.
void DialogeVerbinden(THauptfenster& fenster, TEinstellungen& einstellungen,
                      const std::string& programmverzeichnis);

}  // namespace morvane
