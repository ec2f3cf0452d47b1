#pragma once

#include "indicators/indikatorart.h"

namespace morvane {

struct TParamKST {
  std::uint16_t N1 = 10, N2 = 15, N3 = 20, N4 = 30;  // RoC periods
  std::uint16_t M1 = 10, M2 = 10, M3 = 10, M4 = 15;  // RoC smoothings
  std::uint16_t F1 = 1, F2 = 2, F3 = 3, F4 = 4;      // RoC weights
  std::uint16_t Glaettung = 5;                       // KST smoothing
  std::uint8_t Empfindlichkeit = 20;
  bool ZeigeUngeglaettet = false;
  bool ZeigeGeglaettet = true;
  bool ZeigeOszillator = true;
  friend bool operator==(const TParamKST&, const TParamKST&) = default;
};

// Know-sure-thing: a weighted sum of four smoothed rates of change, against
// its own smoothing.
class TIndKST : public TIndikatorArt<TIndKST, TParamKST> {
 public:
  static constexpr std::string_view kSchluessel = "IndKST";
  static constexpr std::string_view kTypname = "Pring's KST (KST)";
  static constexpr int kGruppe = 1;
  static constexpr std::uint8_t kEntfernungssignal = 40;
  static constexpr std::uint8_t kExtremzoneUnten = 30;
  static const TArtBeschreibung<TParamKST>& Beschreibung();

  const TZeitreihe* KstUngeglaettet() const { return Zeiger(ungeglaettet_); }
  const TZeitreihe* KstGeglaettet() const { return Zeiger(geglaettet_); }
  std::string Info(Boersentag datum) const override;

 protected:
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
  void SerienFreigeben() override {
    ungeglaettet_.reset();
    geglaettet_.reset();
  }

 private:
  std::optional<TZeitreihe> ungeglaettet_;
  std::optional<TZeitreihe> geglaettet_;
};

}  // namespace morvane
