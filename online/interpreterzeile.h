#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/textkodierung.h"
#include "online/scripttext.h"

namespace morvane {

// The page as the interpreter reads it: line by line, the current line with
// tabs as blanks. Columns count characters; the conversions between columns
// and byte offsets and the searches in the line cost only the distance walked
// since the last call, so that reading a long line from left to right stays
// linear in its length.
class TInterpreterZeile {
 public:
  // `seite` is UTF-8.
  explicit TInterpreterZeile(std::string seite);

  TInterpreterZeile(const TInterpreterZeile&) = delete;
  TInterpreterZeile& operator=(const TInterpreterZeile&) = delete;

  // Reads the next line: up to a line feed or carriage return, which ends it
  // together with a following partner (CR LF or LF CR). False at the page end.
  bool Lesen();
  // Back to the page start, with an empty current line.
  void VonVorn();

  const std::string& Seite() const { return seite_; }
  const std::string& Text() const { return text_; }
  // Byte offset of the current line in the page (0 before the first line).
  std::size_t Anfang() const { return anfang_; }
  // Bytes of the page read as lines so far, each line end counted as one.
  std::int64_t GeleseneBytes() const { return geleseneBytes_; }

  // Byte offset of the 1-based column; the line's size from its end on.
  std::size_t Byte(std::size_t spalte) {
    return ascii_ ? std::min(spalte - 1, text_.size()) : zaehler_.Offset(spalte - 1);
  }
  // 1-based column of the byte offset.
  std::size_t Spalte(std::size_t byte) {
    return ascii_ ? std::min(byte, text_.size()) + 1 : zaehler_.Position(byte);
  }
  // Number of characters of a piece of the line.
  std::size_t Zeichen(std::string_view stueck) const {
    return ascii_ ? stueck.size() : Utf8Laenge(stueck);
  }

  enum class TSuche {
    Text,       // the pattern as a whole
    EinesVon,   // any byte of the pattern
    KeinesVon,  // any byte not in the pattern
    Sichtbar,   // any byte above the blank (the pattern is not used)
  };
  // Byte offset of the first match at or after `ab`, std::string::npos when
  // the rest of the line holds none. The last answer per pattern is kept: a
  // search that starts between the last start and its match has the same
  // answer, so that a search failing over and over costs nothing.
  std::size_t Finden(TSuche art, std::string_view muster, std::size_t ab);

 private:
  struct TGemerkt {
    TSuche Art;
    std::string Muster;
    std::uint64_t Zeile;  // number of the line read the answer belongs to
    std::size_t Ab;
    std::size_t Fund;
  };
  // The first match at or after `ab` within `text`.
  static std::size_t Suchen(std::string_view text, TSuche art, std::string_view muster,
                            std::size_t ab);

  std::string seite_;
  std::size_t lesePos_ = 0;
  std::size_t anfang_ = 0;
  std::string text_;
  bool ascii_ = true;  // columns are byte offsets
  TZeichenzaehler zaehler_{text_};
  std::int64_t geleseneBytes_ = 0;
  std::uint64_t zeilenNummer_ = 0;
  std::vector<TGemerkt> gemerkt_;
};

}  // namespace morvane
