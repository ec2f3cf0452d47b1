#include "store/wp_importexport_mv1.h"

#include <string_view>

#include "core/textkodierung.h"
#include "store/altkodierung.h"

namespace morvane {
namespace {

constexpr std::string_view kKopf =
    "Morvane 1\xF9"
    "0  Wertpapier-Datei\x1A";

// Calendar days of the years a price series keeps; anything else is dropped.
Boersentag TagAusKalendertag(Kalendertag n) {
  if (n < KalendertagAusDatum(1, 1, 1000) || n > KalendertagAusDatum(31, 12, 4999)) return 0;
  return BoersentagAusKalendertag(n);
}

void KursAusSatz(std::string_view satz, TKurs& k) {
  TBinaerLeser werte(satz);
  k.Kassakurs = Real6(werte);
  k.Schluss = k.Kassakurs;
  k.Datum = TagAusKalendertag(werte.Int32());
}

}  // namespace

void TWP_ImportExport_MV1::Lesen(TBinaerLeser& leser, TLeseumfang umfang, TLesung& lesung) const {
  TWertpapier& wertpapier = lesung.Wertpapier;
  KopfPruefen(leser, kKopf, "Keine Morvane 1 Wertpapier-Datei");
  wertpapier.Bezeichnung = Cp850ZuUtf8(KurzText(leser, 30));
  wertpapier.Boerse = 8;
  if (umfang != TLeseumfang::Alles) return;
  Ueberspringen(leser, 18);
  constexpr std::size_t kKursGroesse = 10;
  lesung.Verworfen = KurseLesen(leser, SaetzeBisEnde(leser, kKursGroesse), kKursGroesse,
                                wertpapier.Kurse, KursAusSatz);
}

void TWP_ImportExport_MV1::Werfen(const std::string& meldung) const {
  throw EWP_ImportExport_MV1(meldung);
}

}  // namespace morvane
