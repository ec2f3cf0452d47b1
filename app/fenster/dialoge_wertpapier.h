#pragma once

#include <string>

namespace morvane {

class THauptfenster;
class TEinstellungen;

// Connects the commands on the selected security and catalogs: properties,
// price table, transactions, split, copy/move and delete of a security,
// rename and delete of catalogs. Each refills the lists or reloads the chart
// afterwards. The window must outlive the connections.
void WertpapierDialogeVerbinden(THauptfenster& fenster, TEinstellungen& einstellungen,
                                const std::string& programmverzeichnis);

}  // namespace morvane
