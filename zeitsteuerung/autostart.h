#pragma once

#include <string>
#include <string_view>

namespace morvane {

// The desktop's autostart entry that starts the scheduler at every login.
inline constexpr std::string_view kAutostartName = "Morvane Zeitsteuerung";
inline constexpr std::string_view kAutostartDatei = "morvane-zeitsteuerung.desktop";

// $XDG_CONFIG_HOME/autostart/ when that variable names an absolute path, else
// ~/.config/autostart/ (the home from HOME, else the user database). Ends
// with "/". Raises EZeitsteuerung when no home directory is known.
std::string AutostartVerzeichnis();

// One argument of an Exec line: kept as it is when it holds only harmless
// characters, else in double quotes with ", `, $ and \ escaped; "%" doubled
// in both cases.
std::string ExecArgument(std::string_view argument);

// The entry's text: Name, the Exec line with the program and its program
// directory (each quoted, and escaped once more as the value of a string
// key), and the flags that keep it out of the menu and enable it.
std::string AutostartText(const std::string& programm, const std::string& programmverzeichnis);

// Writes the entry into `verzeichnis` (created when missing) atomically.
// Raises EZeitsteuerung with the bare reason; a path that is no valid UTF-8
// cannot stand in an entry and is refused the same way.
void AutostartSchreiben(const std::string& verzeichnis, const std::string& programm,
                        const std::string& programmverzeichnis);

// Deletes the entry from `verzeichnis`; a missing entry is no failure.
// Raises EZeitsteuerung with the bare reason.
void AutostartEntfernen(const std::string& verzeichnis);

}  // namespace morvane
