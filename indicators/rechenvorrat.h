#pragma once

#include <any>
#include <map>
#include <string>

#include "core/kurse.h"

namespace morvane {

// Series that several kinds of one computation need alike, computed once.
// While a TRechenvorrat lives on a thread, the building blocks keep what they
// computed for its prices under a key naming the series and its parameters,
// and hand out copies; for other prices, or with no store open, they simply
// compute. The prices must not change while the store lives.
class TRechenvorrat {
 public:
  explicit TRechenvorrat(const TKurse& kurse);
  ~TRechenvorrat();
  TRechenvorrat(const TRechenvorrat&) = delete;
  TRechenvorrat& operator=(const TRechenvorrat&) = delete;

  // The series `schluessel` of `kurse`: kept, or computed by rechnen().
  template <typename T, typename Rechnen>
  static T Holen(const TKurse& kurse, const std::string& schluessel, Rechnen rechnen) {
    TRechenvorrat* vorrat = offen_;
    if (!vorrat || vorrat->kurse_ != &kurse) return rechnen();
    auto it = vorrat->vorrat_.find(schluessel);
    if (it == vorrat->vorrat_.end()) it = vorrat->vorrat_.emplace(schluessel, T(rechnen())).first;
    return std::any_cast<const T&>(it->second);
  }

 private:
  static thread_local TRechenvorrat* offen_;
  const TKurse* kurse_;
  TRechenvorrat* vorher_;  // the store open before this one
  std::map<std::string, std::any> vorrat_;
};

}  // namespace morvane
