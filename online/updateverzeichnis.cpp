#include "online/updateverzeichnis.h"

#include <algorithm>
#include <filesystem>

#include "core/datei.h"
#include "online/onlineupdate.h"
#include "online/signatur.h"
#include "store/einstellungen.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Quelldateien(const std::string& verzeichnis) {
  std::vector<fs::path> dateien;
  std::error_code fehler;
  for (const auto& eintrag : fs::directory_iterator(verzeichnis, fehler)) {
    const fs::path& p = eintrag.path();
    if (eintrag.is_regular_file() && p.extension() == ".mvq" &&
        p.filename() != kAnwenderquellendatei)
      dateien.push_back(p);
  }
  if (fehler)
    throw EUpdateIndex("Das Verzeichnis '" + verzeichnis +
                       "' kann nicht gelesen werden: " + Fehlertext(fehler.value()));
  std::sort(dateien.begin(), dateien.end());
  return dateien;
}

}  // namespace

TUpdateIndex UpdateVerzeichnisSignieren(const std::string& verzeichnis, std::string_view privatPem,
                                        bool deaktiviert) {
  TUpdateIndex index;
  index.Deaktiviert = deaktiviert;
  for (const fs::path& pfad : Quelldateien(verzeichnis)) {
    std::string daten;
    try {
      daten = DateiLesen(pfad.string(), static_cast<std::size_t>(kUpdateDateiGrenze));
    } catch (const EDatei& e) {
      throw EUpdateIndex("Die Datei '" + pfad.string() +
                         "' kann nicht gelesen werden: " + e.Meldung());
    }
    const std::string name = pfad.filename().string();
    index.Dateien.push_back({name, QuelldateiPruefen(name, daten),
                             static_cast<std::int64_t>(daten.size()), HexText(Sha256(daten))});
  }
  const std::string text = UpdateIndexSigniert(UpdateIndexText(index), privatPem);
  DateiAtomarSchreiben((fs::path(verzeichnis) / kUpdateIndexDatei).string(), text);
  return index;
}

}  // namespace morvane
