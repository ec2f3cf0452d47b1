#pragma once

#include <cstdint>
#include <string>

#include "core/binaer.h"

namespace morvane::test {

// A stand-in for a block owner of the settings file with a little format of
// its own: a number and a text.
struct TProbeBlock {
  std::int32_t Zahl = 0;
  std::string Text;
  void Schreibe(TBinaerSchreiber& s) const {
    s.Int32(Zahl);
    s.Text(Text);
  }
  void Lies(TBinaerLeser& l) {
    Zahl = l.Int32();
    Text = l.Text();
  }
};

}  // namespace morvane::test
