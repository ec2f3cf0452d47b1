#pragma once

#include "indicators/indikatorart.h"

namespace morvane {

struct TParam1GD {
  std::uint16_t Zeitraum = 30;
  std::uint8_t Gewichtungsart = kgUngewichtet;
  std::uint8_t Empfindlichkeit = 15;
  bool ZeigeDurchschnitt = true;
  bool ZeigeOszillator = false;
  friend bool operator==(const TParam1GD&, const TParam1GD&) = default;
};

// Legend of a moving average over `tage` days ("30 Tage Linie").
std::string TageLinie(int tage);

// One moving average of the close against the close.
class TInd1GD : public TIndikatorArt<TInd1GD, TParam1GD> {
 public:
  static constexpr std::string_view kSchluessel = "Ind1GD";
  static constexpr std::string_view kTypname = "Ein gleitender Durchschnitt (1GD)";
  static constexpr int kGruppe = 2;
  static constexpr std::uint8_t kEntfernungssignal = 0;
  static constexpr std::uint8_t kExtremzoneUnten = 50;
  static const TArtBeschreibung<TParam1GD>& Beschreibung();

  const TZeitreihe* Durchschnittslinie() const { return Zeiger(durchschnitt_); }
  std::string Info(Boersentag datum) const override;

 protected:
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
  void SerienFreigeben() override { durchschnitt_.reset(); }

 private:
  std::optional<TZeitreihe> durchschnitt_;
};

}  // namespace morvane
