#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

#include "core/exception.h"

namespace morvane {

// Raised by the scheduler's pieces; the message is German and complete.
MORVANE_EXCEPTION(EZeitsteuerung, Exception);

// The lock file of the scheduler in the program directory: one scheduler per
// program directory.
inline constexpr std::string_view kZeitsteuerungSperre = "zeitsteuerung.pid";

// The running scheduler's claim: an exclusive flock on the lock file, held
// for the object's lifetime, with the process id written into the file so
// that the desktop program can ask it to end. The descriptor is closed on
// exec, so commands the scheduler starts never hold the lock.
class TZeitsteuerungSperre {
 public:
  // Takes the lock of `programmverzeichnis` (ending with "/"); empty when
  // another process holds it. Raises EZeitsteuerung when the file cannot be
  // opened or written.
  static std::optional<TZeitsteuerungSperre> Nehmen(const std::string& programmverzeichnis);

  TZeitsteuerungSperre(TZeitsteuerungSperre&& andere) noexcept;
  TZeitsteuerungSperre& operator=(TZeitsteuerungSperre&&) = delete;
  TZeitsteuerungSperre(const TZeitsteuerungSperre&) = delete;
  ~TZeitsteuerungSperre();

 private:
  explicit TZeitsteuerungSperre(int fd) : fd_(fd) {}
  int fd_ = -1;
};

// The lock file's path in `programmverzeichnis`.
std::string SperrdateiPfad(const std::string& programmverzeichnis);

// The process id of the scheduler that holds the lock of
// `programmverzeichnis`; empty when none holds it. A lock that is held while
// the file does not yet name a process counts as held by process 0.
std::optional<pid_t> LaufendeZeitsteuerung(const std::string& programmverzeichnis);

}  // namespace morvane
