#include "zeitsteuerung/prozess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string_view>
#include <vector>

#include "core/datei.h"
#include "store/einstellungen.h"
#include "zeitsteuerung/sperre.h"

extern char** environ;

namespace morvane {
namespace {

constexpr std::string_view kGeloescht = " (deleted)";

std::string Verweis(const std::string& pfad) {
  std::error_code fehler;
  std::string ziel = std::filesystem::read_symlink(pfad, fehler).string();
  // A program rebuilt while it runs still is that program.
  if (ziel.ends_with(kGeloescht)) ziel.resize(ziel.size() - kGeloescht.size());
  return ziel;
}

std::string ErstesWort(pid_t pid) {
  const std::string proc = "/proc/" + std::to_string(pid) + "/cmdline";
  try {
    const std::string zeile = DateiLesen(proc, 1 << 16);
    return zeile.substr(0, zeile.find('\0'));
  } catch (const EDatei&) {
    return {};
  }
}

std::string Kanonisch(const std::string& pfad) {
  std::error_code fehler;
  const auto k = std::filesystem::weakly_canonical(pfad, fehler);
  return fehler ? pfad : k.string();
}

// Waits for `pid`, through interrupted calls; its status or -1.
int Ernten(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return status;
}

// Spawns /bin/sh with `argumente` after "sh"; `sitzung` puts it into a
// session of its own with standard input and output on /dev/null. The
// descriptors above 2 that the caller holds (its own locks among them) are
// not passed on.
pid_t Shell(const std::vector<std::string>& argumente, bool sitzung) {
  std::vector<std::string> alle{"sh"};
  alle.insert(alle.end(), argumente.begin(), argumente.end());
  std::vector<char*> argv;
  for (std::string& a : alle)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t aktionen;
  posix_spawn_file_actions_init(&aktionen);
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  if (sitzung) {
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
    posix_spawn_file_actions_addopen(&aktionen, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&aktionen, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&aktionen, 1, 2);
  }
  posix_spawn_file_actions_addclosefrom_np(&aktionen, 3);
  pid_t pid = -1;
  const int fehler = ::posix_spawn(&pid, "/bin/sh", &aktionen, &attr, argv.data(), environ);
  posix_spawnattr_destroy(&attr);
  posix_spawn_file_actions_destroy(&aktionen);
  if (fehler != 0)
    throw EZeitsteuerung("Die Shell /bin/sh ließ sich nicht starten: " + Fehlertext(fehler));
  return pid;
}

}  // namespace

std::string ProgrammVonProzess(pid_t pid) {
  std::string programm = Verweis("/proc/" + std::to_string(pid) + "/exe");
  return programm.empty() ? ErstesWort(pid) : programm;
}

bool IstZeitsteuerung(pid_t pid, const std::string& programm) {
  if (pid <= 0) return false;
  const std::string soll = Kanonisch(programm);
  if (Verweis("/proc/" + std::to_string(pid) + "/exe") == soll) return true;
  const std::string wort = ErstesWort(pid);
  if (wort.empty()) return false;
  return Kanonisch(wort) == soll ||
         std::filesystem::path(wort).filename() == std::string(kZeitsteuerungsprogramm);
}

void ZeitsteuerungStarten(const std::string& programm, const std::string& programmverzeichnis) {
  // The arguments reach the scheduler as positional parameters, never through
  // the shell's parser: spaces, quotes and umlauts in the paths stay as they
  // are.
  const pid_t pid = Shell(
      {"-c", "\"$0\" \"$@\" &", programm, "--programmverzeichnis", programmverzeichnis}, true);
  Ernten(pid);
}

int BefehlAusfuehren(const std::string& befehl) {
  const int status = Ernten(Shell({"-c", befehl}, false));
  if (status < 0) return -1;
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

}  // namespace morvane
