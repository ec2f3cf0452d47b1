#include "store/logbuch.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "core/datei.h"
#include "core/uhr.h"
#include "store/einstellungen.h"

namespace morvane {
namespace {

std::string Zeitstempel(const TUhrzeit& jetzt) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d ", jetzt.Datum.Tag % 100,
                jetzt.Datum.Monat % 100, jetzt.Datum.Jahr % 10000, jetzt.Stunde % 100,
                jetzt.Minute % 100, jetzt.Sekunde % 100);
  return text;
}

}  // namespace

TLogbuch::TLogbuch(const TEinstellungen& einstellungen)
    : einstellungen_(einstellungen), dateiname_(einstellungen.Dateipfad(kLogbuchdatei)) {}

TLogbuch::~TLogbuch() {
  Schliessen();
}

void TLogbuch::Schreiben(std::string_view text) {
  if (!einstellungen_.Protokollieren) return;
  if (!versucht_) {
    versucht_ = true;
    Oeffnen();
  }
  if (!Offen()) return;
  std::string zeile = Zeitstempel(Jetzt());
  zeile.append(text);
  // One entry stays one line.
  for (char& c : zeile) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  Zeile(std::move(zeile));
}

void TLogbuch::Oeffnen() {
  // Creating exclusively tells a new file from an existing one without a race.
  datei_ = ::open(dateiname_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  const bool neu = datei_ >= 0;
  if (!neu && errno == EEXIST) {
    datei_ = ::open(dateiname_.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  }
  if (datei_ < 0) {
    throw ELogbuch("Konnte Datei '" + dateiname_ + "' nicht öffnen: " + Fehlertext(errno));
  }
  if (neu) Zeile(einstellungen_.Titel() + " Logdatei");
}

void TLogbuch::Zeile(std::string zeile) {
  zeile += '\n';
  std::string_view rest = zeile;
  while (!rest.empty()) {
    const ssize_t n = ::write(datei_, rest.data(), rest.size());
    if (n < 0 && errno == EINTR) continue;
    // A full disk must not stop the program; the entry is lost.
    if (n <= 0) return;
    rest.remove_prefix(static_cast<std::size_t>(n));
  }
}

void TLogbuch::Schliessen() {
  if (datei_ >= 0) ::close(datei_);
  datei_ = -1;
  versucht_ = false;
}

void EinstellungsfehlerMelden(const TEinstellungen& einstellungen, std::ostream& meldung) {
  EinstellungsfehlerMelden(einstellungen, einstellungen.Ladefehler(), meldung);
}

void EinstellungsfehlerMelden(const TEinstellungen& einstellungen,
                              const std::vector<std::string>& zeilen, std::ostream& meldung) {
  if (zeilen.empty()) return;
  TLogbuch logbuch(einstellungen);
  for (const std::string& fehler : zeilen) {
    meldung << fehler << '\n';
    try {
      logbuch.Schreiben(fehler);
    } catch (const ELogbuch& e) {
      meldung << e.Meldung() << '\n';
    }
  }
}

}  // namespace morvane
