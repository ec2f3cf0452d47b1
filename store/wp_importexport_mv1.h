#pragma once

#include <string>

#include "core/exception.h"
#include "store/wpdateileser.h"

namespace morvane {

MORVANE_EXCEPTION(EWP_ImportExport_MV1, Exception);

// Reader of the security files of version 1: a name in the DOS code page and
// fixings with closing prices; no transactions.
class TWP_ImportExport_MV1 : public TWPDateiLeser {
 protected:
  void Lesen(TBinaerLeser& leser, TLeseumfang umfang, TLesung& lesung) const override;
  [[noreturn]] void Werfen(const std::string& meldung) const override;
};

}  // namespace morvane
