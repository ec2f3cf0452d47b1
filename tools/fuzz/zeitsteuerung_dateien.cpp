// Any text as the scheduler's two small files in a program directory: the
// readers never fail on their content, and a stand read back is the one written.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/datei.h"
#include "zeitsteuerung/dateien.h"

namespace {

const std::string& Verzeichnis() {
  static const std::string pfad = [] {
    std::string vorlage = (std::filesystem::temp_directory_path() / "fuzz-zs-XXXXXX").string();
    if (!::mkdtemp(vorlage.data())) std::abort();
    return vorlage + "/";
  }();
  return pfad;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
  const std::string& dir = Verzeichnis();
  morvane::DateiAtomarSchreiben(dir + std::string(morvane::kZeitsteuerungKonfiguration), text);
  morvane::DateiAtomarSchreiben(dir + std::string(morvane::kZeitsteuerungStand), text);
  (void)morvane::HerunterfahrBefehl(dir);
  if (const auto stand = morvane::StandLesen(dir)) {
    morvane::StandSchreiben(dir, *stand);
    if (morvane::StandLesen(dir) != stand) std::abort();
  }
  return 0;
}
