#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/datum.h"
#include "online/quelle.h"

namespace morvane {

class TLogbuch;

// Where a price-source file is read from: the program directory, else, for
// an installed program, ../share/morvane beside the program file
// (`programmdatei`); the program directory's path when neither exists.
std::string QuellendateiFinden(const std::string& programmverzeichnis, std::string_view dateiname,
                               const std::string& programmdatei);

// All price sources of the program directory: first those of Quellen35.mvq (the
// shipped sources), then those of anwender.mvq (the user's own). A file that
// cannot be read does not stop the loading; the texts for the user end up in
// Meldungen(), and the sources read before a damage stay loaded.
class TQuellenManager {
 public:
  explicit TQuellenManager(std::string programmverzeichnis);

  int Anzahl() const { return static_cast<int>(quellen_.size()); }
  const TQuelle& Quelle(int index) const { return quellen_.at(static_cast<std::size_t>(index)); }
  const std::vector<TQuelle>& Quellen() const { return quellen_; }

  // Clears the list and loads both files again.
  void NeuLaden();
  // One message per file that could not be read by the last load, to be shown
  // to the user.
  const std::vector<std::string>& Meldungen() const { return meldungen_; }

  // Version date of the shipped sources; 0 when Quellen35.mvq cannot be read
  // (the reason goes to the log book).
  static Kalendertag Versionsdatum(const std::string& programmverzeichnis, TLogbuch& logbuch);

 private:
  void DateiLaden(const std::string& dateiname);

  std::string verzeichnis_;
  std::vector<TQuelle> quellen_;
  std::vector<std::string> meldungen_;
};

}  // namespace morvane
