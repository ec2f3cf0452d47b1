#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <optional>
#include <span>
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

  // A series over von..bis built slot by slot, in order: wert(i) is called once
  // for every slot i (the date von + i) and gives its value or none. The slots
  // are written once only, with no filling beforehand.
  template <typename Wert>
  static TZeitreihe Aufbauen(Boersentag von, Boersentag bis, Wert wert) {
    TZeitreihe reihe;
    const std::int64_t laenge = Laenge(von, bis);
    if (laenge <= 0) return reihe;
    reihe.von_ = von;
    reihe.bis_ = bis;
    const auto n = static_cast<std::size_t>(laenge);
    reihe.werte_.resize(n);
    reihe.belegt_.resize(n);
    double* werte = reihe.werte_.data();
    std::uint8_t* belegt = reihe.belegt_.data();
    for (std::size_t i = 0; i < n; ++i) {
      const std::optional<double> w = wert(i);
      werte[i] = w.value_or(0.0);
      belegt[i] = w.has_value();
    }
    return reihe;
  }

  Boersentag Von() const { return von_; }
  Boersentag Bis() const { return bis_; }

  // Outside Von..Bis nothing happens.
  void Setzen(Boersentag tag, double wert) {
    const std::size_t i = Stelle(tag);
    if (i >= werte_.size()) return;
    werte_[i] = wert;
    belegt_[i] = 1;
  }

  // Absent outside Von..Bis or for an empty slot.
  std::optional<double> Lesen(Boersentag tag) const {
    const std::size_t i = Stelle(tag);
    if (i >= werte_.size() || !belegt_[i]) return std::nullopt;
    return werte_[i];
  }

  bool Enthaelt(Boersentag tag) const { return Stelle(tag) < werte_.size(); }

  // The slots as flat arrays for loops over the whole series: slot i is the
  // date Von() + i, Belegt()[i] says whether it has a value, Werte()[i] is that
  // value and 0 in an empty slot. Empty for an empty series.
  std::span<const double> Werte() const { return werte_; }
  std::span<const std::uint8_t> Belegt() const { return belegt_; }

 private:
  // The slot of `tag`; beyond the slots for a date outside Von..Bis (one
  // comparison then tells both bounds and the empty series).
  std::size_t Stelle(Boersentag tag) const {
    return static_cast<std::size_t>(std::int64_t{tag} - von_);
  }
  static std::int64_t Laenge(Boersentag von, Boersentag bis) {
    return static_cast<std::int64_t>(bis) - von + 1;
  }

  // Allocates like std::allocator, but a resize leaves the new slots unset:
  // Aufbauen writes every one of them itself.
  template <typename T>
  struct TOhneVorbelegung : std::allocator<T> {
    TOhneVorbelegung() = default;
    template <typename U>
    TOhneVorbelegung(const TOhneVorbelegung<U>&) noexcept {}
    template <typename U>
    struct rebind {
      using other = TOhneVorbelegung<U>;
    };
    template <typename U>
    void construct(U* p) noexcept {
      ::new (static_cast<void*>(p)) U;
    }
  };

  Boersentag von_ = 0;
  Boersentag bis_ = 0;
  std::vector<double, TOhneVorbelegung<double>> werte_;
  std::vector<std::uint8_t, TOhneVorbelegung<std::uint8_t>> belegt_;
};

}  // namespace morvane
