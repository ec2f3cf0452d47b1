#pragma once

#include <cstddef>
#include <cstdint>

#include "core/binaer.h"

namespace morvane {

// A piece of the settings file that belongs to another part of the program
// (the schedule, the chart view, the chart templates, the indicator set). The
// settings file calls Schreibe and Lies at the block's fixed place; the owner
// alone knows the bytes. Lies may throw on short or damaged input; whatever it
// read before the failure stays in the object.
class TEinstellungsBlock {
 public:
  virtual ~TEinstellungsBlock() = default;
  virtual void Schreibe(TBinaerSchreiber& schreiber) const = 0;
  virtual void Lies(TBinaerLeser& leser) = 0;
};

// Plugs a value type with the two member functions
//   void Schreibe(TBinaerSchreiber&) const;  void Lies(TBinaerLeser&);
// into the settings file without making it polymorphic itself.
template <class T>
class TEinstellungsWert final : public TEinstellungsBlock {
 public:
  void Schreibe(TBinaerSchreiber& schreiber) const override { Wert.Schreibe(schreiber); }
  void Lies(TBinaerLeser& leser) override { Wert.Lies(leser); }

  T Wert;
};

// Element count of a list inside a block: a count below 1 means an empty
// list; a count that more elements of at least `mindestGroesse` bytes than the
// rest of the input can hold fails at once (raises ELesefehler).
std::int32_t ListenAnzahl(TBinaerLeser& leser, std::size_t mindestGroesse);

}  // namespace morvane
