#include "core/datum.h"

#include "core/uhr.h"

namespace morvane {
namespace {

constexpr int kSonntag = 0;
constexpr int kSamstag = 6;

// Weekdays in a 100-year and a 4-year block (without their closing leap day)
// by the weekday of the block's first day, Sunday first.
constexpr int kWerktage100[7] = {26089, 26090, 26089, 26088, 26088, 26088, 26088};
constexpr int kWerktage4[7] = {1044, 1045, 1044, 1043, 1043, 1043, 1043};
constexpr int kWerktage400 = 104355;
constexpr int kTage400 = 146097;
constexpr int kTage100 = 36524;
constexpr int kTage4 = 1461;

bool IstWerktag(int wochentag) {
  return wochentag != kSonntag && wochentag != kSamstag;
}

int WerktageImJahr(int ersterWochentag) {
  // 365 days are 52 weeks and one day: that day is a weekday or not.
  return IstWerktag(ersterWochentag) ? 261 : 260;
}

// Mondays to Fridays of a month whose first day has weekday w.
int WerktageImMonat(int laenge, int w) {
  int anzahl = 20;
  for (int tag = 29; tag <= laenge; ++tag) {
    if (IstWerktag((w + tag - 1) % 7)) ++anzahl;
  }
  return anzahl;
}

// Weekdays among the first `tage` (< 7) days starting at weekday w.
int WerktageAb(int w, int tage) {
  int anzahl = 0;
  for (int i = 0; i < tage; ++i) {
    if (IstWerktag((w + i) % 7)) ++anzahl;
  }
  return anzahl;
}

constexpr int kMonatslaenge[12] = {31, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30};

}  // namespace

const std::array<std::string_view, 7> kWochentagLang = {
    "Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
const std::array<std::string_view, 7> kWochentagKurz = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
const std::array<std::string_view, 12> kMonatsname = {
    "Dezember", "Januar", "Februar", "März",      "April",   "Mai",
    "Juni",     "Juli",   "August",  "September", "Oktober", "November"};

bool IstSchaltjahr(int jahr) {
  return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
}

int TageImMonat(int monat, int jahr) {
  const int m = ((monat % 12) + 12) % 12;
  if (m == 2 && IstSchaltjahr(jahr)) return 29;
  return kMonatslaenge[m];
}

int TageImJahr(int jahr) {
  return IstSchaltjahr(jahr) ? 366 : 365;
}

Kalendertag KalendertagAusDatum(int tag, int monat, int jahr) {
  const int y = jahr - 1;
  int n = y * 365 + y / 4 - y / 100 + y / 400;
  for (int m = 1; m < monat; ++m)
    n += TageImMonat(m, jahr);
  return n + tag;
}

int Wochentag(int tag, int monat, int jahr) {
  return KalendertagAusDatum(tag, monat, jahr) % 7;
}

TDatum DatumAusKalendertag(Kalendertag n) {
  // Whole 400-, 100-, 4- and 1-year blocks first; a block's closing leap day
  // is only reached in its last sub-block, hence the caps.
  int rest = n - 1;
  int jahr = 1 + 400 * (rest / kTage400);
  rest %= kTage400;
  for (int i = 0; i < 3 && rest >= kTage100; ++i)
    rest -= kTage100, jahr += 100;
  for (int i = 0; i < 24 && rest >= kTage4; ++i)
    rest -= kTage4, jahr += 4;
  for (int i = 0; i < 3 && rest >= 365; ++i)
    rest -= 365, jahr += 1;
  int monat = 1;
  while (monat < 12 && rest >= TageImMonat(monat, jahr))
    rest -= TageImMonat(monat++, jahr);
  return {static_cast<std::uint16_t>(rest + 1), static_cast<std::uint16_t>(monat),
          static_cast<std::uint16_t>(jahr)};
}

Boersentag BoersentagAusDatum(int tag, int monat, int jahr) {
  int y = jahr - 1;
  int w = 1;  // 1 January of year 1 is a Monday
  Boersentag n = (y / 400) * kWerktage400;
  y %= 400;
  for (; y >= 100; y -= 100)
    n += kWerktage100[w], w = (w + 5) % 7;
  for (; y >= 4; y -= 4)
    n += kWerktage4[w], w = (w + 5) % 7;
  for (; y >= 1; y -= 1)
    n += WerktageImJahr(w), w = (w + 1) % 7;
  for (int m = 1; m < monat; ++m) {
    const int laenge = TageImMonat(m, jahr);
    n += WerktageImMonat(laenge, w);
    w = (w + laenge) % 7;
  }
  return n + 5 * (tag / 7) + WerktageAb(w, tag % 7);
}

TDatum DatumAusBoersentag(Boersentag n) {
  int rest = n - 1;  // weekdays before the wanted one
  int w = 1;
  int jahr = 1 + 400 * (rest / kWerktage400);
  rest %= kWerktage400;
  for (int i = 0; i < 3 && rest >= kWerktage100[w]; ++i) {
    rest -= kWerktage100[w], jahr += 100, w = (w + 5) % 7;
  }
  for (int i = 0; i < 24 && rest >= kWerktage4[w]; ++i) {
    rest -= kWerktage4[w], jahr += 4, w = (w + 5) % 7;
  }
  for (int i = 0; i < 3 && rest >= WerktageImJahr(w); ++i) {
    rest -= WerktageImJahr(w), jahr += 1, w = (w + 1) % 7;
  }
  int monat = 1;
  for (; monat < 12; ++monat) {
    const int laenge = TageImMonat(monat, jahr);
    const int werktage = WerktageImMonat(laenge, w);
    if (rest < werktage) break;
    rest -= werktage;
    w = (w + laenge) % 7;
  }
  int tag = 1;
  while (!IstWerktag(w))
    ++tag, w = (w + 1) % 7;
  tag += 7 * (rest / 5);
  rest %= 5;
  tag += rest + (w + rest > 5 ? 2 : 0);
  return {static_cast<std::uint16_t>(tag), static_cast<std::uint16_t>(monat),
          static_cast<std::uint16_t>(jahr)};
}

Boersentag BoersentagAusKalendertag(Kalendertag n) {
  const TDatum d = DatumAusKalendertag(n);
  return BoersentagAusDatum(d.Tag, d.Monat, d.Jahr);
}

bool IstGueltigesKalenderdatum(int tag, int monat, int jahr) {
  return jahr >= 1000 && jahr <= 4999 && monat >= 1 && monat <= 12 && tag >= 1 &&
         tag <= TageImMonat(monat, jahr);
}

bool IstBoersentag(int tag, int monat, int jahr) {
  if (tag == 0 || monat == 0 || jahr < 1000 || jahr > 4999) return false;
  if (tag > 31 || monat > 12) return false;  // can never convert back unchanged
  const TDatum zurueck = DatumAusBoersentag(BoersentagAusDatum(tag, monat, jahr));
  return zurueck.Tag == tag && zurueck.Monat == monat && zurueck.Jahr == jahr;
}

Boersentag HeuteBoersentag() {
  const TDatum d = Jetzt().Datum;
  return BoersentagAusDatum(d.Tag, d.Monat, d.Jahr);
}

Kalendertag HeuteKalendertag() {
  const TDatum d = Jetzt().Datum;
  return KalendertagAusDatum(d.Tag, d.Monat, d.Jahr);
}

}  // namespace morvane
