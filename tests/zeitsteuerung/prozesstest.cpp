#include "prozesstest.h"

#include "zeitsteuerung/dateien.h"
#include "zeitsteuerung/termine.h"

namespace morvane::test {

TZeitpunkt ZeitsteuerungProzess::VerpassterZeitpunkt(std::vector<std::string> kataloge,
                                                     bool herunterfahren) const {
  std::time_t jetzt = std::time(nullptr);
  std::tm lokal{};
  localtime_r(&jetzt, &lokal);
  // The scheduler catches up only on the same day.
  if (lokal.tm_hour == 23 && lokal.tm_min == 59 && lokal.tm_sec > 45) {
    std::this_thread::sleep_for(std::chrono::seconds(16));
    jetzt = std::time(nullptr);
    localtime_r(&jetzt, &lokal);
  }
  TZeitpunkt z = Punkt(lokal.tm_hour, lokal.tm_min, "xxxxxxx", herunterfahren, std::move(kataloge));
  StandSchreiben(prog_.Pfad(), AmTag(jetzt, lokal.tm_hour, lokal.tm_min) - 1);
  return z;
}

}  // namespace morvane::test
