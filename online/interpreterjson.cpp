// The `jsonhistorie` command of TInterpreter: a history sent as parallel JSON
// arrays, which the line-wise commands cannot pair up.

#include "online/interpreter.h"
#include "online/jsonhistorie.h"

namespace morvane {

void TInterpreter::JsonHistorie(const TJsonHistorieParameter& p) {
  const std::size_t ab = zeile_.Anfang() + Byte(spalte_);
  // A script that reads the same long page again and again must end, too.
  if (jsonBytes_ >= bytesGrenze_) throw EScriptDateiende("");
  const auto historie = JsonHistorieLesen(zeile_.Seite(), ab, p);
  jsonBytes_ += static_cast<std::int64_t>((historie ? historie->Ende : zeile_.Seite().size()) - ab);
  // No object to read: the rest of the page is of no use to the script.
  if (!historie) throw EScriptDateiende("");
  if (empfaenger_) {
    for (const TKurs& kurs : historie->Kurse)
      empfaenger_(kennung_, kurs);
  }
  // The cursor goes past the object, which may span many lines.
  while (zeile_.Anfang() + zeile_.Text().size() < historie->Ende)
    ZeileLesen();
  spalte_ = SpalteBei(historie->Ende - zeile_.Anfang());
}

}  // namespace morvane
