#pragma once

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace morvane::test {

// A fresh directory below the system's temporary directory, removed with
// everything in it when the object goes.
class TTempVerzeichnis {
 public:
  TTempVerzeichnis() {
    std::string muster = (std::filesystem::temp_directory_path() / "morvane-XXXXXX").string();
    if (::mkdtemp(muster.data()) == nullptr) throw std::runtime_error("mkdtemp");
    pfad_ = muster + "/";
  }
  ~TTempVerzeichnis() {
    std::error_code fehler;
    std::filesystem::remove_all(pfad_, fehler);
  }
  TTempVerzeichnis(const TTempVerzeichnis&) = delete;
  TTempVerzeichnis& operator=(const TTempVerzeichnis&) = delete;

  // Ends with "/".
  const std::string& Pfad() const { return pfad_; }

 private:
  std::string pfad_;
};

}  // namespace morvane::test
