#pragma once

#include <optional>
#include <string>
#include <vector>

namespace morvane {

// The options of the desktop program (besides --programmverzeichnis).
struct TStartoptionen {
  bool OhneSplash = false;
  // Points the settings at this data directory (and saves them at once).
  std::optional<std::string> Datenverzeichnis;
};

// Throws Exception with a German message for an unknown option or a missing
// value. --help is answered before the options are read.
TStartoptionen StartoptionenLesen(const std::vector<std::string>& argumente);

// The desktop program: splash, settings, log book, store, main window, the
// running marker, then the event loop. Returns the exit code.
int MorvaneStarten(int argc, char** argv);

}  // namespace morvane
