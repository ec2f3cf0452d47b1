#include "core/kursbearbeitung.h"

#include <algorithm>

#include "core/datumtext.h"
#include "core/zahltext.h"

namespace morvane {
namespace {

constexpr const char* kUngueltigesDatum = "Ungültiges Datum angegeben!";

bool IstWochenende(Kalendertag tag) {
  const int w = tag % 7;
  return w == 0 || w == 6;
}

}  // namespace

TKursFeld KurstabellenFeld(int spalte) {
  constexpr TKursFeld kSpalten[] = {kfEroeffnung, kfHoch, kfTief, kfSchluss, kfKassakurs, kfUmsatz};
  return kSpalten[spalte - 1];
}

TKursZeitraum VorbelegterZeitraum(const TKurse& kurse, Boersentag zeile) {
  const bool vonErstemTag = kurse.Anzahl() > 0 && kurse.ErsterTag() <= zeile;
  return {vonErstemTag ? kurse.ErsterTag() : zeile, zeile};
}

TKursZeitraum ZeitraumLesen(std::string_view vonText, std::string_view bisText) {
  const auto von = TextZuKalendertag(vonText);
  const auto bis = TextZuKalendertag(bisText);
  if (!von || !bis || *bis < *von) throw EKursbearbeitung(kUngueltigesDatum);
  // A weekend maps to the Friday before: right for "bis", one short for "von".
  TKursZeitraum zeitraum{BoersentagAusKalendertag(*von), BoersentagAusKalendertag(*bis)};
  if (IstWochenende(*von)) ++zeitraum.Von;
  return zeitraum;
}

double FaktorLesen(std::string_view text) {
  const auto faktor = TextZuZahl(text, 6);
  if (!faktor || !(*faktor > 0)) {
    throw EKursbearbeitung("Es muss eine positive Zahl angegeben werden!");
  }
  return *faktor;
}

void KurseLoeschen(TKurse& kurse, const TKursZeitraum& zeitraum, unsigned felder) {
  // Backwards, so that removed days do not shift the ones still to visit.
  for (int i = kurse.IndexBis(zeitraum.Bis); i >= kurse.IndexAb(zeitraum.Von); --i) {
    TKurs k = *kurse.Kurs(i);
    for (TKursFeld feld : {kfEroeffnung, kfHoch, kfTief, kfSchluss, kfKassakurs, kfUmsatz}) {
      if (felder & feld) KursFeld(k, feld) = 0;
    }
    kurse.Setze(k, TSetzModus::Ersetzen);
  }
}

TKursZeitraum KurstabellenZeitraum(const TKurse& kurse, Boersentag tag) {
  if (kurse.Anzahl() == 0) return {tag - 9, tag};
  return {std::min(tag - 9, kurse.ErsterTag()), std::max(tag, kurse.LetzterTag())};
}

bool KurszelleAendern(TKurse& kurse, Boersentag tag, int spalte, std::string_view text) {
  if (spalte < 1 || spalte > 6) return false;
  const bool umsatz = spalte == 6;
  double wert = 0;
  if (!Trimmen(text).empty()) {
    const auto gelesen = TextZuZahl(text, umsatz ? 0 : 4);
    if (!gelesen || !(*gelesen > 0) || *gelesen > (umsatz ? 1e12 : 1e9)) return false;
    wert = *gelesen;
  }
  const TKurs* alt = kurse.Suche(tag);
  TKurs neu = alt ? *alt : TKurs{tag};
  KursFeld(neu, KurstabellenFeld(spalte)) = wert;
  if (neu.IstLeer()) {
    kurse.Setze(neu, TSetzModus::Ersetzen);
    return alt != nullptr;
  }
  if (!neu.IstGueltig()) return false;
  kurse.Setze(neu, TSetzModus::Ersetzen);
  return kurse.Suche(tag) != nullptr;
}

}  // namespace morvane
