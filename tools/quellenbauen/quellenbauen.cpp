// Builds a price-source file from its readable form (see online/quellentext.h):
//
//   quellenbauen QUELLENTEXT ZIELDATEI
//
// Every address template and script must parse, else nothing is written and
// the exit status is 1, so that a faulty shipped source fails the build.

#include <iostream>
#include <string>

#include "core/datei.h"
#include "online/quellentext.h"

int main(int argc, char** argv) {
  using namespace morvane;
  if (argc != 3) {
    std::cerr << "Aufruf: quellenbauen QUELLENTEXT ZIELDATEI\n";
    return 2;
  }
  try {
    const TQuellentext text = QuellentextLesen(DateiLesen(argv[1]));
    const auto fehler = QuellenPruefen(text.Quellen, DatumAusKalendertag(text.Stand));
    for (const std::string& f : fehler)
      std::cerr << argv[1] << ": " << f << '\n';
    if (!fehler.empty()) return 1;
    QuellendateiSchreiben(argv[2], text.Quellen, text.Kopf, text.Stand);
  } catch (const Exception& e) {
    std::cerr << argv[1] << ": " << e.Meldung() << '\n';
    return 1;
  }
  return 0;
}
