#pragma once

#include <string>
#include <string_view>

#include "online/updateindex.h"

namespace morvane {

inline constexpr std::string_view kUpdateIndexDatei = "index.txt";

// Publishing side of the online update: lists every price-source file of
// `verzeichnis` ("*.mvq" but the user's own anwender.mvq, by name), checks
// each as the program will before installing it, and writes the index signed
// with the private key (PEM) atomically as `verzeichnis`/index.txt. Raises
// EUpdateIndex or EQuellendatei naming the first file that would be refused;
// the previous index then stays.
TUpdateIndex UpdateVerzeichnisSignieren(const std::string& verzeichnis, std::string_view privatPem,
                                        bool deaktiviert);

}  // namespace morvane
