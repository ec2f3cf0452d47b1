#include "online/quellenmanager.h"

#include <filesystem>

#include "core/binaer.h"
#include "core/datei.h"
#include "online/quellendatei.h"
#include "store/einstellungen.h"
#include "store/logbuch.h"

namespace morvane {
namespace {

std::string ProgrammdateiPfad() {
  std::error_code fehler;
  return std::filesystem::read_symlink("/proc/self/exe", fehler).string();
}

std::string Pfad(const std::string& verzeichnis, std::string_view dateiname) {
  return QuellendateiFinden(verzeichnis, dateiname, ProgrammdateiPfad());
}

}  // namespace

std::string QuellendateiFinden(const std::string& programmverzeichnis, std::string_view dateiname,
                               const std::string& programmdatei) {
  namespace fs = std::filesystem;
  const fs::path eigene = fs::path(programmverzeichnis) / dateiname;
  std::error_code fehler;
  if (fs::exists(eigene, fehler) || programmdatei.empty()) return eigene.string();
  const fs::path installiert =
      (fs::path(programmdatei).parent_path() / ".." / "share" / "morvane" / dateiname)
          .lexically_normal();
  return fs::exists(installiert, fehler) ? installiert.string() : eigene.string();
}

TQuellenManager::TQuellenManager(std::string programmverzeichnis)
    : verzeichnis_(std::move(programmverzeichnis)) {
  NeuLaden();
}

void TQuellenManager::NeuLaden() {
  quellen_.clear();
  meldungen_.clear();
  DateiLaden(std::string(kQuellendatei));
  DateiLaden(std::string(kAnwenderquellendatei));
}

void TQuellenManager::DateiLaden(const std::string& dateiname) {
  const std::string pfad = Pfad(verzeichnis_, dateiname);
  try {
    const std::string daten = DateiLesen(pfad);
    if (!QuellenSignatur(daten)) {
      meldungen_.push_back("Die Datei '" + pfad + "' ist keine Morvane-Kursquellendatei!");
      return;
    }
    QuellenLesen(daten, quellen_);
  } catch (const Exception& e) {
    meldungen_.push_back("Die Kursquellen in '" + dateiname + "' konnten nicht gelesen werden!\n" +
                         e.Meldung());
  }
}

Kalendertag TQuellenManager::Versionsdatum(const std::string& programmverzeichnis,
                                           TLogbuch& logbuch) {
  const std::string pfad = Pfad(programmverzeichnis, kQuellendatei);
  try {
    std::vector<TQuelle> quellen;
    return QuellenLesen(DateiLesen(pfad), quellen);
  } catch (const Exception& e) {
    logbuch.Schreiben(
        "Versions-Datum der Kursquellen konnte nicht bestimmt werden aufgrund eines Fehlers beim "
        "Lesen der Datei '" +
        pfad + "' (" + e.Meldung() + ")");
    return 0;
  }
}

}  // namespace morvane
