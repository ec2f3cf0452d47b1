#pragma once

#include <cstdint>

#include "chart/grafikfeld.h"
#include "grafik/leinwand.h"

namespace morvane {

class TEinstellungen;

// How a chart goes onto a page: portrait or landscape, one to three
// horizontal bands per page and the band the chart is printed into
// (1 top, 2 middle, 3 bottom).
struct TDruckWahl {
  bool Hochformat = false;
  int ChartsProSeite = 1;
  int Position = 1;
  bool operator==(const TDruckWahl&) const = default;
};

// Which band and position buttons of the print dialog may be used.
struct TDruckFreigabe {
  bool Charts3 = false;
  bool PosOben = false;
  bool PosMitte = false;
  bool PosUnten = false;
  bool operator==(const TDruckFreigabe&) const = default;
};

// The print dialog's rules after every click: three bands only in portrait
// (else two), the middle only with three bands and top or bottom only with
// more than one (else top). A choice outside 1 ... 3 counts as the nearest
// sound one (one band, top).
TDruckWahl DruckWahlBereinigt(TDruckWahl wahl);
TDruckFreigabe DruckFreigabe(const TDruckWahl& wahl);

// The preview picture for a choice: 0 portrait one band, 1/2 two bands top /
// bottom, 3/4/5 three bands top / middle / bottom, 6 landscape one band, 7/8
// landscape two bands top / bottom.
inline constexpr int kDruckBilder = 9;
int DruckBild(const TDruckWahl& wahl);

// The choice the settings remember, made sound (stored bytes may hold
// anything), and back.
TDruckWahl DruckWahlLesen(const TEinstellungen& einstellungen);
void DruckWahlSchreiben(TEinstellungen& einstellungen, const TDruckWahl& wahl);

// The band of a page `breite` x `hoehe` device pixels (vertical printer factor
// `faktorY`); neighbouring bands keep a gap of 5 screen pixels to each side of
// their border. With two bands every position but the top one is the bottom
// band; a band count outside 2 ... 3 uses the whole page.
TRechteck DruckBand(int breite, int hoehe, int faktorY, const TDruckWahl& wahl);

// Paints `feld` into its band of the page `seite` (device pixels of
// `leinwand`) with the printer factors: laid out for the band, painted, and
// given back its screen layout afterwards, also when painting throws.
void FeldInBandDrucken(TGrafikfeld& feld, TLeinwand& leinwand, const TRechteck& seite, int faktorX,
                       int faktorY, const TDruckWahl& wahl);

}  // namespace morvane
