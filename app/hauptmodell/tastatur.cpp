#include "app/hauptmodell/tastatur.h"

#include "chart/wpchart.h"

namespace morvane {

TTastenAktion TastenAktion(TTaste taste, bool strg) {
  switch (taste) {
    case TTaste::BildAuf:
      return {scSeiteLinks, 0};
    case TTaste::BildAb:
      return {scSeiteRechts, 0};
    case TTaste::Pos1:
      return {scAnfang, 0};
    case TTaste::Ende:
      return {scEnde, 0};
    case TTaste::Links:
      return {strg ? scSeiteLinks : scZeileLinks, 0};
    case TTaste::Rechts:
      return {strg ? scSeiteRechts : scZeileRechts, 0};
    case TTaste::Hoch:
      return {std::nullopt, -1};
    case TTaste::Runter:
      return {std::nullopt, 1};
  }
  return {};
}

TChartAnsicht Umgeschaltet(const TChartAnsicht& ansicht, TAnsichtSchalter schalter) {
  TChartAnsicht neu = ansicht;
  switch (schalter) {
    case TAnsichtSchalter::Umsatz:
      neu.UmsatzAnzeigen = !neu.UmsatzAnzeigen;
      break;
    case TAnsichtSchalter::Infobereich:
      neu.Infobereich = !neu.Infobereich;
      break;
    case TAnsichtSchalter::Indikatoren:
      neu.Indikatoren = !neu.Indikatoren;
      break;
  }
  return neu;
}

}  // namespace morvane
