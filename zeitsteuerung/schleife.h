#pragma once

#include <chrono>
#include <ctime>
#include <functional>
#include <string>

#include "online/zeitplaner.h"
#include "zeitsteuerung/termine.h"

namespace morvane {

// What the scheduler's loop needs from its surroundings; the program gives
// it the system clock, the signal wait and the real update run, tests fake
// them.
struct TSchleifenUmgebung {
  std::function<std::time_t()> Uhr;
  // Waits up to the given time and returns early once the end was asked for.
  std::function<void(std::chrono::seconds)> Warten;
  std::function<bool()> Beendet;
  // The schedule as the settings file holds it now.
  std::function<TZeitplaner()> Plan;
  // The update of one job's catalogs.
  std::function<void(const TAuftrag&)> Aktualisieren;
  // Runs the shut-down command.
  std::function<void()> Herunterfahren;
  // A line for the log book.
  std::function<void(const std::string&)> Protokoll;
};

// The longest the loop sleeps at once, so that it notices a changed settings
// file and a changed clock (after the machine slept) in good time.
inline constexpr std::chrono::seconds kHoechsteWartezeit{30};
// How often the loop records how far it has looked when nothing is due.
inline constexpr std::time_t kStandSichernAlle = 600;

// The scheduler: runs the time points due since the recorded state on the
// same day (missed ones at the start), then waits for each next one, until
// the end is asked for or the schedule is switched off. The state in the
// program directory is written before every run, so that a run is never
// repeated, and at the end. Without a recorded state nothing counts as
// missed.
void ZeitschleifeAusfuehren(const std::string& programmverzeichnis, TSchleifenUmgebung& umgebung);

}  // namespace morvane
