#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/binaer.h"

namespace morvane {

class TEinstellungen;

// One time of the week at which prices are updated.
struct TZeitpunkt {
  std::uint8_t Stunde = 0;  // 0 ... 23
  std::uint8_t Minute = 0;  // 0 ... 59
  // Monday ... Sunday.
  std::array<bool, 7> Wochentage{};
  // "Anschließend Windows herunterfahren"
  bool Herunterfahren = false;
  std::vector<std::string> Kataloge;

  // The row of the options list: "02:00 Uhr\tMontag Freitag\t2 Kataloge".
  std::string Anzeigetext() const;
  // "HH:MM" for the time field.
  std::string Uhrzeit() const;

  friend bool operator==(const TZeitpunkt&, const TZeitpunkt&) = default;
};

// The schedule of timed updates, stored in the settings file.
class TZeitplaner {
 public:
  bool Aktiv = false;

  std::size_t Anzahl() const { return zeitpunkte_.size(); }
  // Null when the index is out of range.
  const TZeitpunkt* Zeitpunkt(std::size_t index) const;
  TZeitpunkt* Zeitpunkt(std::size_t index);
  void Anhaengen(TZeitpunkt zeitpunkt);
  void Leeren() { zeitpunkte_.clear(); }

  // The settings file's block. Reading first drops all time points; a count
  // below 1 means none; a short input raises ELesefehler and keeps the time
  // points read completely.
  void Schreibe(TBinaerSchreiber& schreiber) const;
  void Lies(TBinaerLeser& leser);

 private:
  std::vector<TZeitpunkt> zeitpunkte_;
};

struct TUhrzeitEingabe {
  std::uint8_t Stunde = 0;
  std::uint8_t Minute = 0;
};

// Reads the time field: "2", "2:5", "02.05", "0205", "930", "2 05". Empty
// when the text is no time of day.
std::optional<TUhrzeitEingabe> UhrzeitLesen(std::string_view text);

// The checks of the time-point dialog on OK: the message of the first fault.
std::optional<std::string> ZeitpunktPruefen(std::string_view uhrzeit,
                                            const std::array<bool, 7>& wochentage);

// The schedule's block of the settings file; Einstecken does nothing when it
// is plugged in already.
void ZeitplanerEinstecken(TEinstellungen& einstellungen);
TZeitplaner& Zeitplaner(TEinstellungen& einstellungen);

}  // namespace morvane
