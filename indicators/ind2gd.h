#pragma once

#include "indicators/indikatorart.h"

namespace morvane {

struct TParam2GD {
  std::uint16_t KurzZeitraum = 10;
  std::uint16_t LangZeitraum = 20;
  std::uint8_t Gewichtungsart = kgUngewichtet;
  std::uint8_t Empfindlichkeit = 45;
  bool ZeigeKurz = true;
  bool ZeigeLang = true;
  bool ZeigeOszillator = false;
  friend bool operator==(const TParam2GD&, const TParam2GD&) = default;
};

// A short against a long moving average of the close.
class TInd2GD : public TIndikatorArt<TInd2GD, TParam2GD> {
 public:
  static constexpr std::string_view kSchluessel = "Ind2GD";
  static constexpr std::string_view kTypname = "Zwei gleitende Durchschnitte (2GD)";
  static constexpr int kGruppe = 2;
  static constexpr std::uint8_t kEntfernungssignal = 0;
  static constexpr std::uint8_t kExtremzoneUnten = 50;
  static const TArtBeschreibung<TParam2GD>& Beschreibung();

  const TZeitreihe* KurzerDurchschnitt() const { return Zeiger(kurz_); }
  const TZeitreihe* LangerDurchschnitt() const { return Zeiger(lang_); }
  std::string Info(Boersentag datum) const override;

 protected:
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
  void SerienFreigeben() override {
    kurz_.reset();
    lang_.reset();
  }

 private:
  std::optional<TZeitreihe> kurz_;
  std::optional<TZeitreihe> lang_;
};

}  // namespace morvane
