#pragma once

#include <string>
#include <string_view>

namespace morvane::test {

// A fresh directory below the system's temporary directory, removed with
// everything in it when the object goes, even where a test took away the
// owner's permissions. Used by tests and benchmarks alike.
class TTempVerzeichnis {
 public:
  TTempVerzeichnis();
  ~TTempVerzeichnis();
  TTempVerzeichnis(const TTempVerzeichnis&) = delete;
  TTempVerzeichnis& operator=(const TTempVerzeichnis&) = delete;

  // Ends with "/".
  const std::string& Pfad() const { return pfad_; }
  // The path of `name` inside the directory.
  std::string Datei(const std::string& name) const { return pfad_ + name; }
  // Writes `inhalt` to `name` inside the directory, creating folders on the way.
  void Schreibe(const std::string& name, std::string_view inhalt) const;
  // The bytes of `name` inside the directory; empty when it cannot be read.
  std::string Lies(const std::string& name) const;

 private:
  std::string pfad_;
};

// Writes `inhalt` byte for byte to `pfad`, creating folders on the way; throws
// std::runtime_error naming the path when that fails.
void DateiAnlegen(const std::string& pfad, std::string_view inhalt);
// The bytes of the file at `pfad`; empty when it cannot be read.
std::string DateiInhalt(const std::string& pfad);

}  // namespace morvane::test
