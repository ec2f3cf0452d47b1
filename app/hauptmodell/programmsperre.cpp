#include "app/hauptmodell/programmsperre.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include "core/datei.h"

namespace morvane {
namespace {

std::string Pfad(const std::string& verzeichnis) {
  std::string pfad = verzeichnis;
  if (pfad.empty() || pfad.back() != '/') pfad += '/';
  return pfad + std::string(kProgrammsperre);
}

int Oeffnen(const std::string& datei) {
  return ::open(datei.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
}

}  // namespace

TProgrammsperre::TProgrammsperre(const std::string& verzeichnis) : datei_(Pfad(verzeichnis)) {
  fd_ = Oeffnen(datei_);
  if (fd_ < 0 || ::flock(fd_, LOCK_SH) != 0) {
    const int fehler = errno;
    if (fd_ >= 0) ::close(fd_);
    throw EProgrammsperre("Die Sperrdatei '" + datei_ +
                          "' ließ sich nicht anlegen: " + Fehlertext(fehler));
  }
}

TProgrammsperre::~TProgrammsperre() {
  ::close(fd_);
}

std::string SperrVerzeichnis() {
  const char* laufzeit = std::getenv("XDG_RUNTIME_DIR");
  struct stat info {};
  if (laufzeit && *laufzeit && ::stat(laufzeit, &info) == 0 && S_ISDIR(info.st_mode))
    return laufzeit;
  return "/tmp";
}

bool ProgrammLaeuft(const std::string& verzeichnis) {
  const int fd = ::open(Pfad(verzeichnis).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return false;
  const bool frei = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
  ::close(fd);
  return !frei;
}

}  // namespace morvane
