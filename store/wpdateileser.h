#pragma once

#include <string>
#include <string_view>

#include "core/binaer.h"
#include "core/kurse.h"
#include "core/wertpapier.h"
#include "core/wpstammdaten.h"
#include "core/wptransaktionen.h"

namespace morvane {

// How far a reader has to go into a file. A version may read further than
// asked when a later section is needed to complete an earlier one.
enum class TLeseumfang { Stammdaten, Transaktionen, Alles };

// Common frame of the security file readers of every version: reads the file
// with one read, parses it from memory and reports every failure as the
// version's own exception "Konnte Datei '<pfad>' nicht öffnen: <Grund>". The
// loaders return new objects owned by the caller and set ID to the path.
class TWPDateiLeser {
 public:
  virtual ~TWPDateiLeser() = default;

  TWertpapier WertpapierLaden(const std::string& pfad) const;
  // Reads the header and the master data only.
  TWPStammdaten StammdatenLaden(const std::string& pfad) const;
  TWPTransaktionen TransaktionenLaden(const std::string& pfad) const;
  TKurse KurseLaden(const std::string& pfad) const;

  // Parses a file's content that is already in memory; `pfad` becomes the ID
  // and names the file in messages. Sections beyond `umfang` may stay empty.
  TWertpapier AusDaten(std::string_view daten, const std::string& pfad, TLeseumfang umfang) const;

 protected:
  // Parses `leser` into `wertpapier` as far as `umfang` asks; throws on any
  // fault (the frame adds the file name).
  virtual void Lesen(TBinaerLeser& leser, TLeseumfang umfang, TWertpapier& wertpapier) const = 0;
  // Throws the version's exception class with `meldung`.
  [[noreturn]] virtual void Werfen(const std::string& meldung) const = 0;

  // Compares the 30 header bytes; a difference throws `fehler` (the version's
  // "Keine Morvane ... Wertpapier-Datei").
  void KopfPruefen(TBinaerLeser& leser, std::string_view kopf, std::string_view fehler) const;

 private:
  TWertpapier Laden(const std::string& pfad, TLeseumfang umfang) const;
};

// Message of a transaction kind code that a version does not know.
std::string UngueltigerTransaktionstyp(int code);

}  // namespace morvane
