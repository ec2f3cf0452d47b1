#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace morvane {

class TEinstellungen;
class TLogbuch;
class TZeitplaner;

// Where the apply step finds what it manages.
struct TZeitsteuerungOrt {
  std::string Programm;             // absolute path of the scheduler program
  std::string Programmverzeichnis;  // ending with "/"
  std::string Autostart;            // directory of the autostart entries
  // How long a scheduler asked to end may take to let go of its lock.
  std::chrono::milliseconds Wartezeit{10000};
};

// The places for `programmverzeichnis`: the scheduler beside the running
// program when it is there, else the one in the program directory; the
// desktop's autostart directory.
TZeitsteuerungOrt ZeitsteuerungOrt(const std::string& programmverzeichnis);

// Asks the scheduler of the program directory to end (SIGTERM, only after
// checking that the process holding the lock runs the scheduler) and waits
// until it has let go of its lock. Nothing happens when none runs. Raises
// EZeitsteuerung when the holder of the lock is no scheduler or does not end
// in time.
void ZeitsteuerungBeenden(const TZeitsteuerungOrt& ort);

// Applies the schedule after the settings were saved: ends a running
// scheduler, writes the autostart entry when the schedule is enabled or
// deletes it when not, and starts the scheduler when enabled (a missing
// program is only logged). Returns the message to show when something
// failed, which is written to the log book too:
// "Fehler beim Einrichten der Zeitsteuerung in die Autostart-Liste. (...)" or
// "Fehler beim Entfernen der Zeitsteuerung aus der Autostart-Liste. (...)".
std::optional<std::string> ZeitsteuerungAnwenden(const TZeitsteuerungOrt& ort,
                                                 const TZeitplaner& zeitplaner, TLogbuch& logbuch);
std::optional<std::string> ZeitsteuerungAnwenden(const std::string& programmverzeichnis,
                                                 const TZeitplaner& zeitplaner, TLogbuch& logbuch);

// At the desktop program's start: applies the schedule of `einstellungen`
// when it is enabled and no scheduler runs for its program directory (after a
// crash, or when the autostart entry was removed by hand). Nothing otherwise.
std::optional<std::string> ZeitsteuerungBeimStart(TEinstellungen& einstellungen, TLogbuch& logbuch);

}  // namespace morvane
