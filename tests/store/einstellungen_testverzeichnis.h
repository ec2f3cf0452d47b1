#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace morvane::test {

// A fresh directory below the temp directory, removed with everything in it
// when the object goes.
class TTestverzeichnis {
 public:
  TTestverzeichnis() {
    std::string vorlage = (std::filesystem::temp_directory_path() / "morvane_XXXXXX").string();
    if (!::mkdtemp(vorlage.data())) throw std::runtime_error("mkdtemp");
    pfad_ = vorlage + "/";
  }
  ~TTestverzeichnis() {
    std::error_code fehler;
    std::filesystem::permissions(pfad_, std::filesystem::perms::owner_all, fehler);
    std::filesystem::remove_all(pfad_, fehler);
  }
  TTestverzeichnis(const TTestverzeichnis&) = delete;
  TTestverzeichnis& operator=(const TTestverzeichnis&) = delete;

  // Ends with "/".
  const std::string& Pfad() const { return pfad_; }
  std::string Datei(const std::string& name) const { return pfad_ + name; }

  void Schreibe(const std::string& name, const std::string& inhalt) const {
    std::ofstream(Datei(name), std::ios::binary) << inhalt;
  }
  std::string Lies(const std::string& name) const {
    std::ifstream datei(Datei(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
  }

 private:
  std::string pfad_;
};

}  // namespace morvane::test
