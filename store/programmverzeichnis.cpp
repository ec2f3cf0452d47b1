#include "store/programmverzeichnis.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace morvane {
namespace {

namespace fs = std::filesystem;

// Length of the option's argument run at `i`: 0 when argumente[i] is not the
// option, 1 for "--programmverzeichnis=DIR", 2 for "--programmverzeichnis DIR".
std::size_t OptionLaenge(const std::vector<std::string>& argumente, std::size_t i) {
  const std::string& arg = argumente[i];
  if (arg == kProgrammverzeichnisOption) return i + 1 < argumente.size() ? 2 : 1;
  if (arg.size() > kProgrammverzeichnisOption.size() &&
      arg.compare(0, kProgrammverzeichnisOption.size(), kProgrammverzeichnisOption) == 0 &&
      arg[kProgrammverzeichnisOption.size()] == '=') {
    return 1;
  }
  return 0;
}

std::optional<std::string> OptionWert(const std::vector<std::string>& argumente) {
  std::optional<std::string> wert;
  for (std::size_t i = 0; i < argumente.size(); ++i) {
    const std::size_t laenge = OptionLaenge(argumente, i);
    if (laenge == 0) continue;
    const std::string& arg = argumente[i];
    if (laenge == 2) {
      wert = argumente[i + 1];
    } else if (arg.size() > kProgrammverzeichnisOption.size()) {
      wert = arg.substr(kProgrammverzeichnisOption.size() + 1);
    } else {
      wert = std::string();
    }
    if (wert->empty()) {
      throw EProgrammverzeichnis("Die Option " + std::string(kProgrammverzeichnisOption) +
                                 " verlangt ein Verzeichnis.");
    }
    i += laenge - 1;
  }
  return wert;
}

std::string MitSchraegstrich(std::string pfad) {
  if (pfad.empty() || pfad.back() != '/') pfad += '/';
  return pfad;
}

std::string BenanntesVerzeichnis(const std::string& name) {
  std::error_code fehler;
  const fs::path pfad = fs::absolute(fs::path(name), fehler).lexically_normal();
  if (fehler || !fs::is_directory(pfad, fehler)) {
    throw EProgrammverzeichnis("Das Programmverzeichnis '" + name + "' existiert nicht.");
  }
  return MitSchraegstrich(pfad.string());
}

std::string LaufendesProgramm() {
  std::error_code fehler;
  const fs::path pfad = fs::read_symlink("/proc/self/exe", fehler);
  if (fehler) {
    throw EProgrammverzeichnis("Das Programmverzeichnis konnte nicht ermittelt werden.");
  }
  return pfad.string();
}

}  // namespace

std::string ProgrammverzeichnisErmitteln(const std::vector<std::string>& argumente,
                                         const std::optional<std::string>& umgebung,
                                         const std::string& programmdatei) {
  if (auto option = OptionWert(argumente)) return BenanntesVerzeichnis(*option);
  if (umgebung && !umgebung->empty()) return BenanntesVerzeichnis(*umgebung);
  const fs::path programm = fs::absolute(fs::path(programmdatei)).lexically_normal();
  return MitSchraegstrich(programm.parent_path().string());
}

std::string ProgrammverzeichnisErmitteln(const std::vector<std::string>& argumente) {
  std::optional<std::string> umgebung;
  if (const char* wert = std::getenv(kProgrammverzeichnisVariable)) umgebung = wert;
  if (OptionWert(argumente) || (umgebung && !umgebung->empty())) {
    return ProgrammverzeichnisErmitteln(argumente, umgebung, std::string());
  }
  return ProgrammverzeichnisErmitteln(argumente, umgebung, LaufendesProgramm());
}

std::vector<std::string> OhneProgrammverzeichnisOption(const std::vector<std::string>& argumente) {
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < argumente.size(); ++i) {
    const std::size_t laenge = OptionLaenge(argumente, i);
    if (laenge == 0) {
      rest.push_back(argumente[i]);
    } else {
      i += laenge - 1;
    }
  }
  return rest;
}

}  // namespace morvane
