#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// Sums of one currency in the totals of a depot list; each list uses the sums
// it needs.
struct TWaehrungEintrag {
  std::string Waehrung;
  double Kasse = 0;
  double Marktwert = 0;
  double Realisiert = 0;
  double Buchgewinn = 0;
  double Gesamtgewinn = 0;
  double Investiert = 0;
  double Einstand = 0;
};

// Per-currency totals in the order in which the currencies are first met.
// Currencies are matched without regard to case; an entry keeps the spelling
// it was created with.
class TWaehrungEintraege {
 public:
  // The entry of `waehrung`, created with all sums 0 on first use.
  TWaehrungEintrag& Eintrag(std::string_view waehrung);
  std::span<const TWaehrungEintrag> Alle() const { return eintraege_; }

 private:
  std::vector<TWaehrungEintrag> eintraege_;
};

}  // namespace morvane
