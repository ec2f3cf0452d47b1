#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/exception.h"

namespace morvane {

MORVANE_EXCEPTION(EProgrammverzeichnis, Exception);

inline constexpr std::string_view kProgrammverzeichnisOption = "--programmverzeichnis";
inline constexpr const char* kProgrammverzeichnisVariable = "MORVANE_HOME";

// The directory of the settings, the log book, the templates and the price
// sources: the one named by the option --programmverzeichnis (as
// "--programmverzeichnis DIR" or "--programmverzeichnis=DIR"), else the one in
// MORVANE_HOME, else the directory of the running program. The result is
// absolute and ends with "/". A named directory that does not exist, and the
// option without a directory, raise EProgrammverzeichnis. `argumente` are the
// command-line arguments after the program name.
std::string ProgrammverzeichnisErmitteln(const std::vector<std::string>& argumente);

// The same with the environment value and the program file given.
std::string ProgrammverzeichnisErmitteln(const std::vector<std::string>& argumente,
                                         const std::optional<std::string>& umgebung,
                                         const std::string& programmdatei);

// The arguments without the option and its directory, for the caller's own
// argument parsing.
std::vector<std::string> OhneProgrammverzeichnisOption(const std::vector<std::string>& argumente);

}  // namespace morvane
