#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/datum.h"
#include "core/exception.h"

namespace morvane {

// An update index that is malformed, too large or wrongly signed.
MORVANE_EXCEPTION(EUpdateIndex, Exception);

// The program version an index must name to be used by this program.
inline constexpr std::string_view kUpdateProgrammversion = "3.5";
// Far above a real index (a few lines) and a real source file (some KB).
inline constexpr std::size_t kIndexGrenze = std::size_t{64} << 10;
inline constexpr std::int64_t kUpdateDateiGrenze = std::int64_t{16} << 20;

// One price-source file on offer.
struct TUpdateDatei {
  std::string Name;  // a plain file name such as "Quellen35.mvq"
  Kalendertag Versionsdatum = 0;
  std::int64_t Groesse = 0;
  std::string Sha256;  // 64 lower-case hex digits
  friend bool operator==(const TUpdateDatei&, const TUpdateDatei&) = default;
};

// What the update address offers: the program version it is meant for,
// whether the service is switched off for it, and the files.
struct TUpdateIndex {
  std::string Programmversion{kUpdateProgrammversion};
  bool Deaktiviert = false;
  std::vector<TUpdateDatei> Dateien;
  friend bool operator==(const TUpdateIndex&, const TUpdateIndex&) = default;
};

// The index text without its signature line:
//   Morvane-Updateindex 1
//   Programmversion 3.5
//   Deaktiviert nein
//   Datei Quellen35.mvq 2026-12-01 4711 <sha-256 in hex>
// Every line ends with "\n"; fields are separated by one blank. Raises
// EUpdateIndex for a file entry that the reader would refuse.
std::string UpdateIndexText(const TUpdateIndex& index);

// The text followed by the line "Signatur <128 hex digits>": the Ed25519
// signature of every byte before that line.
std::string UpdateIndexSigniert(std::string_view text, std::string_view privatPem);

// Reads a signed index: its size, the signature line, the signature under
// `schluessel` (32 raw bytes) and then every line and field strictly. Raises
// EUpdateIndex naming the first fault.
TUpdateIndex UpdateIndexLesen(std::string_view signiert, std::string_view schluessel);

// The reader without the signature check, for the fuzz target and for tests
// of the format: the text as UpdateIndexText writes it.
TUpdateIndex UpdateIndexTextLesen(std::string_view text);

}  // namespace morvane
