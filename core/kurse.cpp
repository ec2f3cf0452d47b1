#include "core/kurse.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace morvane {
namespace {

bool ImGueltigenBereich(Boersentag datum) {
  return datum >= kErsterBoersentag && datum <= kLetzterBoersentag;
}

TKurs Gemischt(const TKurs& alt, const TKurs& neu) {
  TKurs m = alt;
  for (TKursFeld feld : {kfEroeffnung, kfHoch, kfTief, kfSchluss, kfKassakurs, kfUmsatz}) {
    if (KursFeld(neu, feld) > 0) KursFeld(m, feld) = KursFeld(neu, feld);
  }
  return m;
}

}  // namespace

double& KursFeld(TKurs& kurs, TKursFeld feld) {
  switch (feld) {
    case kfEroeffnung:
      return kurs.Eroeffnung;
    case kfHoch:
      return kurs.Hoch;
    case kfTief:
      return kurs.Tief;
    case kfSchluss:
      return kurs.Schluss;
    case kfKassakurs:
      return kurs.Kassakurs;
    case kfUmsatz:
      return kurs.Umsatz;
    default:
      // A set of fields or a stray bit: no correct caller passes one.
      throw std::invalid_argument("Unbekanntes Kursfeld " +
                                  std::to_string(static_cast<unsigned>(feld)));
  }
}

double KursFeld(const TKurs& kurs, TKursFeld feld) {
  return KursFeld(const_cast<TKurs&>(kurs), feld);
}

const TKurs* TKurse::Kurs(int i) const {
  if (i < 0 || i >= Anzahl()) return nullptr;
  return &kurse_[static_cast<std::size_t>(i)];
}

Boersentag TKurse::ErsterTag() const {
  return kurse_.empty() ? 0 : kurse_.front().Datum;
}
Boersentag TKurse::LetzterTag() const {
  return kurse_.empty() ? 0 : kurse_.back().Datum;
}

int TKurse::IndexAb(Boersentag datum) const {
  const auto it = std::lower_bound(kurse_.begin(), kurse_.end(), datum,
                                   [](const TKurs& k, Boersentag d) { return k.Datum < d; });
  return static_cast<int>(it - kurse_.begin());
}

int TKurse::IndexBis(Boersentag datum) const {
  const auto it = std::upper_bound(kurse_.begin(), kurse_.end(), datum,
                                   [](Boersentag d, const TKurs& k) { return d < k.Datum; });
  return static_cast<int>(it - kurse_.begin()) - 1;
}

const TKurs* TKurse::Suche(Boersentag datum) const {
  const int i = IndexAb(datum);
  if (i < Anzahl() && kurse_[static_cast<std::size_t>(i)].Datum == datum) return Kurs(i);
  return nullptr;
}

bool TKurse::Setze(const TKurs& kurs, TSetzModus modus) {
  if (!ImGueltigenBereich(kurs.Datum)) return false;
  const bool neuerTag = kurse_.empty() || kurs.Datum > kurse_.back().Datum;
  const auto i = neuerTag ? kurse_.size() : static_cast<std::size_t>(IndexAb(kurs.Datum));
  if (neuerTag || kurse_[i].Datum != kurs.Datum) {
    // The normal case of loading and updating lands here: a new last day.
    if (kurs.IstLeer() || !kurs.IstGueltig()) return false;
    kurse_.insert(kurse_.begin() + static_cast<std::ptrdiff_t>(i), kurs);
    return true;
  }
  if (modus == TSetzModus::Mischen) return Ersetze(i, Gemischt(kurse_[i], kurs));
  if (kurs.IstLeer()) {
    kurse_.erase(kurse_.begin() + static_cast<std::ptrdiff_t>(i));
    return true;
  }
  return Ersetze(i, kurs);
}

bool TKurse::Ersetze(std::size_t i, const TKurs& kurs) {
  if (!kurs.IstGueltig()) return false;
  kurse_[i] = kurs;
  return true;
}

int TKurse::Mische(const TKurse& andere) {
  int verworfen = 0;
  for (const TKurs& k : andere.kurse_) {
    if (!Setze(k, TSetzModus::Mischen)) ++verworfen;
  }
  return verworfen;
}

void TKurse::Kapazitaet(int anzahl) {
  if (anzahl > 0) kurse_.reserve(static_cast<std::size_t>(anzahl));
}

void TKurse::Loeschen(int i) {
  if (i < 0 || i >= Anzahl()) return;
  kurse_.erase(kurse_.begin() + i);
}

void TKurse::MitFaktorMultiplizieren(Boersentag von, Boersentag bis, unsigned felder,
                                     double faktor) {
  if (!(faktor > 0) || (felder & kfAlle) == 0) return;
  const int letzter = IndexBis(bis);
  for (int i = IndexAb(von); i <= letzter; ++i) {
    TKurs k = kurse_[static_cast<std::size_t>(i)];
    for (TKursFeld feld : {kfEroeffnung, kfHoch, kfTief, kfSchluss, kfKassakurs, kfUmsatz}) {
      if (felder & feld) KursFeld(k, feld) *= faktor;
    }
    Setze(k, TSetzModus::Mischen);
  }
}

}  // namespace morvane
