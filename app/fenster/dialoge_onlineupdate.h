#pragma once

#include <string>

namespace morvane {

class THauptfenster;
class TEinstellungen;

// Connects "Online-Update jetzt durchführen": the window is disabled, the
// update runs with the progress window, its outcome is shown in a message
// box and the window is enabled again, whatever happened. `schluessel` is
// the public key of the index (32 raw bytes; empty: the built-in one). The
// window and the settings must outlive the connection.
void OnlineUpdateVerbinden(THauptfenster& fenster, TEinstellungen& einstellungen,
                           const std::string& programmverzeichnis, std::string schluessel = {});

}  // namespace morvane
