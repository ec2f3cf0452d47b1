#pragma once

#include "indicators/indikatorart.h"

namespace morvane {

struct TParamBOL {
  std::uint16_t Zeitraum = 20;
  std::uint8_t Gewichtungsart = kgUngewichtet;
  std::uint16_t AbweichungZeitraum = 20;
  double Bandfaktor = 1.0;
  std::uint8_t Empfindlichkeit = 20;
  bool ZeigeDurchschnitt = true;
  bool ZeigeUmhuellung = true;
  bool ZeigeOszillator = false;
  friend bool operator==(const TParamBOL&, const TParamBOL&) = default;
};

// The close within a band of standard deviations around its moving average.
class TIndBOL : public TIndikatorArt<TIndBOL, TParamBOL> {
 public:
  static constexpr std::string_view kSchluessel = "IndBOL";
  static constexpr std::string_view kTypname = "Bollinger Band Oszillator (BOL)";
  static constexpr int kGruppe = 1;
  static constexpr std::uint8_t kEntfernungssignal = 40;
  static constexpr std::uint8_t kExtremzoneUnten = 30;
  static const TArtBeschreibung<TParamBOL>& Beschreibung();

  const TZeitreihe* Durchschnittslinie() const { return Zeiger(durchschnitt_); }
  const TZeitreihe* ObereLinie() const { return Zeiger(oben_); }
  const TZeitreihe* UntereLinie() const { return Zeiger(unten_); }
  // Raises the division error when the band factor is 0 and the band exists.
  std::string Info(Boersentag datum) const override;

 protected:
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
  void SerienFreigeben() override {
    durchschnitt_.reset();
    oben_.reset();
    unten_.reset();
  }

 private:
  void UmhuellungBerechnen(const TKurse& kurse);
  double OszillatorWert(double schluss, double oben, double unten) const;

  std::optional<TZeitreihe> durchschnitt_;
  std::optional<TZeitreihe> oben_;
  std::optional<TZeitreihe> unten_;
};

}  // namespace morvane
