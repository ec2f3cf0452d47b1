#pragma once

#include "indicators/indikatorart.h"

namespace morvane {

struct TParamCCI {
  std::uint16_t TpGlaettung = 50;
  std::uint16_t AbweichungZeitraum = 50;
  std::uint16_t CciGlaettung = 100;
  std::uint8_t Empfindlichkeit = 15;  // divisor e: the sensitivity is 1 / e
  bool ZeigeTp = false;
  bool ZeigeTpGeglaettet = false;
  bool ZeigeCci = true;
  bool ZeigeCciGeglaettet = true;
  bool ZeigeOszillator = false;
  friend bool operator==(const TParamCCI&, const TParamCCI&) = default;
};

// Commodity channel index: the typical price against its smoothing, in units of
// the mean deviation.
class TIndCCI : public TIndikatorArt<TIndCCI, TParamCCI> {
 public:
  static constexpr std::string_view kSchluessel = "IndCCI";
  static constexpr std::string_view kTypname = "Commodity Channel Index (CCI)";
  static constexpr int kGruppe = 1;
  static constexpr std::uint8_t kEntfernungssignal = 40;
  static constexpr std::uint8_t kExtremzoneUnten = 20;
  static const TArtBeschreibung<TParamCCI>& Beschreibung();

  const TZeitreihe* TypischerPreis() const { return Zeiger(tp_); }
  const TZeitreihe* TypischerPreisGeglaettet() const { return Zeiger(tpGeglaettet_); }
  const TZeitreihe* Cci() const { return Zeiger(cci_); }
  const TZeitreihe* CciGeglaettet() const { return Zeiger(cciGeglaettet_); }
  std::string Info(Boersentag datum) const override;

 protected:
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
  void SerienFreigeben() override {
    tp_.reset();
    tpGeglaettet_.reset();
    cci_.reset();
    cciGeglaettet_.reset();
  }

 private:
  void CciBerechnen();

  std::optional<TZeitreihe> tp_;
  std::optional<TZeitreihe> tpGeglaettet_;
  std::optional<TZeitreihe> cci_;
  std::optional<TZeitreihe> cciGeglaettet_;
};

}  // namespace morvane
