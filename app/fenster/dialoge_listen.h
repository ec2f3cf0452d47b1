#pragma once

namespace morvane {

class THauptfenster;
class TEinstellungen;

// Connects the six list commands (selection dialog, then the list window) and
// "Exportieren" of a catalog and of a security (options, file chooser, the
// text file). The window and the settings must outlive the connections.
void ListenVerbinden(THauptfenster& fenster, TEinstellungen& einstellungen);

}  // namespace morvane
