#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/datum.h"

namespace morvane {

// Optional values over the trading days Von..Bis (inclusive): the output of
// every indicator, read on every chart paint. Values and presence flags live in
// two flat arrays, so reading and writing a day is constant time.
class TZeitreihe {
 public:
  TZeitreihe() = default;
  // An empty series (Von = Bis = 0) when bis < von.
  TZeitreihe(Boersentag von, Boersentag bis) { Erzeugen(von, bis); }

  // Starts afresh with bis - von + 1 empty slots.
  void Erzeugen(Boersentag von, Boersentag bis);

  Boersentag Von() const { return von_; }
  Boersentag Bis() const { return bis_; }

  // Outside Von..Bis nothing happens.
  void Setzen(Boersentag tag, double wert) {
    if (!Enthaelt(tag)) return;
    const auto i = static_cast<std::size_t>(tag - von_);
    werte_[i] = wert;
    belegt_[i] = 1;
  }

  // Absent outside Von..Bis or for an empty slot.
  std::optional<double> Lesen(Boersentag tag) const {
    if (!Enthaelt(tag)) return std::nullopt;
    const auto i = static_cast<std::size_t>(tag - von_);
    if (!belegt_[i]) return std::nullopt;
    return werte_[i];
  }

  bool Enthaelt(Boersentag tag) const { return !werte_.empty() && tag >= von_ && tag <= bis_; }

 private:
  Boersentag von_ = 0;
  Boersentag bis_ = 0;
  std::vector<double> werte_;
  std::vector<std::uint8_t> belegt_;
};

}  // namespace morvane
