#include "zeitsteuerung/termine.h"

#include <algorithm>

#include "online/zeitplaner.h"

namespace morvane {
namespace {

std::tm Lokal(std::time_t zeit) {
  std::tm t{};
  localtime_r(&zeit, &t);
  return t;
}

// The moment of a local clock time on the calendar day `tag` days after the
// one of `basis`; mktime normalises the day across month and year ends and
// picks the offset in force at that clock time.
std::time_t Ortszeit(const std::tm& basis, int tage, int stunde, int minute) {
  std::tm t{};
  t.tm_year = basis.tm_year;
  t.tm_mon = basis.tm_mon;
  t.tm_mday = basis.tm_mday + tage;
  t.tm_hour = stunde;
  t.tm_min = minute;
  t.tm_isdst = -1;
  return std::mktime(&t);
}

// Monday 0 ... Sunday 6 of the day `tage` after `basis`, taken at noon, far
// from any clock change.
int Wochentag(const std::tm& basis, int tage) {
  return (Lokal(Ortszeit(basis, tage, 12, 0)).tm_wday + 6) % 7;
}

}  // namespace

std::time_t AmTag(std::time_t tag, int stunde, int minute) {
  return Ortszeit(Lokal(tag), 0, stunde, minute);
}

std::optional<std::time_t> NaechsterTermin(const TZeitplaner& plan, std::time_t nach) {
  if (!plan.Aktiv) return std::nullopt;
  const std::tm basis = Lokal(nach);
  std::optional<std::time_t> erster;
  // Today up to the same weekday a week later: a time point earlier in the
  // day than `nach` on today's weekday falls due only then.
  for (int tage = 0; tage <= 7 && !erster; ++tage) {
    const int wochentag = Wochentag(basis, tage);
    for (std::size_t i = 0; i < plan.Anzahl(); ++i) {
      const TZeitpunkt& z = *plan.Zeitpunkt(i);
      if (!z.Wochentage[static_cast<std::size_t>(wochentag)]) continue;
      const std::time_t zeit = Ortszeit(basis, tage, z.Stunde, z.Minute);
      if (zeit > nach && (!erster || zeit < *erster)) erster = zeit;
    }
  }
  return erster;
}

std::vector<std::size_t> Faellig(const TZeitplaner& plan, std::time_t seit, std::time_t jetzt) {
  std::vector<std::size_t> faellig;
  if (!plan.Aktiv) return faellig;
  const std::tm heute = Lokal(jetzt);
  const auto wochentag = static_cast<std::size_t>(Wochentag(heute, 0));
  for (std::size_t i = 0; i < plan.Anzahl(); ++i) {
    const TZeitpunkt& z = *plan.Zeitpunkt(i);
    const std::time_t zeit = Ortszeit(heute, 0, z.Stunde, z.Minute);
    if (z.Wochentage[wochentag] && zeit > seit && zeit <= jetzt) faellig.push_back(i);
  }
  return faellig;
}

TAuftrag AuftragFuer(const TZeitplaner& plan, const std::vector<std::size_t>& indizes) {
  TAuftrag auftrag;
  for (std::size_t i : indizes) {
    const TZeitpunkt* z = plan.Zeitpunkt(i);
    if (!z) continue;
    for (const std::string& katalog : z->Kataloge) {
      if (std::find(auftrag.Kataloge.begin(), auftrag.Kataloge.end(), katalog) ==
          auftrag.Kataloge.end()) {
        auftrag.Kataloge.push_back(katalog);
      }
    }
    auftrag.Herunterfahren = auftrag.Herunterfahren || z->Herunterfahren;
    if (!auftrag.Zeiten.empty()) auftrag.Zeiten += ", ";
    auftrag.Zeiten += z->Uhrzeit() + " Uhr";
  }
  return auftrag;
}

}  // namespace morvane
