// Feeds arbitrary text to the templates file reader through an in-memory file
// and runs the lookups over what it read.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "store/wertpapiervorlagen.h"

namespace {

const std::string& Speicherdatei() {
  static const std::string pfad = [] {
    const int fd = ::memfd_create("Werte35.mvw", 0);
    if (fd < 0) std::abort();
    return "/proc/self/fd/" + std::to_string(fd);
  }();
  return pfad;
}

void Schreiben(const std::uint8_t* daten, std::size_t groesse) {
  const int fd = std::stoi(Speicherdatei().substr(Speicherdatei().rfind('/') + 1));
  if (::ftruncate(fd, 0) != 0) std::abort();
  if (groesse > 0 && ::pwrite(fd, daten, groesse, 0) != static_cast<ssize_t>(groesse)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  Schreiben(daten, groesse);
  morvane::TWertpapierVorlagen vorlagen(Speicherdatei(), nullptr);
  std::size_t meldungen = 0;
  vorlagen.SetzeFortschritt([&](const std::string&) { ++meldungen; });
  try {
    std::vector<std::string> kategorien;
    vorlagen.Kategorien(kategorien);
    morvane::TWertpapierVorlagen::TListe liste;
    const std::size_t anzahl = vorlagen.Eintraege().size();
    for (std::size_t k = 0; k <= kategorien.size(); ++k)
      vorlagen.InKategorie(k, liste);
    if (liste.size() > anzahl * kategorien.size()) std::abort();
    const std::string suche(reinterpret_cast<const char*>(daten), groesse < 3 ? groesse : 3);
    liste.clear();
    vorlagen.SucheISIN(suche, liste);
    vorlagen.SucheWKN(suche, liste);
    vorlagen.SucheName(suche, liste);
    if (liste.size() > 3 * anzahl) std::abort();
    for (const auto* eintrag : liste)
      (void)morvane::OhneBoerse(*eintrag);
  } catch (const morvane::EWertpapierVorlagen&) {
  }
  return 0;
}
