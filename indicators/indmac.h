#pragma once

#include "indicators/indikatorart.h"

namespace morvane {

struct TParamMAC {
  std::uint16_t KurzZeitraum = 25;
  std::uint16_t LangZeitraum = 50;
  std::uint16_t TriggerZeitraum = 20;
  std::uint16_t Empfindlichkeit = 500;
  bool ZeigeMacd = true;
  bool ZeigeTrigger = true;
  bool ZeigeOszillator = false;
  friend bool operator==(const TParamMAC&, const TParamMAC&) = default;
};

// The difference of two linearly weighted averages of the close and its
// linearly weighted trigger line; shared with the CDO.
struct TMacdLinien {
  TZeitreihe Macd;
  TZeitreihe Trigger;
};
TMacdLinien MacdBerechnen(const TKurse& kurse, int kurz, int lang, int trigger);
// At each record with a close and both lines:
// Differenzoszillator((MACD - Trigger) / close, s).
TZeitreihe MacOszillator(const TKurse& kurse, const TMacdLinien& linien, double s);

// The three period fields MAC and CDO begin with, followed by `weitere`.
template <class P>
std::vector<TParameter<P>> MacdZeitraeume(std::vector<TParameter<P>> weitere) {
  std::vector<TParameter<P>> alle = {
      {&P::KurzZeitraum,
       WordFeld("Berechnungszeitraum kurzfristiger Durchschnitt:", kMeldungZeitraum),
       {}},
      {&P::LangZeitraum,
       WordFeld("Berechnungszeitraum langfristiger Durchschnitt:", kMeldungZeitraum),
       {}},
      {&P::TriggerZeitraum, WordFeld("Berechnungszeitraum für Trigger:", kMeldungZeitraum), {}},
  };
  alle.insert(alle.end(), weitere.begin(), weitere.end());
  return alle;
}

// Moving average convergence/divergence with a trigger line.
class TIndMAC : public TIndikatorArt<TIndMAC, TParamMAC> {
 public:
  static constexpr std::string_view kSchluessel = "IndMAC";
  static constexpr std::string_view kTypname = "Moving Average Convergence/Divergence System (MAC)";
  static constexpr int kGruppe = 2;
  static constexpr std::uint8_t kEntfernungssignal = 0;
  static constexpr std::uint8_t kExtremzoneUnten = 50;
  static const TArtBeschreibung<TParamMAC>& Beschreibung();

  const TZeitreihe* Macd() const { return linien_ ? &linien_->Macd : nullptr; }
  const TZeitreihe* Trigger() const { return linien_ ? &linien_->Trigger : nullptr; }

 protected:
  void Rechnen(const TKurse& kurse) override;
  void Darstellen(TIndikatorZeichnen& z) override;
  void SerienFreigeben() override { linien_.reset(); }

 private:
  std::optional<TMacdLinien> linien_;
};

}  // namespace morvane
