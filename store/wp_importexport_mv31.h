#pragma once

#include <string>

#include "core/exception.h"
#include "store/wpdateileser.h"

namespace morvane {

MORVANE_EXCEPTION(EWP_ImportExport_MV31, Exception);

// Reader of the security files of version 3.1 (never written any more).
class TWP_ImportExport_MV31 : public TWPDateiLeser {
 protected:
  void Lesen(TBinaerLeser& leser, TLeseumfang umfang, TLesung& lesung) const override;
  [[noreturn]] void Werfen(const std::string& meldung) const override;
};

// Exchange code of an exchange name of version 3.1; 0 for unknown names.
std::uint8_t BoerseAusName(const std::string& name);

}  // namespace morvane
