#include "online/kurssprung.h"

#include "core/datumtext.h"
#include "core/zahltext.h"

namespace morvane {
namespace {

// The last stored close before `datum`, 0 when none.
double GespeicherterSchluss(const TKurse& kurse, Boersentag datum) {
  for (int i = kurse.IndexBis(datum - 1); i >= 0; --i) {
    if (kurse.Kurs(i)->Schluss > 0) return kurse.Kurs(i)->Schluss;
  }
  return 0;
}

bool Sprung(double vorher, double jetzt) {
  return vorher > 0 && jetzt > 0 &&
         (jetzt > vorher * kSprungFaktor || vorher > jetzt * kSprungFaktor);
}

}  // namespace

std::vector<std::string> Kurssprunge(const std::string& name, const TKurse& gespeichert,
                                     const TKurse& neu) {
  std::vector<std::string> zeilen;
  double vorher = 0;
  for (const TKurs& kurs : neu.Alle()) {
    if (vorher == 0) vorher = GespeicherterSchluss(gespeichert, kurs.Datum);
    if (Sprung(vorher, kurs.Schluss)) {
      zeilen.push_back("Kursaktu: unplausibler Kurssprung bei '" + name + "' am " +
                       BoersentagZuText(kurs.Datum) + ": Schlusskurs " + KursZuText(kurs.Schluss) +
                       " nach " + KursZuText(vorher) + " zuvor (übernommen)");
    }
    if (kurs.Schluss > 0) vorher = kurs.Schluss;
  }
  return zeilen;
}

}  // namespace morvane
