#pragma once

#include <QPixmap>
#include <QString>
#include <array>

#include "chart/chartdruck.h"

namespace morvane {

// One of the print dialog's preview pictures: its widget name and the choice
// it shows, in the order of DruckBild.
struct TDruckVorschau {
  const char* Name;
  TDruckWahl Wahl;
};

inline constexpr std::array<TDruckVorschau, kDruckBilder> kDruckVorschauen = {{
    {"ImageH1", {true, 1, 1}},
    {"ImageH2o", {true, 2, 1}},
    {"ImageH2u", {true, 2, 3}},
    {"ImageH3o", {true, 3, 1}},
    {"ImageH3m", {true, 3, 2}},
    {"ImageH3u", {true, 3, 3}},
    {"ImageQ1", {false, 1, 1}},
    {"ImageQ2o", {false, 2, 1}},
    {"ImageQ2u", {false, 2, 3}},
}};

// The page of the choice in miniature: the sheet in its orientation, the
// borders of its bands dashed and a small chart in the chosen band.
QPixmap DruckVorschauMalen(const TDruckWahl& wahl);

}  // namespace morvane
