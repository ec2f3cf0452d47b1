#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/datum.h"

namespace morvane {

// Format bits of DatumZuText.
enum TDatumsFormat : unsigned {
  dfLeerzeichen = 1,    // pad a one-digit day or month with a blank instead of "0"
  dfWochentagKurz = 2,  // "Mo 05.01.1998"
  dfWochentagLang = 4,  // "Montag 05.01.1998"
  dfMonatKurz = 8,      // "05. Jan 1998"
  dfMonatLang = 16,     // "05. Januar 1998"
  dfJahrKurz = 32,      // "05.01.98"
  dfOhneJahr = 64,      // "05.01."
};

std::string DatumZuText(int tag, int monat, int jahr, unsigned format = 0);
std::string DatumZuText(const TDatum& datum, unsigned format = 0);
std::string BoersentagZuText(Boersentag n, unsigned format = 0);
std::string KalendertagZuText(Kalendertag n, unsigned format = 0);
std::string HeuteZuText(unsigned format = 0);

// The shared date parser ("5.1.98", "05-01-1998", "5/1/1998"); no validity test.
std::optional<TDatum> TextZuDatum(std::string_view text);
// Parses and requires a trading day (a weekend date fails).
std::optional<Boersentag> TextZuBoersentag(std::string_view text);
// Parses and requires a valid calendar date of the years 1000 to 4999.
std::optional<Kalendertag> TextZuKalendertag(std::string_view text);

}  // namespace morvane
