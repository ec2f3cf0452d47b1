#include "chart/chartdruck.h"

#include <algorithm>

#include "grafik/grafikfenster.h"
#include "store/einstellungen.h"

namespace morvane {

TDruckWahl DruckWahlBereinigt(TDruckWahl wahl) {
  if (wahl.ChartsProSeite < 1 || wahl.ChartsProSeite > 3) wahl.ChartsProSeite = 1;
  if (wahl.Position < 1 || wahl.Position > 3) wahl.Position = 1;
  if (!wahl.Hochformat && wahl.ChartsProSeite == 3) wahl.ChartsProSeite = 2;
  if (wahl.Position == 2 && wahl.ChartsProSeite != 3) wahl.Position = 1;
  if (wahl.Position == 3 && wahl.ChartsProSeite == 1) wahl.Position = 1;
  return wahl;
}

TDruckFreigabe DruckFreigabe(const TDruckWahl& wahl) {
  const TDruckWahl w = DruckWahlBereinigt(wahl);
  const bool mehrere = w.ChartsProSeite > 1;
  return {w.Hochformat, mehrere, w.ChartsProSeite == 3, mehrere};
}

int DruckBild(const TDruckWahl& wahl) {
  const TDruckWahl w = DruckWahlBereinigt(wahl);
  // First picture of each band count; the position counts on from there.
  constexpr int kHoch[] = {0, 1, 3};
  constexpr int kQuer[] = {6, 7};
  const int erstes = w.Hochformat ? kHoch[w.ChartsProSeite - 1] : kQuer[w.ChartsProSeite - 1];
  if (w.ChartsProSeite == 1) return erstes;
  // Two bands: the bottom one is the second picture.
  const int stelle = w.ChartsProSeite == 2 ? (w.Position == 1 ? 0 : 1) : w.Position - 1;
  return erstes + stelle;
}

TDruckWahl DruckWahlLesen(const TEinstellungen& e) {
  return DruckWahlBereinigt({e.DruckHochformat, e.DruckChartsProSeite, e.DruckPosition});
}

void DruckWahlSchreiben(TEinstellungen& e, const TDruckWahl& wahl) {
  const TDruckWahl w = DruckWahlBereinigt(wahl);
  e.DruckHochformat = w.Hochformat;
  e.DruckChartsProSeite = static_cast<std::uint8_t>(w.ChartsProSeite);
  e.DruckPosition = static_cast<std::uint8_t>(w.Position);
}

TRechteck DruckBand(int breite, int hoehe, int faktorY, const TDruckWahl& w) {
  const int g = 5 * faktorY;
  TRechteck band{0, 0, breite - 1, hoehe - 1};
  if (w.ChartsProSeite == 2) {
    const int h = hoehe / 2;
    if (w.Position == 1) {
      band.Unten = h - g;
    } else {
      band.Oben = h + g;
    }
  } else if (w.ChartsProSeite == 3) {
    const int t = hoehe / 3;
    const int stelle = std::clamp(w.Position, 1, 3);
    band.Oben = stelle == 1 ? 0 : (stelle - 1) * t + g;
    band.Unten = stelle == 3 ? hoehe - 1 : stelle * t - g;
  }
  return band;
}

void FeldInBandDrucken(TGrafikfeld& feld, TLeinwand& leinwand, const TRechteck& seite, int faktorX,
                       int faktorY, const TDruckWahl& wahl) {
  const int breite = seite.Rechts - seite.Links + 1;
  const int hoehe = seite.Unten - seite.Oben + 1;
  TGrafikfenster fenster(leinwand, seite, static_cast<std::uint16_t>(std::max(1, faktorX)),
                         static_cast<std::uint16_t>(std::max(1, faktorY)));
  feld.ZeichneInRechteck(fenster, DruckBand(breite, hoehe, std::max(1, faktorY), wahl));
}

}  // namespace morvane
