#pragma once

#include "indicators/indikatorart.h"

namespace morvane {

struct TParamSTO {
  std::uint16_t Zeitraum = 20;
  std::uint16_t Glaettung = 5;
  bool ZeigeOszillator = true;
  bool ZeigeK = false;
  friend bool operator==(const TParamSTO&, const TParamSTO&) = default;
};

// Stochastic oscillator: the close within the window's range of closes (%K),
// smoothed to the %D line.
class TIndSTO : public TIndikatorArt<TIndSTO, TParamSTO> {
 public:
  static constexpr std::string_view kSchluessel = "IndSTO";
  static constexpr std::string_view kTypname = "Stochastik Oszillator (STO)";
  static constexpr int kGruppe = 1;
  static constexpr std::uint8_t kEntfernungssignal = 40;
  static constexpr std::uint8_t kExtremzoneUnten = 20;
  static const TArtBeschreibung<TParamSTO>& Beschreibung();

  const TZeitreihe* KLinie() const { return Zeiger(kLinie_); }
  std::string Info(Boersentag datum) const override;

 protected:
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
  void SerienFreigeben() override { kLinie_.reset(); }

 private:
  std::optional<TZeitreihe> kLinie_;
};

}  // namespace morvane
