#pragma once

#include <memory>
#include <vector>

#include "indicators/indikator.h"

namespace morvane {

// One group's list of indicators; its last entry is the group's aggregate.
using TIndGruppe = std::vector<std::unique_ptr<TIndikator>>;

// The aggregate of a group: the weighted mean of the signals (for group 3 the
// intensities) of the other entries of its group's list. Its series is its
// Signal; it has no oscillator, no class key and no stored parameters of its
// own (the weights live in the members).
class TIndGesamt : public TIndikator {
 public:
  // `liste` is the group's list (not owned, may be null); `gruppe` is 1..3,
  // anything else throws std::invalid_argument.
  TIndGesamt(TIndGruppe* liste, int gruppe);

  TIndGruppe* Liste = nullptr;
  std::uint8_t Gruppe = 1;

  std::unique_ptr<TIndikator> Kopieren() const override { return nullptr; }
  std::string_view Schluessel() const override { return {}; }
  std::string_view Typname() const override { return {}; }
  bool HatSignalgenerierung() const override { return false; }

  // One weight field (0..100) per member, labelled with the member's name.
  TBerechnungsseite Berechnungsseite() const override;
  std::vector<std::string> BerechnungTexte() const override;

  std::string Info(Boersentag datum) const override;

 protected:
  void Rechnen(const TKurse& kurse) override;
  // Whenever displayed: the signal line, for group 3 the intensity.
  void Darstellen(TIndikatorZeichnen& z) override;
  void BerechnungSetzen(std::span<const double> werte) override;

 private:
  // The entries before the aggregate.
  std::span<const std::unique_ptr<TIndikator>> Mitglieder() const;
};

}  // namespace morvane
