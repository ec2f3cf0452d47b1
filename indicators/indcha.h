#pragma once

#include "indicators/indikatorart.h"

namespace morvane {

struct TParamCHA {
  std::uint16_t KurzGlaettung = 5;
  std::uint16_t LangGlaettung = 20;
  std::int32_t Empfindlichkeit = 15000;  // divisor e: the sensitivity is 1 / e
  bool ZeigeAd = false;
  bool ZeigeGeglaettet = true;
  bool ZeigeOszillator = false;
  friend bool operator==(const TParamCHA&, const TParamCHA&) = default;
};

// Accumulation/distribution: the volume weighted by where the close lies in the
// day's range, summed up, and a short against a long smoothing of that sum.
class TIndCHA : public TIndikatorArt<TIndCHA, TParamCHA> {
 public:
  static constexpr std::string_view kSchluessel = "IndCHA";
  static constexpr std::string_view kTypname = "Chaikin Oscillator (CHA)";
  static constexpr int kGruppe = 2;
  static constexpr std::uint8_t kEntfernungssignal = 0;
  static constexpr std::uint8_t kExtremzoneUnten = 50;
  static const TArtBeschreibung<TParamCHA>& Beschreibung();

  const TZeitreihe* AdLinie() const { return Zeiger(ad_); }
  const TZeitreihe* KurzeLinie() const { return Zeiger(kurz_); }
  const TZeitreihe* LangeLinie() const { return Zeiger(lang_); }

 protected:
  // Raises the division error when the sensitivity divisor is 0.
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
  void SerienFreigeben() override {
    ad_.reset();
    kurz_.reset();
    lang_.reset();
  }

 private:
  std::optional<TZeitreihe> ad_;
  std::optional<TZeitreihe> kurz_;
  std::optional<TZeitreihe> lang_;
};

}  // namespace morvane
