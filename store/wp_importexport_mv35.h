#pragma once

#include <string>

#include "core/exception.h"
#include "core/wertpapier.h"
#include "store/wpdateileser.h"

namespace morvane {

MORVANE_EXCEPTION(EWP_ImportExport_MV35, Exception);

// Reads and writes the current security file format: header, master data,
// transactions, prices. Every save writes this format.
class TWP_ImportExport_MV35 : public TWPDateiLeser {
 public:
  // Replaces the file atomically; on failure the previous file stays intact.
  // Throws EWP_ImportExport_MV35 "Konnte Datei '<pfad>' nicht schreiben: ...".
  void WertpapierSpeichern(const std::string& pfad, const TWertpapier& wertpapier) const;

  // The complete file content of a security.
  static std::string Kodieren(const TWertpapier& wertpapier);

 protected:
  void Lesen(TBinaerLeser& leser, TLeseumfang umfang, TLesung& lesung) const override;
  [[noreturn]] void Werfen(const std::string& meldung) const override;
};

}  // namespace morvane
