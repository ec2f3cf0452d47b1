#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace morvane {

// The scheduler program `zeitsteuerung`: takes the lock of its program
// directory, then waits for the time points of the schedule in the settings
// file (read again whenever the file changes) and runs them, until SIGTERM or
// SIGINT arrives or the schedule is switched off. Everything it does goes to
// the log book; `fehler` gets only what happens before the log book is there.
// Exit status 0 also when another scheduler holds the lock (that one does
// the work, which is what was asked for), 1 on a failure at the start, 2 on
// wrong arguments. `argumente` are those after the program name.
int ZeitsteuerungProgramm(const std::vector<std::string>& argumente, std::ostream& aus,
                          std::ostream& fehler);

}  // namespace morvane
