#pragma once

#include "indicators/indikatorart.h"

namespace morvane {

struct TParamRTI {
  std::uint16_t Zeitraum = 10;
  double Steigungsgrenze = 0.5;  // % of the mean price per record
  friend bool operator==(const TParamRTI&, const TParamRTI&) = default;
};

// Trend intensity from the slope of the regression line through the closes,
// relative to their mean: a slope at the limit gives 50 %.
class TIndRTI : public TIndikatorArt<TIndRTI, TParamRTI> {
 public:
  static constexpr std::string_view kSchluessel = "IndRTI";
  static constexpr std::string_view kTypname = "Regressions-Trendintensität (RTI)";
  static constexpr int kGruppe = 3;
  static constexpr std::uint8_t kEntfernungssignal = 40;
  static constexpr std::uint8_t kExtremzoneUnten = 30;
  static const TArtBeschreibung<TParamRTI>& Beschreibung();

  bool HatSignalgenerierung() const override { return false; }
  std::string Info(Boersentag datum) const override;

 protected:
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
};

// "Trendintensität: " + the intensity at the date with `dezimalen` decimals + " %".
std::string TrendintensitaetInfo(const TIndikator& indikator, Boersentag datum, int dezimalen);

}  // namespace morvane
