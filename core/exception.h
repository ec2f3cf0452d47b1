#pragma once

#include <stdexcept>
#include <string>

namespace morvane {

// Base of every failure the program reports. The message is German UTF-8 text
// meant for the user; what() returns the same text.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& meldung) : std::runtime_error(meldung) {}
  std::string Meldung() const { return what(); }
};

// Declares an exception class of its own for one subsystem class.
#define MORVANE_EXCEPTION(Name, Basis) \
  class Name : public Basis {          \
   public:                             \
    using Basis::Basis;                \
  }

}  // namespace morvane
