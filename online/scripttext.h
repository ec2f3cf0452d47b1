#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/exception.h"

namespace morvane {

// Small text helpers shared by the script parser, the URL templates and the
// interpreter. All texts are UTF-8; positions and lengths the user sees count
// characters.

// A fault in a script or URL template: the German message and the 1-based
// character position at which it was found (at most 65 535).
class ETextfehler : public Exception {
 public:
  ETextfehler(const std::string& meldung, std::size_t position);
  std::uint16_t Position() const { return position_; }

 private:
  std::uint16_t position_;
};

// Scripts and templates address characters with 16-bit positions.
inline constexpr std::size_t kMaxScriptLaenge = 65535;

// Lower case for ASCII and the Latin-1 letters (umlauts included).
std::string KleinSchreiben(std::string_view text);
// Upper case for ASCII letters only; other characters stay as written.
std::string GrossSchreibenAscii(std::string_view text);

// Byte length of the UTF-8 character that starts with `byte`.
std::size_t ZeichenBytes(char byte);
// At most `anzahl` characters from the start of the text.
std::string ZeichenKuerzen(std::string_view text, std::size_t anzahl);

// Byte index just past the closing quote of the quoted string starting at
// `start` (two quotes in a row stand for one), or nothing when a line end or the
// end of the text comes first.
std::optional<std::size_t> StringEnde(std::string_view text, std::size_t start);
// A quoted token without its quotes, a doubled quote made single; any other
// token is returned unchanged.
std::string OhneAnfuehrungszeichen(std::string_view token);

// Converts between byte offsets of one text and character counts. Cheap when
// the places asked for lie close together (the tokenizers and the interpreter
// walk forward), since it walks from the place asked for last.
class TZeichenzaehler {
 public:
  explicit TZeichenzaehler(std::string_view text) : text_(text) {}
  // 1-based character position of the byte.
  std::size_t Position(std::size_t byte);
  // Byte offset at which the character with 0-based index `zeichen` starts, or
  // the text's size when it has fewer characters.
  std::size_t Offset(std::size_t zeichen);

 private:
  bool IstZeichenanfang(std::size_t byte) const;

  std::string_view text_;
  std::size_t byte_ = 0;
  std::size_t zeichen_ = 0;
};

}  // namespace morvane
