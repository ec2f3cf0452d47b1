#pragma once

#include "indicators/indikatorart.h"

namespace morvane {

struct TParamNV {
  std::uint16_t Glaettung = 14;
  bool ZeigeLinien = true;
  bool ZeigeOszillator = false;
  friend bool operator==(const TParamNV&, const TParamNV&) = default;
};

// The day's range split around the close: the share of the rise from the low
// in the whole range, both parts smoothed.
class TIndNV : public TIndikatorArt<TIndNV, TParamNV> {
 public:
  static constexpr std::string_view kSchluessel = "IndNV";
  static constexpr std::string_view kTypname = "NOTIS Percent Volatility (N%V)";
  static constexpr int kGruppe = 2;
  static constexpr std::uint8_t kEntfernungssignal = 0;
  static constexpr std::uint8_t kExtremzoneUnten = 50;
  static const TArtBeschreibung<TParamNV>& Beschreibung();

  const TZeitreihe* PositiveLinie() const { return Zeiger(positiv_); }
  const TZeitreihe* NegativeLinie() const { return Zeiger(negativ_); }

 protected:
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
  void SerienFreigeben() override {
    positiv_.reset();
    negativ_.reset();
  }

 private:
  std::optional<TZeitreihe> positiv_;
  std::optional<TZeitreihe> negativ_;
};

}  // namespace morvane
