#pragma once

#include "indicators/indikatorart.h"

namespace morvane {

struct TParamCDO {
  std::uint16_t KurzZeitraum = 10;
  std::uint16_t LangZeitraum = 50;
  std::uint16_t TriggerZeitraum = 50;
  std::uint16_t Empfindlichkeit = 500;
  std::uint16_t CdoZeitraum = 50;
  std::uint16_t Glaettung = 3;
  bool ZeigeMacdOszillator = false;
  bool ZeigeOszillator = true;
  friend bool operator==(const TParamCDO&, const TParamCDO&) = default;
};

// A momentum oscillator of the MAC oscillator.
class TIndCDO : public TIndikatorArt<TIndCDO, TParamCDO> {
 public:
  static constexpr std::string_view kSchluessel = "IndCDO";
  static constexpr std::string_view kTypname =
      "Moving Average Convergence/Divergence Momentum Oscillator (CDO)";
  static constexpr int kGruppe = 2;
  static constexpr std::uint8_t kEntfernungssignal = 0;
  static constexpr std::uint8_t kExtremzoneUnten = 30;
  static const TArtBeschreibung<TParamCDO>& Beschreibung();

  const TZeitreihe* MacdOszillator() const { return Zeiger(macdOszillator_); }
  std::string Info(Boersentag datum) const override;

 protected:
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
  void SerienFreigeben() override { macdOszillator_.reset(); }

 private:
  std::optional<TZeitreihe> macdOszillator_;
};

}  // namespace morvane
