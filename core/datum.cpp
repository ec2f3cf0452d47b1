#include "core/datum.h"

#include <algorithm>

#include "core/uhr.h"

namespace morvane {
namespace {

constexpr int kSonntag = 0;
constexpr int kSamstag = 6;

constexpr bool IstWerktag(int wochentag) {
  return wochentag != kSonntag && wochentag != kSamstag;
}

constexpr int kMonatslaenge[2][13] = {{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                      {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};

// Weekdays among `tage` consecutive days starting at weekday w.
constexpr int WerktageAb(int w, int tage) {
  int anzahl = 5 * (tage / 7);
  for (int i = 0; i < tage % 7; ++i)
    anzahl += IstWerktag((w + i) % 7) ? 1 : 0;
  return anzahl;
}

// The block sizes of the calendar. A 400-year block is exactly 20 871 weeks; a
// 100-year block (without a closing leap day) is 36 524 days, a 4-year block
// 1 461 days, a plain year 365 days. Whole weeks need no table; what a block
// adds beyond them depends on the weekday it starts with, and each block moves
// that weekday on by its length modulo 7.
struct TBlock {
  int tage;
  int hoechstens;  // how many such blocks can follow each other within the next larger one
};
constexpr TBlock kBlock100{36524, 3};
constexpr TBlock kBlock4{1461, 24};
constexpr TBlock kBlock1{365, 3};
constexpr int kWerktage400 = 104355;
constexpr int kTage400 = 146097;

// Weekdays in the first k blocks when the first begins on weekday w: tables
// of running sums, so a run of blocks costs one lookup instead of a loop.
template <int Anzahl>
struct TBlocksummen {
  int werktage[7][Anzahl + 1] = {};
  constexpr explicit TBlocksummen(int tage) {
    for (int w = 0; w < 7; ++w) {
      int start = w;
      for (int k = 0; k < Anzahl; ++k) {
        werktage[w][k + 1] = werktage[w][k] + WerktageAb(start, tage);
        start = (start + tage) % 7;
      }
    }
  }
};
constexpr TBlocksummen<3> kSummen100(kBlock100.tage);
constexpr TBlocksummen<24> kSummen4(kBlock4.tage);
constexpr TBlocksummen<3> kSummen1(kBlock1.tage);

// Days and weekdays of the months before month m (1..13) of a year whose
// 1 January has weekday w, for plain [0] and leap years [1].
struct TMonatssummen {
  int tage[2][14] = {};
  int werktage[2][7][14] = {};
  constexpr TMonatssummen() {
    for (int schalt = 0; schalt < 2; ++schalt) {
      for (int m = 1; m <= 12; ++m)
        tage[schalt][m + 1] = tage[schalt][m] + kMonatslaenge[schalt][m];
      for (int w = 0; w < 7; ++w) {
        for (int m = 1; m <= 12; ++m) {
          werktage[schalt][w][m + 1] =
              werktage[schalt][w][m] +
              WerktageAb((w + tage[schalt][m]) % 7, kMonatslaenge[schalt][m]);
        }
      }
    }
  }
};
constexpr TMonatssummen kMonate;

// Moves past k blocks of one kind: count, year and weekday.
template <int Anzahl>
void Ueberspringen(const TBlocksummen<Anzahl>& summen, int tage, int jahre, int k, int& w,
                   int& jahr, int& werktage) {
  werktage += summen.werktage[w][k];
  jahr += jahre * k;
  w = (w + k * tage) % 7;
}

// The largest number of whole blocks whose weekdays fit into `rest`.
template <int Anzahl>
int GanzeBloecke(const TBlocksummen<Anzahl>& summen, int w, int rest) {
  int k = 0;
  while (k < Anzahl && summen.werktage[w][k + 1] <= rest)
    ++k;
  return k;
}

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
  const int m = ((monat % 12) + 11) % 12 + 1;  // 0 and 12 are both December
  return kMonatslaenge[IstSchaltjahr(jahr) ? 1 : 0][m];
}

int TageImJahr(int jahr) {
  return IstSchaltjahr(jahr) ? 366 : 365;
}

Kalendertag KalendertagAusDatum(int tag, int monat, int jahr) {
  const int y = jahr - 1;
  int n = y * 365 + y / 4 - y / 100 + y / 400;
  const int schalt = IstSchaltjahr(jahr) ? 1 : 0;
  n += kMonate.tage[schalt][std::clamp(monat, 1, 13)];
  for (int m = 13; m < monat; ++m)
    n += TageImMonat(m, jahr);  // months past December
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
  int k = std::min(rest / kBlock100.tage, kBlock100.hoechstens);
  rest -= k * kBlock100.tage, jahr += 100 * k;
  k = std::min(rest / kBlock4.tage, kBlock4.hoechstens);
  rest -= k * kBlock4.tage, jahr += 4 * k;
  k = std::min(rest / kBlock1.tage, kBlock1.hoechstens);
  rest -= k * kBlock1.tage, jahr += k;
  const int schalt = IstSchaltjahr(jahr) ? 1 : 0;
  int monat = 1;
  while (monat < 12 && rest >= kMonate.tage[schalt][monat + 1])
    ++monat;
  rest -= kMonate.tage[schalt][monat];
  return {static_cast<std::uint16_t>(rest + 1), static_cast<std::uint16_t>(monat),
          static_cast<std::uint16_t>(jahr)};
}

Boersentag BoersentagAusDatum(int tag, int monat, int jahr) {
  int y = jahr - 1;
  int w = 1;  // 1 January of year 1 is a Monday
  int ohneJahr = 0;
  int n = (y / 400) * kWerktage400;
  y %= 400;
  Ueberspringen(kSummen100, kBlock100.tage, 100, y / 100, w, ohneJahr, n);
  y %= 100;
  Ueberspringen(kSummen4, kBlock4.tage, 4, y / 4, w, ohneJahr, n);
  Ueberspringen(kSummen1, kBlock1.tage, 1, y % 4, w, ohneJahr, n);
  const int schalt = IstSchaltjahr(jahr) ? 1 : 0;
  const int m = std::clamp(monat, 1, 13);
  n += kMonate.werktage[schalt][w][m];
  w = (w + kMonate.tage[schalt][m]) % 7;
  for (int weiter = 13; weiter < monat; ++weiter) {  // months past December
    const int laenge = TageImMonat(weiter, jahr);
    n += WerktageAb(w, laenge);
    w = (w + laenge) % 7;
  }
  return n + WerktageAb(w, tag);
}

TDatum DatumAusBoersentag(Boersentag n) {
  int rest = n - 1;  // weekdays before the wanted one
  int w = 1;
  int jahr = 1 + 400 * (rest / kWerktage400);
  int abgezogen = 0;
  rest %= kWerktage400;
  Ueberspringen(kSummen100, kBlock100.tage, 100, GanzeBloecke(kSummen100, w, rest), w, jahr,
                abgezogen);
  Ueberspringen(kSummen4, kBlock4.tage, 4, GanzeBloecke(kSummen4, w, rest - abgezogen), w, jahr,
                abgezogen);
  Ueberspringen(kSummen1, kBlock1.tage, 1, GanzeBloecke(kSummen1, w, rest - abgezogen), w, jahr,
                abgezogen);
  rest -= abgezogen;
  const int schalt = IstSchaltjahr(jahr) ? 1 : 0;
  int monat = 1;
  while (monat < 12 && rest >= kMonate.werktage[schalt][w][monat + 1])
    ++monat;
  rest -= kMonate.werktage[schalt][w][monat];
  w = (w + kMonate.tage[schalt][monat]) % 7;
  // Walk to the month's first weekday, then whole weeks and the rest.
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
