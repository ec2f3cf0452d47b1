#pragma once

#include <string>

namespace morvane::test {

// A fresh directory below the system's temporary directory, removed with
// everything in it when the object goes. Used by tests and benchmarks alike.
class TTempVerzeichnis {
 public:
  TTempVerzeichnis();
  ~TTempVerzeichnis();
  TTempVerzeichnis(const TTempVerzeichnis&) = delete;
  TTempVerzeichnis& operator=(const TTempVerzeichnis&) = delete;

  // Ends with "/".
  const std::string& Pfad() const { return pfad_; }

 private:
  std::string pfad_;
};

}  // namespace morvane::test
