#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/exception.h"

namespace morvane {

// Raised when a binary reader runs past the end of its buffer or meets a count
// that cannot be right. File readers wrap it into their own message.
MORVANE_EXCEPTION(ELesefehler, Exception);

// Reads the little-endian, packed encodings of the binary files from a buffer
// that the caller keeps alive. Never reads outside the buffer.
class TBinaerLeser {
 public:
  explicit TBinaerLeser(std::string_view daten) : daten_(daten) {}

  std::uint8_t Byte();
  std::uint16_t Word();
  std::int32_t Int32();
  double Double();
  // Text: 16-bit length, then that many Windows-1252 bytes; returned as UTF-8.
  std::string Text();
  // Text whose bytes are returned undecoded.
  std::string_view Roh(std::size_t anzahl);
  // An int32 element count, checked against the remaining bytes: negative, or
  // more elements of at least `mindestGroesse` bytes than can follow, fails.
  std::int32_t Anzahl(std::size_t mindestGroesse);

  std::size_t Position() const { return pos_; }
  std::size_t Rest() const { return daten_.size() - pos_; }
  bool AmEnde() const { return pos_ >= daten_.size(); }

 private:
  const char* Nimm(std::size_t anzahl);

  std::string_view daten_;
  std::size_t pos_ = 0;
};

// Builds the same encodings into a byte string.
class TBinaerSchreiber {
 public:
  void Byte(std::uint8_t wert);
  void Word(std::uint16_t wert);
  void Int32(std::int32_t wert);
  void Double(double wert);
  // UTF-8 text stored as Windows-1252; a text longer than 65 535 bytes is cut.
  void Text(std::string_view utf8);
  void Roh(std::string_view bytes) { daten_.append(bytes); }
  void Reservieren(std::size_t groesse) { daten_.reserve(groesse); }

  const std::string& Daten() const { return daten_; }
  std::string Entnehmen() { return std::move(daten_); }

 private:
  std::string daten_;
};

}  // namespace morvane
