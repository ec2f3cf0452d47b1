#pragma once

#include <cstddef>
#include <cstdint>

#include "chart/charttyp.h"
#include "core/binaer.h"

namespace morvane {

// How the security chart looks. A small value that every holder (settings,
// chart, templates, dialog) keeps as its own copy.
struct TChartAnsicht {
  TCharttyp Charttyp = TCharttyp::Kerze;
  // Price fields: 1 Eröffnungskurs, 2 Höchstkurs, 3 Tiefstkurs, 4 Schlusskurs,
  // 5 Kassakurs.
  std::uint8_t LinienKurs = 4;
  std::uint8_t PFKurs = 4;
  // Point-and-figure reversal minimum in percent, 0 ... 100.
  double Umkehrminimum = 0.25;
  bool UmsatzAnzeigen = true;
  // Volume histogram height in percent of the price plot, 20 ... 70.
  std::uint8_t UmsatzHoehe = 30;
  bool UmsatzAbschneiden = true;
  // Clip volumes this many percent above the average, 0 ... 999.
  std::uint16_t UmsatzExtremwert = 250;
  // Days shown, 10 ... 50000.
  std::uint16_t Tage = 50;
  bool AlleTage = false;
  bool Wochentag = false;
  bool Monatsbalken = true;
  bool Jahresbalken = true;
  bool TageOhneKursWeglassen = true;
  bool Logarithmisch = false;
  bool GraphStrecken = true;
  bool Punkteraster = true;
  bool KaufVerkauf = true;
  bool GVGrenze = true;
  bool Indikatoren = false;
  bool Infobereich = false;

  TChartAnsicht Kopie() const { return *this; }

  // The 35-byte form of the settings file. Lies takes the values as they are,
  // without range checks (a chart type byte that names no type included); a
  // short input raises ELesefehler.
  void Schreibe(TBinaerSchreiber& schreiber) const;
  void Lies(TBinaerLeser& leser);

  friend bool operator==(const TChartAnsicht&, const TChartAnsicht&) = default;
};

inline constexpr std::size_t kChartAnsichtGroesse = 35;

}  // namespace morvane
