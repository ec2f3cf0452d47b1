#pragma once

#include "indicators/indikatorart.h"

namespace morvane {

struct TParamMFI {
  std::uint16_t Zeitraum = 20;
  std::uint16_t Empfindlichkeit = 3;
  bool ZeigeTp = false;
  bool ZeigeRatio = true;
  bool ZeigeOszillator = false;
  friend bool operator==(const TParamMFI&, const TParamMFI&) = default;
};

// Money flow: the volume traded at rising typical prices against the volume
// traded at falling ones.
class TIndMFI : public TIndikatorArt<TIndMFI, TParamMFI> {
 public:
  static constexpr std::string_view kSchluessel = "IndMFI";
  static constexpr std::string_view kTypname = "Money Flow Index (MFI)";
  static constexpr int kGruppe = 2;
  static constexpr std::uint8_t kEntfernungssignal = 0;
  static constexpr std::uint8_t kExtremzoneUnten = 30;
  static const TArtBeschreibung<TParamMFI>& Beschreibung();

  const TZeitreihe* TypischerPreis() const { return Zeiger(tp_); }
  const TZeitreihe* MoneyRatio() const { return Zeiger(ratio_); }
  std::string Info(Boersentag datum) const override;

 protected:
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
  void SerienFreigeben() override {
    tp_.reset();
    ratio_.reset();
  }

 private:
  // The money ratio over the positive and negative flows.
  void RatioBerechnen(const TZeitreihe& positiv, const TZeitreihe& negativ);

  std::optional<TZeitreihe> tp_;
  std::optional<TZeitreihe> ratio_;
};

}  // namespace morvane
