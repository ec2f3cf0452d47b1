#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <limits>

#include "app/cli/aufruf.h"
#include "core/datei.h"
#include "core/textkodierung.h"

namespace morvane {
namespace {

// Longest text a field of a security file holds (a 16-bit length).
constexpr std::size_t kTextfeldGrenze = std::numeric_limits<std::uint16_t>::max();

// Throws unless `pfad` is a directory; `subjekt` names it in the message.
void VerzeichnisVerlangen(const std::string& pfad, const std::string& subjekt) {
  // Without the closing "/", so that a file there is "no directory".
  const std::string ohneSchraegstrich =
      pfad.size() > 1 && pfad.back() == '/' ? pfad.substr(0, pfad.size() - 1) : pfad;
  struct stat info {};
  if (::stat(ohneSchraegstrich.c_str(), &info) != 0) {
    // ENOTDIR: a file stands where a directory above it should be.
    if (errno == ENOENT || errno == ENOTDIR) throw Exception(subjekt + " existiert nicht.");
    throw Exception(subjekt + " ist nicht lesbar: " + Fehlertext(errno));
  }
  if (!S_ISDIR(info.st_mode)) throw Exception(subjekt + " ist kein Verzeichnis.");
}

}  // namespace

std::string EingabedateiLesen(const std::string& pfad, std::size_t grenze) {
  try {
    return DateiLesen(pfad, grenze);
  } catch (const EDatei& e) {
    throw Exception("Konnte Datei '" + pfad + "' nicht lesen: " + e.Meldung());
  }
}

void VerzeichnisPruefen(const TWPVerwaltung& verwaltung, const std::string& katalog) {
  const std::string daten = verwaltung.Datenverzeichnis();
  VerzeichnisVerlangen(daten, "Das Datenverzeichnis '" + daten + "'");
  if (!katalog.empty()) VerzeichnisVerlangen(daten + katalog, "Der Katalog '" + katalog + "'");
}

void TextlaengePruefen(const std::string& text, const std::string& name) {
  if (Utf8ZuWin1252(text).size() > kTextfeldGrenze) {
    throw EAufruf("Der Text für " + name + " ist zu lang (höchstens " +
                  std::to_string(kTextfeldGrenze) + " Zeichen).");
  }
}

}  // namespace morvane
