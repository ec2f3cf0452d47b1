#include "testhilfe/tempverzeichnis.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

namespace morvane::test {

TTempVerzeichnis::TTempVerzeichnis() {
  std::string muster = (std::filesystem::temp_directory_path() / "morvane-XXXXXX").string();
  if (::mkdtemp(muster.data()) == nullptr) throw std::runtime_error("mkdtemp");
  pfad_ = muster + "/";
}

TTempVerzeichnis::~TTempVerzeichnis() {
  std::error_code fehler;
  std::filesystem::remove_all(pfad_, fehler);
}

}  // namespace morvane::test
