#pragma once

#include <string>

#include "core/exception.h"
#include "store/wpdateileser.h"

namespace morvane {

MORVANE_EXCEPTION(EWP_ImportExport_MV30, Exception);

// Reader of the security files of version 3.0 (never written any more).
class TWP_ImportExport_MV30 : public TWPDateiLeser {
 protected:
  void Lesen(TBinaerLeser& leser, TLeseumfang umfang, TLesung& lesung) const override;
  [[noreturn]] void Werfen(const std::string& meldung) const override;
};

struct TSplitVerhaeltnis {
  double Von;
  double Nach;
};

// Version 3.0 stored a split as one factor (new units per old unit). The
// smallest multiple of up to 100 that is a whole number gives the ratio
// (2,5 -> 2 : 5); without one the ratio is 1 : faktor.
TSplitVerhaeltnis SplitAusFaktor(double faktor);

}  // namespace morvane
