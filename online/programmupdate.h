#pragma once

#include <string>

#include "online/kursaktu.h"
#include "online/onlineupdate.h"

namespace morvane {

// The program update for the second run of a top-level update: the online
// update of the source files, with the run's own surroundings (its progress
// window in the desktop program, the log book alone in the scheduler) and
// the update address and User-Agent of the run's account values. True only
// when a newer file was installed. Context and surroundings must outlive the
// returned function. `schluessel` is the index key (empty: the built-in one).
// The online update of the source files through a run's surroundings
// (progress, downloads with the account's User-Agent), from the account's
// update address; the outcome.
TUpdateErgebnis OnlineUpdateMit(TKursaktuUmgebung& umgebung, const std::string& programmverzeichnis,
                                const TKonto& konto, TLogbuch& logbuch,
                                const std::string& schluessel = {});

TProgrammUpdate ProgrammUpdateFuer(TKursaktuKontext& kontext, TKursaktuUmgebung& umgebung,
                                   std::string schluessel = {});

}  // namespace morvane
