#include "chart/pointfigure.h"

#include <algorithm>
#include <cmath>

#include "chart/chartfehler.h"
#include "chart/kurscode.h"

namespace morvane {

const TPunktFigurSaeule* TPointFigureListe::Saeule(int i) const {
  if (i < 0 || i >= Anzahl()) return nullptr;
  return &saeulen_[static_cast<std::size_t>(i)];
}

int TPointFigureListe::SucheDatum(Boersentag d) const {
  const auto nach =
      std::upper_bound(saeulen_.begin(), saeulen_.end(), d,
                       [](Boersentag tag, const TPunktFigurSaeule& s) { return tag < s.Datum; });
  return std::max(0, static_cast<int>(nach - saeulen_.begin()) - 1);
}

namespace {

// Walks the valid prices of one field: each step moves `vorher` to the last
// price and finds the next record with a price above 0.
class TKursLaeufer {
 public:
  TKursLaeufer(const TKurse& kurse, int code) : kurse_(kurse), code_(code) {}

  bool Weiter() {
    vorher = aktuell;
    while (++index_ < kurse_.Anzahl()) {
      const double wert = KursNachCode(*kurse_.Kurs(index_), code_);
      if (wert > 0) {
        aktuell = wert;
        return true;
      }
    }
    return false;
  }
  Boersentag Datum() const { return kurse_.Kurs(index_)->Datum; }

  double vorher = 0;
  double aktuell = 0;

 private:
  const TKurse& kurse_;
  int code_;
  int index_ = -1;
};

}  // namespace

void TPointFigureListe::Aufbauen(const TKurse& kurse, int kursCode, double umkehrminimum) {
  Leeren();
  TKursLaeufer l(kurse, kursCode);
  if (!l.Weiter()) return;
  TPunktFigurSaeule saeule;
  saeule.Datum = l.Datum();
  do {
    if (!l.Weiter()) return;
  } while (l.aktuell == l.vorher);
  saeule.Steigend = l.vorher < l.aktuell;
  saeule.Tief = std::min(l.vorher, l.aktuell);
  saeule.Hoch = std::max(l.vorher, l.aktuell);
  const double schwelle = umkehrminimum * 0.01;
  while (l.Weiter()) {
    if (l.aktuell == l.vorher) continue;
    if (saeule.Steigend && l.aktuell > l.vorher)
      saeule.Hoch = l.aktuell;
    else if (!saeule.Steigend && l.aktuell < l.vorher)
      saeule.Tief = l.aktuell;
    if (l.vorher == 0) FliesskommaDivisionDurchNull();
    if (std::fabs(l.aktuell / l.vorher - 1) >= schwelle) {
      Hinzufuegen(saeule);
      saeule = TPunktFigurSaeule{l.Datum(), !saeule.Steigend, l.aktuell, l.aktuell};
    }
  }
  Hinzufuegen(saeule);
}

}  // namespace morvane
