#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "core/datum.h"

namespace morvane {

// One day's prices. A value of exactly 0 is missing. Field order is that of the
// 52-byte disk record (the file formats write it field by field).
struct TKurs {
  Boersentag Datum = 0;
  double Kassakurs = 0;
  double Eroeffnung = 0;
  double Schluss = 0;
  double Hoch = 0;
  double Tief = 0;
  double Umsatz = 0;

  // High not below and low not above any other known price; volume >= 0.
  bool IstGueltig() const {
    if (Hoch != 0 && (Ueber(Tief, Hoch) || Ueber(Eroeffnung, Hoch) || Ueber(Schluss, Hoch) ||
                      Ueber(Kassakurs, Hoch))) {
      return false;
    }
    if (Tief != 0 && (Unter(Eroeffnung, Tief) || Unter(Schluss, Tief) || Unter(Kassakurs, Tief))) {
      return false;
    }
    return Umsatz >= 0;
  }
  // All five prices known and between low and high, volume not negative: a
  // valid, non-empty record, told apart with a few comparisons (any NaN fails
  // here and is left to IstGueltig).
  bool IstVollstaendigGueltig() const {
    return (Tief > 0) & (Tief <= Eroeffnung) & (Tief <= Schluss) & (Tief <= Kassakurs) &
           (Eroeffnung <= Hoch) & (Schluss <= Hoch) & (Kassakurs <= Hoch) & (Umsatz >= 0);
  }
  // All six values are 0.
  bool IstLeer() const {
    return Kassakurs == 0 && Eroeffnung == 0 && Schluss == 0 && Hoch == 0 && Tief == 0 &&
           Umsatz == 0;
  }
  friend bool operator==(const TKurs&, const TKurs&) = default;

 private:
  // A known value beyond a known limit.
  static bool Ueber(double wert, double grenze) { return wert != 0 && wert > grenze; }
  static bool Unter(double wert, double grenze) { return wert != 0 && wert < grenze; }
};

// Bits selecting price fields (factor, delete range, split adjustment).
enum TKursFeld : unsigned {
  kfEroeffnung = 1,
  kfHoch = 2,
  kfTief = 4,
  kfSchluss = 8,
  kfKassakurs = 16,
  kfUmsatz = 32,
  kfPreise = 31,  // the five price fields
  kfAlle = 63,
};

// Value of the field `feld` (one bit of TKursFeld) of a record. Anything but a
// single field bit is a programmer error and throws std::invalid_argument.
double& KursFeld(TKurs& kurs, TKursFeld feld);
double KursFeld(const TKurs& kurs, TKursFeld feld);

enum class TSetzModus { Mischen = 0, Ersetzen = 1 };

// A security's daily price history: at most one valid, non-empty record per
// trading day of the years 1000 to 4999, sorted ascending by date.
class TKurse {
 public:
  int Anzahl() const { return static_cast<int>(kurse_.size()); }
  // The record at index i, nullptr when out of range.
  const TKurs* Kurs(int i) const;
  // Date of the first / last record, 0 when empty.
  Boersentag ErsterTag() const;
  Boersentag LetzterTag() const;
  // The record of exactly this date, nullptr when none.
  const TKurs* Suche(Boersentag datum) const;
  // Index of the date or of the first record after it (Anzahl() when none).
  int IndexAb(Boersentag datum) const;
  // Index of the date or of the last record before it (-1 when none).
  int IndexBis(Boersentag datum) const;

  // Insert, replace, merge or delete one day. False when the record was not
  // taken: a date outside the years 1000 to 4999, a record (or merge result)
  // that is not valid, or an empty record for a day that holds none. The
  // series is then unchanged; readers count these to report them.
  bool Setze(const TKurs& kurs, TSetzModus modus);
  // Stores `anzahl` records, each filled in by `lesen(kurs)` starting from an
  // empty record, as Setze(…, Ersetzen) would, and returns how many of them
  // Setze would not have taken. Loading a file meets them in ascending order;
  // then each is read straight into its place at the end.
  template <class F>
  int Anhaengen(int anzahl, F&& lesen);
  // Merges every record of another series (used for downloaded prices) and
  // returns how many were not taken.
  int Mische(const TKurse& andere);
  // Copies the other series unchanged.
  void Zuweisen(const TKurse& andere) { kurse_ = andere.kurse_; }
  void Leeren() { kurse_.clear(); }
  void Kapazitaet(int anzahl);
  // Removes the record at index i; out of range does nothing.
  void Loeschen(int i);
  // Multiplies the fields `felder` of the records von..bis by `faktor`,
  // writing back by merging (a day that would become invalid keeps its values).
  void MitFaktorMultiplizieren(Boersentag von, Boersentag bis, unsigned felder, double faktor);

  std::span<const TKurs> Alle() const { return kurse_; }

 private:
  // Puts a valid record over the one at index i; false for an invalid one.
  bool Ersetze(std::size_t i, const TKurs& kurs);
  // A record that Setze(…, Ersetzen) would store behind a last day `letzter`
  // (0 for an empty series).
  static bool IstNeuerLetzterTag(const TKurs& kurs, Boersentag letzter) {
    return kurs.Datum >= kErsterBoersentag && kurs.Datum <= kLetzterBoersentag &&
           kurs.Datum > letzter &&
           (kurs.IstVollstaendigGueltig() || (!kurs.IstLeer() && kurs.IstGueltig()));
  }

  std::vector<TKurs> kurse_;
};

template <class F>
int TKurse::Anhaengen(int anzahl, F&& lesen) {
  int verworfen = 0;
  if (anzahl <= 0) return verworfen;
  kurse_.reserve(kurse_.size() + static_cast<std::size_t>(anzahl));
  for (int i = 0; i < anzahl; ++i) {
    const Boersentag letzter = kurse_.empty() ? 0 : kurse_.back().Datum;
    // Filled in place: building the record elsewhere and copying it costs
    // more than everything else here.
    TKurs& neu = kurse_.emplace_back();
    try {
      lesen(neu);
    } catch (...) {
      kurse_.pop_back();
      throw;
    }
    if (!IstNeuerLetzterTag(neu, letzter)) {
      const TKurs kurs = neu;
      kurse_.pop_back();
      if (!Setze(kurs, TSetzModus::Ersetzen)) ++verworfen;
    }
  }
  return verworfen;
}

}  // namespace morvane
