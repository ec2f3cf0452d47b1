#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "online/zeitplaner.h"

namespace morvane::test {

// Puts the process into German local time (with its clock changes) for the
// object's lifetime.
class TBerlinerZeit {
 public:
  TBerlinerZeit() {
    if (const char* tz = std::getenv("TZ")) vorher_ = tz;
    ::setenv("TZ", "Europe/Berlin", 1);
    ::tzset();
  }
  ~TBerlinerZeit() {
    if (vorher_) {
      ::setenv("TZ", vorher_->c_str(), 1);
    } else {
      ::unsetenv("TZ");
    }
    ::tzset();
  }

 private:
  std::optional<std::string> vorher_;
};

// Sets or clears an environment variable for the object's lifetime.
class TUmgebungsvariable {
 public:
  TUmgebungsvariable(const char* name, const char* wert) : name_(name) {
    if (const char* alt = std::getenv(name)) vorher_ = alt;
    wert ? ::setenv(name, wert, 1) : ::unsetenv(name);
  }
  ~TUmgebungsvariable() { vorher_ ? ::setenv(name_, vorher_->c_str(), 1) : ::unsetenv(name_); }
  TUmgebungsvariable(const TUmgebungsvariable&) = delete;
  TUmgebungsvariable& operator=(const TUmgebungsvariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> vorher_;
};

// A moment given in UTC, independent of the local time rules under test.
inline std::time_t Utc(int jahr, int monat, int tag, int stunde, int minute, int sekunde = 0) {
  std::tm t{};
  t.tm_year = jahr - 1900;
  t.tm_mon = monat - 1;
  t.tm_mday = tag;
  t.tm_hour = stunde;
  t.tm_min = minute;
  t.tm_sec = sekunde;
  return ::timegm(&t);
}

// A time point on the weekdays named by "MDMDFSS" letters ("x" ticks, "-" not).
inline TZeitpunkt Punkt(int stunde, int minute, const char* tage, bool herunterfahren = false,
                        std::vector<std::string> kataloge = {}) {
  TZeitpunkt z;
  z.Stunde = static_cast<std::uint8_t>(stunde);
  z.Minute = static_cast<std::uint8_t>(minute);
  for (std::size_t i = 0; i < 7; ++i)
    z.Wochentage[i] = tage[i] == 'x';
  z.Herunterfahren = herunterfahren;
  z.Kataloge = std::move(kataloge);
  return z;
}

inline TZeitplaner Plan(std::vector<TZeitpunkt> punkte, bool aktiv = true) {
  TZeitplaner plan;
  plan.Aktiv = aktiv;
  for (TZeitpunkt& p : punkte)
    plan.Anhaengen(std::move(p));
  return plan;
}

}  // namespace morvane::test
