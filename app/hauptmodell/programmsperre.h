#pragma once

#include <string>

#include "core/exception.h"

namespace morvane {

MORVANE_EXCEPTION(EProgrammsperre, Exception);

inline constexpr std::string_view kProgrammsperre = "Morvane35Mutex";

// The marker that tells outside tools (the scheduler) that the program runs:
// a shared lock (flock) on the file "Morvane35Mutex" in `verzeichnis`, held
// for the object's lifetime. Several instances may hold it at once; a tool
// that asks for the lock exclusively without waiting fails while any runs.
// Throws EProgrammsperre with a German reason naming the file.
class TProgrammsperre {
 public:
  explicit TProgrammsperre(const std::string& verzeichnis);
  ~TProgrammsperre();
  TProgrammsperre(const TProgrammsperre&) = delete;
  TProgrammsperre& operator=(const TProgrammsperre&) = delete;

  const std::string& Datei() const { return datei_; }

 private:
  std::string datei_;
  int fd_ = -1;
};

// $XDG_RUNTIME_DIR when set and a directory, else /tmp.
std::string SperrVerzeichnis();

// True when some process holds the marker in `verzeichnis`.
bool ProgrammLaeuft(const std::string& verzeichnis);

}  // namespace morvane
