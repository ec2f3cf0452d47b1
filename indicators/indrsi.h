#pragma once

#include "indicators/indikatorart.h"

namespace morvane {

struct TParamRSI {
  std::uint16_t Zeitraum = 10;
  bool ZeigeOszillator = true;
  friend bool operator==(const TParamRSI&, const TParamRSI&) = default;
};

// Relative strength: rises against falls of the close over a window of records.
class TIndRSI : public TIndikatorArt<TIndRSI, TParamRSI> {
 public:
  static constexpr std::string_view kSchluessel = "IndRSI";
  static constexpr std::string_view kTypname = "Index der relativen Stärke (RSI)";
  static constexpr int kGruppe = 1;
  static constexpr std::uint8_t kEntfernungssignal = 40;
  static constexpr std::uint8_t kExtremzoneUnten = 30;
  static const TArtBeschreibung<TParamRSI>& Beschreibung();

 protected:
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
};

}  // namespace morvane
