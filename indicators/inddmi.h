#pragma once

#include "indicators/indikatorart.h"

namespace morvane {

struct TParamDMI {
  std::uint16_t Zeitraum = 14;
  bool ZeigeDi = true;
  bool ZeigeOszillator = false;
  friend bool operator==(const TParamDMI&, const TParamDMI&) = default;
};

// Directional movement: the upward against the downward extension of the
// day's range, each in parts of the true range.
class TIndDMI : public TIndikatorArt<TIndDMI, TParamDMI> {
 public:
  static constexpr std::string_view kSchluessel = "IndDMI";
  static constexpr std::string_view kTypname = "Directional Movement Indikator System (DMI)";
  static constexpr int kGruppe = 2;
  static constexpr std::uint8_t kEntfernungssignal = 0;
  static constexpr std::uint8_t kExtremzoneUnten = 50;
  static const TArtBeschreibung<TParamDMI>& Beschreibung();

  const TZeitreihe* PosDI() const { return Zeiger(posDI_); }
  const TZeitreihe* NegDI() const { return Zeiger(negDI_); }
  std::string Info(Boersentag datum) const override;

 protected:
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
  void SerienFreigeben() override {
    posDI_.reset();
    negDI_.reset();
  }

 private:
  std::optional<TZeitreihe> posDI_;
  std::optional<TZeitreihe> negDI_;
};

}  // namespace morvane
