#pragma once

#include "indicators/indikatorart.h"

namespace morvane {

struct TParamADX {
  std::uint16_t DmiZeitraum = 14;
  std::uint16_t Glaettung = 10;
  bool ZeigeDmi = true;
  friend bool operator==(const TParamADX&, const TParamADX&) = default;
};

// Trend intensity from how one-sided the directional movement is, smoothed.
class TIndADX : public TIndikatorArt<TIndADX, TParamADX> {
 public:
  static constexpr std::string_view kSchluessel = "IndADX";
  static constexpr std::string_view kTypname = "Average Directional Movement Index (ADX)";
  static constexpr int kGruppe = 3;
  static constexpr std::uint8_t kEntfernungssignal = 40;
  static constexpr std::uint8_t kExtremzoneUnten = 30;
  static const TArtBeschreibung<TParamADX>& Beschreibung();

  bool HatSignalgenerierung() const override { return false; }
  const TZeitreihe* IntensitaetsDmi() const { return Zeiger(dmi_); }
  std::string Info(Boersentag datum) const override;

 protected:
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
  void SerienFreigeben() override { dmi_.reset(); }

 private:
  std::optional<TZeitreihe> dmi_;
};

}  // namespace morvane
