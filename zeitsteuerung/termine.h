#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

class TZeitplaner;

// When the time points of a schedule fall due. Every time is a moment
// (seconds since the epoch); days, weekdays and times of day are those of the
// local calendar, so a time point keeps its clock time across a change to or
// from summer time. A time point inside the hour skipped in spring falls due
// when the clock has jumped (02:30 becomes 03:30); one inside the hour
// repeated in autumn falls due once.

// The moment at which the time point with `stunde`:`minute` falls on the local
// calendar day that contains `tag`.
std::time_t AmTag(std::time_t tag, int stunde, int minute);

// The first moment after `nach` (strictly) at which an enabled schedule has a
// time point on a ticked weekday; empty when the schedule is off or no time
// point has a weekday.
std::optional<std::time_t> NaechsterTermin(const TZeitplaner& plan, std::time_t nach);

// The indices of the time points due on the local day of `jetzt` in
// (`seit`, `jetzt`]: what the scheduler has to run now. Those of earlier days
// are left out, so a machine that was off overnight catches up on the same
// day only. Empty when the schedule is off.
std::vector<std::size_t> Faellig(const TZeitplaner& plan, std::time_t seit, std::time_t jetzt);

// What one run of the scheduler does for the time points `indizes`: the
// catalogs of all of them (each once, in order of appearance) and whether any
// of them asks to shut down afterwards.
struct TAuftrag {
  std::vector<std::string> Kataloge;
  bool Herunterfahren = false;
  // "18:30 Uhr, 19:00 Uhr" for the log book.
  std::string Zeiten;
};
TAuftrag AuftragFuer(const TZeitplaner& plan, const std::vector<std::size_t>& indizes);

}  // namespace morvane
