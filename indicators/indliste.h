#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/binaer.h"
#include "indicators/indgesamt.h"
#include "indicators/indikator.h"

namespace morvane {

MORVANE_EXCEPTION(EIndikatorsatz, ELesefehler);

// The user's indicators in the three groups 1..3. Each group ends with its
// aggregate, whose list is the group itself; the list owns all entries. The
// aggregates point into the list, so a list is neither copied nor moved.
class TIndListe {
 public:
  // Three groups holding only their aggregates.
  TIndListe();
  // A copy of every member of `quelle` (Kopieren) with fresh aggregates.
  explicit TIndListe(const TIndListe& quelle);
  TIndListe& operator=(const TIndListe&) = delete;

  // Entries of the group including the aggregate.
  int Anzahl(int gruppe) const;
  TIndikator& Indikator(int gruppe, int index) const;
  // Inserts before the entry at `index` (0..Anzahl-1: never after the aggregate).
  void Einfuegen(int gruppe, int index, std::unique_ptr<TIndikator> indikator);
  // Frees a member; the aggregate cannot be removed.
  void Loeschen(int gruppe, int index);
  void Tauschen(int gruppe, int index1, int index2);
  // Frees every member of the group; the aggregate stays.
  void Leeren(int gruppe);

  // The block of the settings file: per group the member count and the keyed
  // parameter records.
  void Speichern(TBinaerSchreiber& datei) const;
  // Reads that block. On damage or an unknown class key the members read so
  // far stay (each group closed by its aggregate) and the error passes on.
  void Laden(TBinaerLeser& datei);

 private:
  TIndGruppe& Gruppe(int gruppe);
  const TIndGruppe& Gruppe(int gruppe) const;
  void MitgliedPruefen(int gruppe, int index) const;
  void GesamteAnhaengen();

  std::array<TIndGruppe, 3> gruppen_;
};

// Fills an empty list with the default set: every registered kind with its
// default parameters, each group in its fixed order.
void StandardsatzEinfuegen(TIndListe& liste);

// The kinds of one group for the new-indicator dialog: "type name\tclass key"
// per line, in the order of the default set.
std::vector<std::string> Indikatortypen(int gruppe);

}  // namespace morvane
