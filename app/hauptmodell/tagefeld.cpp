#include "app/hauptmodell/tagefeld.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>

namespace morvane {
namespace {

std::string_view Getrimmt(std::string_view text) {
  const auto leer = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!text.empty() && leer(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && leer(text.back()))
    text.remove_suffix(1);
  return text;
}

bool GleichOhneFall(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::string TageText(const TChartAnsicht& ansicht) {
  if (ansicht.AlleTage) return std::string(kTageEintraege[0]);
  return std::to_string(ansicht.Tage) + " Tage";
}

std::optional<TChartAnsicht> TageAnwenden(const TChartAnsicht& ansicht, std::string_view text) {
  text = Getrimmt(text);
  TChartAnsicht neu = ansicht;
  if (GleichOhneFall(text, kTageEintraege[0])) {
    neu.Tage = 0;
    neu.AlleTage = true;
    return neu;
  }
  const std::string_view zahl = text.substr(0, text.find(' '));
  std::uint16_t tage = 0;
  const auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), tage);
  if (fehler != std::errc() || ende != zahl.data() + zahl.size()) return std::nullopt;
  if (tage < kTageMinimum || tage > kTageMaximum) return std::nullopt;
  neu.Tage = tage;
  neu.AlleTage = false;
  return neu;
}

}  // namespace morvane
