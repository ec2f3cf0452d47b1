#pragma once

#include "indicators/indikatorart.h"

namespace morvane {

struct TParamVHF {
  std::uint16_t Zeitraum = 20;
  friend bool operator==(const TParamVHF&, const TParamVHF&) = default;
};

// Trend intensity as the span of the closes of a window against the way the
// close travelled within it.
class TIndVHF : public TIndikatorArt<TIndVHF, TParamVHF> {
 public:
  static constexpr std::string_view kSchluessel = "IndVHF";
  static constexpr std::string_view kTypname = "Vertical Horizontal Filter (VHF)";
  static constexpr int kGruppe = 3;
  static constexpr std::uint8_t kEntfernungssignal = 40;
  static constexpr std::uint8_t kExtremzoneUnten = 30;
  static const TArtBeschreibung<TParamVHF>& Beschreibung();

  bool HatSignalgenerierung() const override { return false; }
  std::string Info(Boersentag datum) const override;

 protected:
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
};

}  // namespace morvane
