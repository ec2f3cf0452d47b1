#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/datum.h"
#include "online/download.h"

namespace morvane {

class TLogbuch;

// How the online update of the price-source files ended.
enum class TUpdateAusgang { Erfolgreich, NichtNotwendig, Deaktiviert, Fehlgeschlagen };

// The message the user sees for an outcome.
std::string UpdateAusgangText(TUpdateAusgang ausgang);

struct TUpdateErgebnis {
  TUpdateAusgang Ausgang = TUpdateAusgang::Fehlgeschlagen;
  // Why, in a few words; also in the log book.
  std::string Grund;
};

// Fetches one address into `senke`: the progress window's download in the
// desktop program, a plain download on the command line.
using TUpdateAbruf = std::function<TDownload::TErgebnis(
    const std::string& url, const std::function<void(std::string_view)>& senke)>;

// What one online update works with.
struct TOnlineUpdateKontext {
  std::string Programmverzeichnis;
  // The address of the index (TKonto::UpdateAdresse).
  std::string Adresse;
  TLogbuch& Logbuch;
  TUpdateAbruf Abrufen;
  // Told before each download: the file and "i of n" (may be empty).
  std::function<void(const std::string& datei, int nummer, int anzahl)> Fortschritt;
  // The public key (32 raw bytes) the index must be signed with; empty means
  // the one built into the program.
  std::string Schluessel;
};

// The reason an update address is refused, or none: only https is taken,
// so that nobody between here and the server can answer in its place.
std::optional<std::string> UpdateAdresseFehler(std::string_view adresse);

// Checks that `daten` is a price-source file every source of which an update
// run can use (template and script parse) and returns its version date.
// Raises EQuellendatei naming the file `name` and the fault.
Kalendertag QuelldateiPruefen(const std::string& name, std::string_view daten);

// Fetches the signed index, and for each file newer than the installed
// Quellen35.mvq fetches it into memory, checks size, SHA-256 and that it
// loads as a source file, and only then replaces the installed file
// atomically, keeping the previous one as Quellen35.mvq.bak. anwender.mvq is
// never touched. Writes the outcome and its reason to the log book.
TUpdateErgebnis OnlineUpdate(const TOnlineUpdateKontext& kontext);

}  // namespace morvane
