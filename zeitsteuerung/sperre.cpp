#include "zeitsteuerung/sperre.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <utility>

#include "core/datei.h"

namespace morvane {
namespace {

int Oeffnen(const std::string& pfad, int art) {
  return ::open(pfad.c_str(), art | O_CLOEXEC | O_NOFOLLOW, 0600);
}

[[noreturn]] void Fehler(const std::string& pfad, int fehler) {
  throw EZeitsteuerung("Die Sperrdatei '" + pfad +
                       "' der Zeitsteuerung ließ sich nicht anlegen: " + Fehlertext(fehler));
}

bool PidSchreiben(int fd) {
  const std::string text = std::to_string(::getpid()) + "\n";
  return ::ftruncate(fd, 0) == 0 &&
         ::pwrite(fd, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size());
}

}  // namespace

std::string SperrdateiPfad(const std::string& programmverzeichnis) {
  std::string pfad = programmverzeichnis;
  if (!pfad.empty() && pfad.back() != '/') pfad += '/';
  return pfad + std::string(kZeitsteuerungSperre);
}

std::optional<TZeitsteuerungSperre> TZeitsteuerungSperre::Nehmen(
    const std::string& programmverzeichnis) {
  const std::string pfad = SperrdateiPfad(programmverzeichnis);
  const int fd = Oeffnen(pfad, O_RDWR | O_CREAT);
  if (fd < 0) Fehler(pfad, errno);
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int fehler = errno;
    ::close(fd);
    if (fehler == EWOULDBLOCK) return std::nullopt;
    Fehler(pfad, fehler);
  }
  if (!PidSchreiben(fd)) {
    const int fehler = errno;
    ::close(fd);
    Fehler(pfad, fehler);
  }
  return TZeitsteuerungSperre(fd);
}

TZeitsteuerungSperre::TZeitsteuerungSperre(TZeitsteuerungSperre&& andere) noexcept
    : fd_(std::exchange(andere.fd_, -1)) {}

TZeitsteuerungSperre::~TZeitsteuerungSperre() {
  if (fd_ < 0) return;
  // The id goes with the lock, so that nobody signals a process that may
  // reuse it later.
  [[maybe_unused]] const int geleert = ::ftruncate(fd_, 0);
  ::close(fd_);
}

std::optional<pid_t> LaufendeZeitsteuerung(const std::string& programmverzeichnis) {
  const int fd = Oeffnen(SperrdateiPfad(programmverzeichnis), O_RDONLY);
  if (fd < 0) return std::nullopt;
  if (::flock(fd, LOCK_SH | LOCK_NB) == 0) {
    ::close(fd);
    return std::nullopt;
  }
  char puffer[32] = {};
  const ssize_t n = ::pread(fd, puffer, sizeof puffer - 1, 0);
  ::close(fd);
  pid_t pid = 0;
  if (n > 0) std::from_chars(puffer, puffer + n, pid);
  return pid;
}

}  // namespace morvane
