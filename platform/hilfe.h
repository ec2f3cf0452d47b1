#pragma once

#include <string>
#include <vector>

#include "core/exception.h"

namespace morvane {

MORVANE_EXCEPTION(EHilfe, Exception);

// The folders searched for the HTML help, in this order:
//  1. <programmverzeichnis>/hilfe — the program directory (the executable's,
//     or the one MORVANE_HOME / --programmverzeichnis names);
//  2. <directory of the running executable>/hilfe and
//     <directory of the running executable>/../share/morvane/hilfe — where
//     `cmake --install` puts it (bin/ and share/morvane/ under the prefix);
//     only while a QCoreApplication exists;
//  3. in a build tree only, the source tree's hilfe/ (the compile definition
//     MORVANE_HILFE_QUELLE, set by platform/CMakeLists.txt), so a program
//     started from build/ finds the help without an install.
// Duplicates are left out; the folders need not exist.
std::vector<std::string> HilfeVerzeichnisse(const std::string& programmverzeichnis);

// The file URL of help page `seite` ("chart.html", or with an anchor
// "chart.html#tastatur") in the first of `verzeichnisse` that holds that page.
// Throws EHilfe naming every searched path when none does, and for a page name
// that is empty, absolute or leads out of the help folder ("..").
std::string HilfeAdresse(const std::vector<std::string>& verzeichnisse, const std::string& seite);

// Opens a help page in the desktop's browser (QDesktopServices). Throws EHilfe
// naming the path when the help is missing or the desktop cannot open it.
// Needs a QGuiApplication.
void HilfeOeffnen(const std::string& programmverzeichnis, const std::string& seite = "index.html");

}  // namespace morvane
