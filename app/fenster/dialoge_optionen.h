#pragma once

#include <string>

namespace morvane {

class THauptfenster;
class TEinstellungen;

// Connects "Optionen...": on OK the settings are saved, both lists are filled
// anew (the data directory may have changed) and the selected security is
// shown. The window and the settings must outlive the connection.
void OptionenVerbinden(THauptfenster& fenster, TEinstellungen& einstellungen,
                       const std::string& programmverzeichnis);

}  // namespace morvane
