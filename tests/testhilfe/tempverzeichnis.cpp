#include "testhilfe/tempverzeichnis.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace morvane::test {
namespace {

namespace fs = std::filesystem;

// Gives the owner every permission on `ordner` and the folders below it, so
// that remove_all can empty folders a test made read-only.
void Freigeben(const fs::path& ordner) {
  std::error_code fehler;
  fs::permissions(ordner, fs::perms::owner_all, fs::perm_options::add, fehler);
  for (fs::directory_iterator it(ordner, fehler), ende; !fehler && it != ende;
       it.increment(fehler)) {
    if (it->is_directory(fehler) && !it->is_symlink(fehler)) Freigeben(it->path());
  }
}

}  // namespace

TTempVerzeichnis::TTempVerzeichnis() {
  std::string muster = (fs::temp_directory_path() / "morvane-XXXXXX").string();
  if (::mkdtemp(muster.data()) == nullptr) throw std::runtime_error("mkdtemp: " + muster);
  pfad_ = muster + "/";
}

TTempVerzeichnis::~TTempVerzeichnis() {
  std::error_code fehler;
  Freigeben(pfad_);
  fs::remove_all(pfad_, fehler);
}

void TTempVerzeichnis::Schreibe(const std::string& name, std::string_view inhalt) const {
  DateiAnlegen(Datei(name), inhalt);
}

std::string TTempVerzeichnis::Lies(const std::string& name) const {
  return DateiInhalt(Datei(name));
}

void DateiAnlegen(const std::string& pfad, std::string_view inhalt) {
  const fs::path ordner = fs::path(pfad).parent_path();
  if (!ordner.empty()) fs::create_directories(ordner);
  std::ofstream datei(pfad, std::ios::binary);
  datei.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
  if (!datei.flush()) throw std::runtime_error("Testdatei nicht schreibbar: " + pfad);
}

std::string DateiInhalt(const std::string& pfad) {
  std::ifstream datei(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
}

}  // namespace morvane::test
