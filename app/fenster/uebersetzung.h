#pragma once

class QCoreApplication;

namespace morvane {

// German for Qt's own texts (the buttons of message boxes, file and print
// dialogs) and German number and date formats: the default locale becomes
// de_DE and Qt's German translations are installed when they are present.
// False when they are not (the program then runs with Qt's English texts).
bool QtDeutschLaden(QCoreApplication& anwendung);

}  // namespace morvane
