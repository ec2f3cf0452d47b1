#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/binaer.h"

namespace morvane::test {

// Builds the bytes of a security file field by field, in the encodings the
// file formats describe. Texts are given as the raw bytes of the file.
class TDateiBau {
 public:
  TDateiBau& Roh(std::string_view bytes) {
    s_.Roh(bytes);
    return *this;
  }
  TDateiBau& Byte(std::uint8_t w) {
    s_.Byte(w);
    return *this;
  }
  TDateiBau& Word(std::uint16_t w) {
    s_.Word(w);
    return *this;
  }
  TDateiBau& Int32(std::int32_t w) {
    s_.Int32(w);
    return *this;
  }
  TDateiBau& Double(double w) {
    s_.Double(w);
    return *this;
  }
  TDateiBau& Null(std::size_t n) { return Roh(std::string(n, '\0')); }
  // 16-bit length and the bytes.
  TDateiBau& Text(std::string_view bytes) {
    s_.Word(static_cast<std::uint16_t>(bytes.size()));
    return Roh(bytes);
  }
  // Length byte, the bytes, then zeros up to `laenge` + 1 bytes.
  TDateiBau& KurzText(std::string_view bytes, std::size_t laenge) {
    Byte(static_cast<std::uint8_t>(bytes.size()));
    Roh(bytes);
    return Null(laenge - bytes.size());
  }
  // 6-byte real of a value whose mantissa fits into 39 bits.
  TDateiBau& Real6(double w) {
    if (w == 0) return Null(6);
    int exponent = 0;
    const double m = std::frexp(std::fabs(w), &exponent);  // w = m * 2^exponent, m in [0.5, 1)
    auto bruch = static_cast<std::uint64_t>(std::ldexp(2 * m - 1, 39));
    if (w < 0) bruch |= std::uint64_t{1} << 39;
    Byte(static_cast<std::uint8_t>(exponent + 128));
    for (int i = 0; i < 5; ++i)
      Byte(static_cast<std::uint8_t>(bruch >> (8 * i)));
    return *this;
  }
  const std::string& Daten() const { return s_.Daten(); }

 private:
  TBinaerSchreiber s_;
};

}  // namespace morvane::test
