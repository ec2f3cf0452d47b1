#pragma once

#include <functional>

#include "core/datum.h"

namespace morvane {

// Local date and time of day.
struct TUhrzeit {
  TDatum Datum;
  int Stunde = 0;
  int Minute = 0;
  int Sekunde = 0;
};

// The one place that reads the system clock (local time).
TUhrzeit Jetzt();

// Replaces the clock, for tests that need a fixed "now"; an empty function
// restores the system clock.
void UhrErsetzen(std::function<TUhrzeit()> uhr);

}  // namespace morvane
