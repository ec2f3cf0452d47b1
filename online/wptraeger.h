#pragma once

#include <optional>
#include <string>

#include "core/kurse.h"
#include "core/wpstammdaten.h"
#include "online/kandidaten.h"

namespace morvane {

// One security in one mode (daily or historical prices) of an update run: its
// master data, the records this run received for it and its way through its
// candidate sources.
class TWPTraeger {
 public:
  TWPTraeger(std::string id, TWPStammdaten stammdaten, bool tageskurse);

  // Moves on to the next candidate source and returns its display name;
  // nothing when the candidates are exhausted.
  std::optional<std::string> NaechsteQuelle();

  const std::string& ID() const { return id_; }
  const TWPStammdaten& Stammdaten() const { return stammdaten_; }
  bool Tageskurse() const { return tageskurse_; }
  // Of the current candidate: matched against the identifier the script read.
  const std::string& SatzKennung() const { return satzKennung_; }
  // Of the current candidate: put into the <id> placeholder.
  const std::string& AnfrageKennung() const { return anfrageKennung_; }

  // Merges a record into the run's own series, day by day.
  void Nehmen(const TKurs& kurs) { kurse_.Setze(kurs, TSetzModus::Mischen); }
  const TKurse& Kurse() const { return kurse_; }
  bool HatKurse() const { return kurse_.Anzahl() > 0; }

 private:
  std::string id_;
  TWPStammdaten stammdaten_;
  bool tageskurse_;
  TKandidaten kandidaten_;
  std::string satzKennung_;
  std::string anfrageKennung_;
  TKurse kurse_;
};

}  // namespace morvane
