#pragma once

#include <string>
#include <string_view>

#include "core/exception.h"

namespace morvane {

// konto.cfg could not be read or written.
MORVANE_EXCEPTION(EKonto, Exception);

inline constexpr std::string_view kKontoDatei = "konto.cfg";

// A browser's User-Agent: several providers answer a client without one with
// nothing or with an error page.
inline constexpr std::string_view kStandardAgent =
    "Mozilla/5.0 (X11; Linux x86_64; rv:128.0) Gecko/20100101 Firefox/128.0";

// Where the program fetches newer price-source files.
inline constexpr std::string_view kStandardUpdateAdresse =
    "https://kursquellen.morvane.de/3.5/index.txt";

// The user's price-subscription account, the User-Agent the update run sends
// and the address of the online update. Kept in konto.cfg in the program
// directory with mode 0600, apart from the settings file: it holds a password.
// None of these values is ever written to the log book.
struct TKonto {
  std::string OnvistaNummer;
  std::string OnvistaName;
  std::string OnvistaPasswort;
  std::string Agent{kStandardAgent};
  std::string UpdateAdresse{kStandardUpdateAdresse};
  friend bool operator==(const TKonto&, const TKonto&) = default;
};

// The file's text: one "Schlüssel=Wert" line per value; backslash, carriage
// return and line feed in a value are written as \\, \r and \n.
std::string KontoText(const TKonto& konto);

// Reads that text. Unknown keys and lines without "=" are skipped; a key that
// is missing keeps its default, an empty Agent or UpdateAdresse too.
TKonto KontoAusText(std::string_view text);

// konto.cfg of the program directory; the defaults when there is none.
// Raises EKonto when the file exists but cannot be read.
TKonto KontoLaden(const std::string& programmverzeichnis);

// Writes konto.cfg atomically with mode 0600; raises EKonto on failure, the
// previous file then stays as it was.
void KontoSpeichern(const std::string& programmverzeichnis, const TKonto& konto);

}  // namespace morvane
