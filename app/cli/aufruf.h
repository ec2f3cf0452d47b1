#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/datum.h"
#include "core/exception.h"
#include "core/kurse.h"
#include "store/wpverwaltung.h"

namespace morvane {

// Wrong usage of the command line (exit code 2).
MORVANE_EXCEPTION(EAufruf, Exception);

// The arguments of one command: positional arguments, options with a value
// and switches.
struct TCliAufruf {
  std::vector<std::string> Argumente;
  std::map<std::string, std::string> Optionen;
  std::set<std::string> Schalter;
  // Positional arguments (name empty) and options with their values in the
  // order given; an option given twice appears twice here.
  std::vector<std::pair<std::string, std::string>> Folge;

  const std::string& Arg(std::size_t i) const { return Argumente.at(i); }
  std::optional<std::string> Option(const std::string& name) const;
  bool Hat(const std::string& schalter) const { return Schalter.count(schalter) != 0; }
};

// What a command may be given; `verwendung` is its usage line.
struct TBefehlsform {
  std::string Verwendung;
  std::size_t MinArgumente = 0;
  std::size_t MaxArgumente = 0;
  std::vector<std::string> Optionen;
  std::vector<std::string> Schalter;
};

// Splits the arguments after the command name; throws EAufruf for an unknown
// option, an option without value or a wrong number of arguments.
TCliAufruf AufrufLesen(const std::vector<std::string>& argumente, const TBefehlsform& form);

// Everything a command works with.
struct TKontext {
  const TWPVerwaltung& Verwaltung;
  std::string Programmverzeichnis;
  std::ostream& Aus;
  std::ostream& Meldung;
  // The exit status of a command that succeeded as a whole but wants to tell
  // more than 0 (an update run where some securities got no prices). Stays 0
  // unless the command sets it; failures are raised as before.
  int& Ausgang;
};

// Output helpers of the machine-readable formats.
std::string Zahl17(double wert);
std::string ZahlOderStrich(double wert);
std::string TextMaskiert(std::string_view text);
// "Datum<TAB>Eroeffnung<TAB>Hoch<TAB>Tief<TAB>Schluss<TAB>Kassakurs<TAB>Umsatz".
std::string KursZeile(const TKurs& kurs);
// A date as the user types it; throws EAufruf naming the text.
Kalendertag KalendertagLesen(const std::string& text);
// An integer within grenzen; throws EAufruf naming the option.
int GanzzahlLesen(const std::string& text, const std::string& name, int min, int max);

// Size limits of the files the commands read; far above real ones.
inline constexpr std::size_t kCsvGrenze = std::size_t{64} << 20;
inline constexpr std::size_t kSeitenGrenze = std::size_t{16} << 20;
inline constexpr std::size_t kSkriptGrenze = std::size_t{1} << 20;
// The content of a file the user names; a failure (missing, no regular file,
// larger than `grenze`) names the file.
std::string EingabedateiLesen(const std::string& pfad, std::size_t grenze);
// Throws when the data directory does not exist or, with a catalog name, when
// that catalog does not; the message names what is missing.
void VerzeichnisPruefen(const TWPVerwaltung& verwaltung, const std::string& katalog = "");
// Throws EAufruf naming the option when the text does not fit into a text
// field of a security file.
void TextlaengePruefen(const std::string& text, const std::string& name);

}  // namespace morvane
