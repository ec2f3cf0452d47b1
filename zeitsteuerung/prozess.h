#pragma once

#include <sys/types.h>

#include <string>

namespace morvane {

// The path of the program that runs as process `pid`: /proc/<pid>/exe, else
// the first word of its command line. Empty when the process is gone.
std::string ProgrammVonProzess(pid_t pid);

// Whether process `pid` runs the scheduler `programm` (an absolute path): its
// executable is that file, or its command line starts with that path or a
// program of the scheduler's name. A signal goes only to such a process.
bool IstZeitsteuerung(pid_t pid, const std::string& programm);

// Starts the scheduler `programm` for `programmverzeichnis` in a session of
// its own, detached from the caller: an intermediate shell starts it in the
// background and ends at once, so the caller is left with no child to reap
// and the scheduler outlives it. Standard input and output go to /dev/null.
// Raises EZeitsteuerung when the shell cannot be started.
void ZeitsteuerungStarten(const std::string& programm, const std::string& programmverzeichnis);

// Runs `befehl` through /bin/sh and waits for it; its exit status, or
// 128 + the signal that ended it. Raises EZeitsteuerung when the shell cannot
// be started.
int BefehlAusfuehren(const std::string& befehl);

}  // namespace morvane
