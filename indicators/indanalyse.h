#pragma once

#include <memory>
#include <string>

#include "core/datum.h"
#include "core/kurse.h"
#include "indicators/indliste.h"
#include "indicators/indvorlagen.h"

namespace morvane {

// One chart's or list's computed copy of the indicator set with the display
// mode of every entry.
class TIndAnalyse {
 public:
  explicit TIndAnalyse(const TIndVorlagen& vorlagen);

  // Takes a fresh copy of the templates and computes it over `kurse`; groups
  // whose size did not change keep their display modes.
  void Berechnen(const TKurse& kurse);

  int Anzahl(int gruppe) const { return liste_->Anzahl(gruppe); }
  TIndikator& Indikator(int gruppe, int index) const { return liste_->Indikator(gruppe, index); }
  std::string Kurzbezeichnung(int gruppe, int index) const {
    return Indikator(gruppe, index).Kurzbezeichnung();
  }
  double SignalAm(int gruppe, int index, Boersentag datum) const {
    return Indikator(gruppe, index).SignalAm(datum);
  }

  // A click on an entry of the indicator pane, with or without the control key.
  void Umschalten(bool strg, int gruppe, int index);
  // Shows only this entry.
  void NurDieses(int gruppe, int index);
  void AllesAus();
  bool Angezeigt(int gruppe, int index) const { return Indikator(gruppe, index).Anzeige != 0; }
  int AnzahlAngezeigt() const;

 private:
  template <class F>
  void FuerAlle(F&& f) const;

  const TIndVorlagen& vorlagen_;
  std::unique_ptr<TIndListe> liste_;
};

}  // namespace morvane
