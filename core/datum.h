#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace morvane {

// Trading-day number: Mondays to Fridays counted from 1 January of year 1 (= 1).
// A Saturday or Sunday has the number of the Friday before it.
using Boersentag = std::int32_t;
// Calendar-day number: every day counted from 1 January of year 1 (= 1).
using Kalendertag = std::int32_t;

// Trading days of the years 1000 to 4999, the range of every stored date.
inline constexpr Boersentag kErsterBoersentag = 260628;
inline constexpr Boersentag kLetzterBoersentag = 1304177;

struct TDatum {
  std::uint16_t Tag = 0;
  std::uint16_t Monat = 0;
  std::uint16_t Jahr = 0;
  friend bool operator==(const TDatum&, const TDatum&) = default;
};

// Weekday names indexed by weekday (0 = Sunday), month names by month modulo 12
// (0 = December).
extern const std::array<std::string_view, 7> kWochentagLang;
extern const std::array<std::string_view, 7> kWochentagKurz;
extern const std::array<std::string_view, 12> kMonatsname;

bool IstSchaltjahr(int jahr);
// Month taken modulo 12, so month 12 and month 0 both mean December.
int TageImMonat(int monat, int jahr);
int TageImJahr(int jahr);
// 0 = Sunday, 1 = Monday, ..., 6 = Saturday.
int Wochentag(int tag, int monat, int jahr);

Kalendertag KalendertagAusDatum(int tag, int monat, int jahr);
TDatum DatumAusKalendertag(Kalendertag n);
// Computed block-wise (400, 100, 4, 1 years, months), never day by day.
Boersentag BoersentagAusDatum(int tag, int monat, int jahr);
TDatum DatumAusBoersentag(Boersentag n);
Boersentag BoersentagAusKalendertag(Kalendertag n);

// 1000 <= year <= 4999 and a real day of a real month.
bool IstGueltigesKalenderdatum(int tag, int monat, int jahr);
// A real Monday-to-Friday date of the years 1000 to 4999.
bool IstBoersentag(int tag, int monat, int jahr);

// Today from the system clock (see core/uhr.h for the seam tests use).
Boersentag HeuteBoersentag();
Kalendertag HeuteKalendertag();

}  // namespace morvane
