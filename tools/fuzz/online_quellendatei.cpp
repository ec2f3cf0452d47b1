// Any bytes as a price-source file. What reads without error must survive
// writing and reading again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "online/quellendatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  using namespace morvane;
  std::vector<TQuelle> quellen;
  Kalendertag version = 0;
  try {
    version =
        QuellenLesen(std::string_view(reinterpret_cast<const char*>(daten), groesse), quellen);
  } catch (const Exception&) {
    return 0;
  }
  std::vector<TQuelle> wieder;
  if (QuellenLesen(QuellenSchreiben(quellen, TQuellenKopf::Programm, version), wieder) != version ||
      wieder.size() != quellen.size()) {
    std::abort();
  }
  for (std::size_t i = 0; i < quellen.size(); ++i) {
    const TQuelle& a = quellen[i];
    const TQuelle& b = wieder[i];
    if (a.Art != b.Art || a.Name != b.Name || a.UrlVorlage != b.UrlVorlage ||
        a.Seitentyp != b.Seitentyp || a.Script != b.Script) {
      std::abort();
    }
  }
  return 0;
}
