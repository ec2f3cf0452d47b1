#pragma once

#include <string>

namespace morvane {

class THauptfenster;
class TEinstellungen;

// Connects the price update: "Kursaktualisierung..." (menu and "K": the
// choice of catalogs and scope, then the run) and "Tageskurse" /
// "Historische Kurse" of the two list popups (the selected catalogs' or the
// selected security's prices). The main window is disabled during the run and
// enabled again however it ends; afterwards the chart shows the new prices
// and the outcome is shown: a message or the list of securities without
// prices. The window and the settings must outlive the connections.
void KursaktuVerbinden(THauptfenster& fenster, TEinstellungen& einstellungen,
                       const std::string& programmverzeichnis);

}  // namespace morvane
