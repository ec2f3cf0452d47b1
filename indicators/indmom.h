#pragma once

#include "indicators/indikatorart.h"

namespace morvane {

struct TParamMOM {
  std::uint16_t Zeitraum = 20;
  std::uint8_t Empfindlichkeit = 15;
  bool ZeigeOszillator = false;
  bool ZeigeRoc = true;
  friend bool operator==(const TParamMOM&, const TParamMOM&) = default;
};

// Momentum: the close against the close n-1 records earlier.
class TIndMOM : public TIndikatorArt<TIndMOM, TParamMOM> {
 public:
  static constexpr std::string_view kSchluessel = "IndMOM";
  static constexpr std::string_view kTypname = "Momentum (MOM)";
  static constexpr int kGruppe = 1;
  static constexpr std::uint8_t kEntfernungssignal = 40;
  static constexpr std::uint8_t kExtremzoneUnten = 30;
  static const TArtBeschreibung<TParamMOM>& Beschreibung();

  // Rate of change in %.
  const TZeitreihe* Roc() const { return Zeiger(roc_); }
  std::string Info(Boersentag datum) const override;

 protected:
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
  void SerienFreigeben() override { roc_.reset(); }

 private:
  std::optional<TZeitreihe> roc_;
};

}  // namespace morvane
