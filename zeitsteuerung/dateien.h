#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// The scheduler's two small files in the program directory.

// The settings the options dialog does not show, one "Schlüssel=Wert" a
// line, "#" starts a comment. "Herunterfahren=" names the command run after a
// time point that asks to shut down; an empty value shuts nothing down.
inline constexpr std::string_view kZeitsteuerungKonfiguration = "zeitsteuerung.cfg";
inline constexpr std::string_view kStandardHerunterfahren = "systemctl poweroff";

// The shut-down command of `programmverzeichnis`: the file's value, else the
// default. Raises EZeitsteuerung when the file exists but cannot be read.
std::string HerunterfahrBefehl(const std::string& programmverzeichnis);

// How far the scheduler has looked at the schedule: every time point up to
// this moment has been run or was not due. Kept across restarts, so that a
// time point missed while the machine was off runs once at the next start of
// the same day and never twice.
inline constexpr std::string_view kZeitsteuerungStand = "zeitsteuerung.stand";

// Empty when the file is missing or damaged.
std::optional<std::time_t> StandLesen(const std::string& programmverzeichnis);
// Writes the file atomically; raises EZeitsteuerung naming the file.
void StandSchreiben(const std::string& programmverzeichnis, std::time_t stand);

}  // namespace morvane
