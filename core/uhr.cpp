#include "core/uhr.h"

#include <ctime>
#include <utility>

namespace morvane {
namespace {

std::function<TUhrzeit()>& ErsatzUhr() {
  static std::function<TUhrzeit()> uhr;
  return uhr;
}

}  // namespace

TUhrzeit Jetzt() {
  if (ErsatzUhr()) return ErsatzUhr()();
  const std::time_t jetzt = std::time(nullptr);
  std::tm lokal{};
  localtime_r(&jetzt, &lokal);
  TUhrzeit z;
  z.Datum = {static_cast<std::uint16_t>(lokal.tm_mday),
             static_cast<std::uint16_t>(lokal.tm_mon + 1),
             static_cast<std::uint16_t>(lokal.tm_year + 1900)};
  z.Stunde = lokal.tm_hour;
  z.Minute = lokal.tm_min;
  z.Sekunde = lokal.tm_sec;
  return z;
}

void UhrErsetzen(std::function<TUhrzeit()> uhr) {
  ErsatzUhr() = std::move(uhr);
}

}  // namespace morvane
