#pragma once

#include <string>
#include <vector>

namespace morvane {

class THauptfenster;
class TEinstellungen;

// Connects "Neu..." (menu, catalog popup and security popup) to the dialog
// that creates securities; the lists are refilled once it closes. The window
// and the settings must outlive the connection.
void WPNeuVerbinden(THauptfenster& fenster, TEinstellungen& einstellungen,
                    const std::string& programmverzeichnis);

// The templates file: the one in the program directory, else the one shipped
// beside the program (`programmpfad`, the running program's directory) or
// installed below ../share/morvane/. When none exists, the first candidate,
// so that the error names where it was expected.
std::string VorlagendateiFinden(const std::string& programmverzeichnis,
                                const std::string& programmpfad);

}  // namespace morvane
