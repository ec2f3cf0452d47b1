#pragma once

#include "indicators/geradenliste.h"
#include "indicators/indikatorart.h"

namespace morvane {

struct TParamTSF {
  std::uint16_t Zeitraum = 50;
  std::uint8_t Empfindlichkeit = 15;
  bool ZeigeGeraden = false;
  bool ZeigeTsf = true;
  bool ZeigeOszillator = false;
  friend bool operator==(const TParamTSF&, const TParamTSF&) = default;
};

// Time series forecast: the close against the end of the regression line
// fitted through the closes of the window up to it.
class TIndTSF : public TIndikatorArt<TIndTSF, TParamTSF> {
 public:
  static constexpr std::string_view kSchluessel = "IndTSF";
  static constexpr std::string_view kTypname = "Time Series Forecast/Lineare Regression (TSF)";
  static constexpr int kGruppe = 2;
  static constexpr std::uint8_t kEntfernungssignal = 0;
  static constexpr std::uint8_t kExtremzoneUnten = 50;
  static const TArtBeschreibung<TParamTSF>& Beschreibung();

  // The fitted line of every window, at the date of its last record.
  const TGeradenListe* Geraden() const { return geraden_ ? &*geraden_ : nullptr; }
  const TZeitreihe* Tsf() const { return Zeiger(tsf_); }
  std::string Info(Boersentag datum) const override;

 protected:
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
  void SerienFreigeben() override {
    geraden_.reset();
    tsf_.reset();
  }

 private:
  // The segments that begin in the visible range, on the price axis.
  void GeradenZeichnen(TIndikatorZeichnen& z) const;

  std::optional<TGeradenListe> geraden_;
  std::optional<TZeitreihe> tsf_;
};

}  // namespace morvane
