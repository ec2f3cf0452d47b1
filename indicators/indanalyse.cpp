#include "indicators/indanalyse.h"

#include <utility>

#include "indicators/rechenvorrat.h"

namespace morvane {

TIndAnalyse::TIndAnalyse(const TIndVorlagen& vorlagen)
    : vorlagen_(vorlagen), liste_(vorlagen.Kopie()) {}

template <class F>
void TIndAnalyse::FuerAlle(F&& f) const {
  for (int gruppe = 1; gruppe <= 3; ++gruppe) {
    for (int index = 0; index < liste_->Anzahl(gruppe); ++index)
      f(gruppe, index, liste_->Indikator(gruppe, index));
  }
}

void TIndAnalyse::Berechnen(const TKurse& kurse) {
  // Copying the templates may fail; the list stays as it was then.
  std::unique_ptr<TIndListe> neu = vorlagen_.Kopie();
  std::unique_ptr<TIndListe> alt = std::exchange(liste_, std::move(neu));
  // Kinds that need the same series share it.
  const TRechenvorrat vorrat(kurse);
  FuerAlle([&](int, int, TIndikator& indikator) { indikator.Berechnen(kurse); });
  for (int gruppe = 1; gruppe <= 3; ++gruppe) {
    if (alt->Anzahl(gruppe) != liste_->Anzahl(gruppe)) continue;
    for (int index = 0; index < liste_->Anzahl(gruppe); ++index)
      liste_->Indikator(gruppe, index).Anzeige = alt->Indikator(gruppe, index).Anzeige;
  }
}

void TIndAnalyse::Umschalten(bool strg, int gruppe, int index) {
  TIndikator& gewaehlt = Indikator(gruppe, index);
  FuerAlle([&](int, int, TIndikator& indikator) {
    if (&indikator == &gewaehlt) return;
    if (!strg)
      indikator.Anzeige = 0;
    else if (indikator.Anzeige == 1 || indikator.Anzeige == 2)
      indikator.Anzeige = 3;
  });
  std::uint8_t& anzeige = gewaehlt.Anzeige;
  if (strg || index == Anzahl(gruppe) - 1)
    anzeige = anzeige == 3 ? 0 : 3;
  else if (gruppe == 3)
    anzeige = anzeige != 0 ? 0 : 2;
  else
    anzeige = anzeige == 0 ? 1 : anzeige == 1 ? 2 : 0;
}

void TIndAnalyse::NurDieses(int gruppe, int index) {
  Indikator(gruppe, index).Anzeige = 0;
  Umschalten(false, gruppe, index);
}

void TIndAnalyse::AllesAus() {
  FuerAlle([](int, int, TIndikator& indikator) { indikator.Anzeige = 0; });
}

int TIndAnalyse::AnzahlAngezeigt() const {
  int anzahl = 0;
  FuerAlle([&](int, int, TIndikator& indikator) { anzahl += indikator.Anzeige != 0; });
  return anzahl;
}

}  // namespace morvane
