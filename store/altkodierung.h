#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/binaer.h"
#include "core/datum.h"
#include "core/kurse.h"
#include "core/wptransaktionen.h"
#include "store/satzfeld.h"
#include "store/wpdateileser.h"

namespace morvane {

// Encodings and record layouts found only in the security files of the older
// program versions.

// The 6-byte floating-point format: biased exponent (129, 0 means zero) in
// byte 0, a 39-bit fraction in bytes 1 to 5 with the sign in the top bit.
double Real6(TBinaerLeser& leser);

// A fixed field of `laenge` + 1 bytes: a length byte, then the characters; the
// rest of the field is ignored. A length byte above `laenge` is taken as
// `laenge`. The bytes are returned undecoded.
std::string KurzText(TBinaerLeser& leser, std::size_t laenge);

// Reads and ignores `anzahl` bytes.
void Ueberspringen(TBinaerLeser& leser, std::size_t anzahl);

// Trading day of a calendar date found in an old file; 0 (a date every price
// series drops) when the date is not a real date of the years 1000 to 4999.
Boersentag AlterBoersentag(int tag, int monat, int jahr);

// Calls `verarbeiten` for every record of `groesse` bytes of a list that
// starts with an int32 count.
template <class F>
void SaetzeLesen(TBinaerLeser& leser, std::size_t groesse, F&& verarbeiten) {
  const std::int32_t anzahl = leser.Anzahl(groesse);
  for (std::int32_t i = 0; i < anzahl; ++i)
    verarbeiten(leser.Roh(groesse));
}

// Number of records of `groesse` bytes from here to the end of the file; a
// file that ends inside a record fails.
std::int32_t SaetzeBisEnde(const TBinaerLeser& leser, std::size_t groesse);

// Transaction kind codes of the versions 3.0 and 3.1.
enum TAlteArt : std::uint8_t { aaKauf = 1, aaVerkauf = 2, aaSonstige = 3, aaSplit = 4 };

// Offsets of the amounts in a transaction record of the versions 3.0 and 3.1;
// the date is at 0, the kind byte at 4.
struct TAlteTransaktionsLage {
  std::size_t Stueck;
  std::size_t Kurs;
  std::size_t Betrag;
};

// Inserts the purchase, sale or other cash event of a 3.0 or 3.1 record and
// returns true; returns false for a split, which the caller reads itself.
// Any other kind code throws.
bool AlteTransaktionEinfuegen(std::string_view satz, const TAlteTransaktionsLage& lage,
                              TWPTransaktionen& liste);

// The layout the versions 3.0 and 3.1 share: master data and transactions in
// the version's own encoding, then a count and price records of 48 bytes
// (date, five prices, volume as int32). Reads as far as `umfang` asks.
void Version3Lesen(TBinaerLeser& leser, TLeseumfang umfang, TLesung& lesung,
                   void (*stammdaten)(TBinaerLeser&, TWPStammdaten&),
                   void (*transaktionen)(TBinaerLeser&, TWPTransaktionen&));

}  // namespace morvane
