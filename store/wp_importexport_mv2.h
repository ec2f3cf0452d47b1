#pragma once

#include <string>

#include "core/exception.h"
#include "store/wpdateileser.h"

namespace morvane {

MORVANE_EXCEPTION(EWP_ImportExport_MV2, Exception);

// Reader of the security files of version 2. They hold no price or amount of
// a purchase or sale: both are taken from the fixing of that day, so the
// transactions are complete only after the prices have been read.
class TWP_ImportExport_MV2 : public TWPDateiLeser {
 protected:
  void Lesen(TBinaerLeser& leser, TLeseumfang umfang, TLesung& lesung) const override;
  [[noreturn]] void Werfen(const std::string& meldung) const override;
};

}  // namespace morvane
