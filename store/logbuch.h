#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/exception.h"

namespace morvane {

MORVANE_EXCEPTION(ELogbuch, Exception);

class TEinstellungen;

// Appends time-stamped lines to logbuch.txt in the program directory while
// logging is switched on in the settings (which must outlive the log book).
// Every line is written with one system call, so the file is complete even
// when the program ends abnormally.
class TLogbuch {
 public:
  explicit TLogbuch(const TEinstellungen& einstellungen);
  ~TLogbuch();
  TLogbuch(const TLogbuch&) = delete;
  TLogbuch& operator=(const TLogbuch&) = delete;

  // Writes "dd.mm.yyyy hh:nn:ss " + text as one line; nothing while logging is
  // off. The first call opens the file (a new file begins with the title line);
  // if that fails, ELogbuch reaches this caller and later calls write nothing
  // until Schliessen.
  void Schreiben(std::string_view text);
  // Closes the file; the next Schreiben opens it again.
  void Schliessen();

  const std::string& Dateiname() const { return dateiname_; }
  bool Offen() const { return datei_ >= 0; }

 private:
  void Oeffnen();
  void Zeile(std::string zeile);

  const TEinstellungen& einstellungen_;
  std::string dateiname_;
  int datei_ = -1;
  bool versucht_ = false;
};

// Tells the user on `meldung`, one line each, what of the settings file could
// not be used (TEinstellungen::Ladefehler), and writes the same into the log
// book. A log book that cannot be opened is reported on `meldung` too.
void EinstellungsfehlerMelden(const TEinstellungen& einstellungen, std::ostream& meldung);
// The same for lines of the caller's own.
void EinstellungsfehlerMelden(const TEinstellungen& einstellungen,
                              const std::vector<std::string>& zeilen, std::ostream& meldung);

}  // namespace morvane
