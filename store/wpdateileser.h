#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/binaer.h"
#include "core/kurse.h"
#include "core/wertpapier.h"
#include "core/wpstammdaten.h"
#include "core/wptransaktionen.h"
#include "store/satzfeld.h"

namespace morvane {

// How far a reader has to go into a file. A version may read further than
// asked when a later section is needed to complete an earlier one.
enum class TLeseumfang { Stammdaten, Transaktionen, Alles };

// A parsed security, the price records the reader dropped (out of range,
// invalid or empty) and the bytes a full read found after the last section.
// Readers ignore such bytes, but a file this program wrote has none: they are
// what is left of data a wrong count hides, and writing the security back
// would lose them.
struct TLesung {
  TWertpapier Wertpapier;
  int Verworfen = 0;
  std::size_t Ungelesen = 0;
};

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
  // The same, with the bytes left unread (counted for full reads only).
  TLesung Lesung(std::string_view daten, const std::string& pfad, TLeseumfang umfang) const;

 protected:
  // Parses `leser` into `lesung` as far as `umfang` asks and counts the price
  // records it dropped; throws on any fault (the frame adds the file name).
  virtual void Lesen(TBinaerLeser& leser, TLeseumfang umfang, TLesung& lesung) const = 0;
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

// The six fees in the order every version stores them: KaufAbs, KaufRel,
// KaufMin, VerkaufAbs, VerkaufRel, VerkaufMin.
void GebuehrenLesen(TBinaerLeser& leser, TWPStammdaten& stammdaten);

// Date and the five prices of a price record of the versions 3.0 to 3.5,
// which differ only in how the volume follows at offset 44.
inline void PreiseLesen(std::string_view satz, TKurs& k) {
  k.Datum = Int32Bei(satz, 0);
  k.Kassakurs = DoubleBei(satz, 4);
  k.Eroeffnung = DoubleBei(satz, 12);
  k.Schluss = DoubleBei(satz, 20);
  k.Hoch = DoubleBei(satz, 28);
  k.Tief = DoubleBei(satz, 36);
}

// Reads `anzahl` price records of `groesse` bytes each, fills an empty TKurs
// from each with `dekodieren(satz, kurs)` and stores it as Setze(…, Ersetzen)
// does: records out of range, invalid or empty are dropped (their number is
// returned), a later one for the same day wins.
// The list is taken from `leser` as a whole, so a count the rest of the data
// cannot hold fails before anything is allocated.
template <class F>
int KurseLesen(TBinaerLeser& leser, std::int32_t anzahl, std::size_t groesse, TKurse& kurse,
               F&& dekodieren) {
  if (anzahl < 0) throw ELesefehler("Lesefehler: ungültige Anzahl " + std::to_string(anzahl));
  const char* satz = leser.Roh(static_cast<std::size_t>(anzahl) * groesse).data();
  return kurse.Anhaengen(anzahl, [&](TKurs& kurs) {
    dekodieren(std::string_view(satz, groesse), kurs);
    satz += groesse;
  });
}

}  // namespace morvane
