#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/binaer.h"

namespace morvane {

// A little-endian field at a fixed offset of a record that was read whole
// (TBinaerLeser::Roh). Inline, because loading thousands of price records
// reads their fields in a tight loop; an offset beyond the record fails like
// reading past the end of a file.
[[noreturn]] void SatzZuKurz();

template <class T>
T SatzFeld(std::string_view satz, std::size_t offset) {
  if (offset > satz.size() || satz.size() - offset < sizeof(T)) [[unlikely]] {
    SatzZuKurz();
  }
  T wert;
  std::memcpy(&wert, satz.data() + offset, sizeof wert);
  return wert;
}

inline std::uint8_t ByteBei(std::string_view satz, std::size_t offset) {
  return SatzFeld<std::uint8_t>(satz, offset);
}
inline std::uint16_t WordBei(std::string_view satz, std::size_t offset) {
  return SatzFeld<std::uint16_t>(satz, offset);
}
inline std::int32_t Int32Bei(std::string_view satz, std::size_t offset) {
  return SatzFeld<std::int32_t>(satz, offset);
}
inline double DoubleBei(std::string_view satz, std::size_t offset) {
  return SatzFeld<double>(satz, offset);
}

}  // namespace morvane
