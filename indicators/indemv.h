#pragma once

#include "indicators/indikatorart.h"

namespace morvane {

struct TParamEMV {
  std::uint16_t Glaettung = 5;
  std::uint16_t Empfindlichkeit = 100;
  bool ZeigeMidpoint = false;
  bool ZeigeBoxRatio = false;
  bool ZeigeEmv = true;
  bool ZeigeOszillator = false;
  friend bool operator==(const TParamEMV&, const TParamEMV&) = default;
};

// Ease of movement: how far the day's midpoint moves against the volume it
// takes to move it across the day's range.
class TIndEMV : public TIndikatorArt<TIndEMV, TParamEMV> {
 public:
  static constexpr std::string_view kSchluessel = "IndEMV";
  static constexpr std::string_view kTypname = "Ease-of-Movement Value (EMV)";
  static constexpr int kGruppe = 2;
  static constexpr std::uint8_t kEntfernungssignal = 0;
  static constexpr std::uint8_t kExtremzoneUnten = 30;
  static const TArtBeschreibung<TParamEMV>& Beschreibung();

  const TZeitreihe* MidpointMove() const { return Zeiger(midpoint_); }
  const TZeitreihe* BoxRatio() const { return Zeiger(boxRatio_); }
  const TZeitreihe* EmvGeglaettet() const { return Zeiger(emv_); }

 protected:
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
  void SerienFreigeben() override {
    midpoint_.reset();
    boxRatio_.reset();
    emv_.reset();
  }

 private:
  // Box ratio of the records, and the raw EMV of every day that has one.
  TZeitreihe BoxRatioUndRohwerte(const TKurse& kurse);

  std::optional<TZeitreihe> midpoint_;
  std::optional<TZeitreihe> boxRatio_;
  std::optional<TZeitreihe> emv_;
};

}  // namespace morvane
