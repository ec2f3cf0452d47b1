#pragma once

#include <stdexcept>
#include <string>

// How the program deals with failures, in every subsystem:
//
// - A model operation that cannot do what was asked throws an Exception (a
//   class derived from it) carrying the German message the user reads. It does
//   not turn the failure into a return value, and it catches nothing it cannot
//   put right.
// - A reader of outside data (a security file, a downloaded page, the settings
//   file) keeps what it can use and never drops anything silently: it counts or
//   names what it left out and hands that to its caller, which tells the user
//   and writes it to the log book where one exists.
// - A programmer error (an argument no correct caller passes, such as an
//   unknown price field bit) fails loudly with a std::logic_error. It is no
//   Exception, so it never passes for bad input and no handler turns it into
//   a message for the user.

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
