#pragma once

#include <string>
#include <vector>

namespace morvane {

// Dial-up networking as the options dialog sees it: whether it is installed,
// the entries of the phone book and the system's editor for one entry. This
// platform has no dial-up networking; a fake dialler derives from it in tests.
class TInternetVerbindung {
 public:
  virtual ~TInternetVerbindung() = default;

  virtual bool DFUeInstalliert() const { return false; }
  // The names of the phone book's entries; empty without dial-up networking.
  virtual std::vector<std::string> Telefonbuch() const { return {}; }
  // Opens the system's editor for the entry; false when that failed.
  virtual bool EigenschaftenAnzeigen(const std::string& /*eintrag*/) { return false; }
};

}  // namespace morvane
