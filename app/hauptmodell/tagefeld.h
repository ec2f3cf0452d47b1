#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "chart/chartansicht.h"

namespace morvane {

// The items of the toolbar's days field, in list order.
inline constexpr std::array<std::string_view, 12> kTageEintraege = {
    "Alle Tage", "10 Tage",  "15 Tage",  "20 Tage",  "30 Tage",  "50 Tage",
    "70 Tage",   "100 Tage", "150 Tage", "200 Tage", "500 Tage", "1000 Tage"};

inline constexpr int kTageMinimum = 10;
inline constexpr int kTageMaximum = 50000;

// What the days field shows for a view: "Alle Tage", else "<Tage> Tage".
std::string TageText(const TChartAnsicht& ansicht);

// The view after the user chose or typed `text` in the days field: the trimmed
// text "Alle Tage" in any case sets all days; otherwise the text up to the
// first blank must be a number from 10 to 50000. Anything else gives nothing:
// the field is then reset from the unchanged view.
std::optional<TChartAnsicht> TageAnwenden(const TChartAnsicht& ansicht, std::string_view text);

}  // namespace morvane
