#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/datum.h"
#include "core/exception.h"
#include "online/quelle.h"
#include "online/quellendatei.h"

namespace morvane {

// A faulty readable price-source text; the message names the line.
MORVANE_EXCEPTION(EQuellentext, Exception);

// The readable form of a price-source file, from which the shipped files are
// built:
//
//   # a comment: a line whose first non-blank character is '#'
//   Datei: Programm                  (or: Persönlich)
//   Stand: 08.12.2026                (the version date)
//
//   Quelle: Internet (aktuell): Wertpapiere von Onvista [ISIN]
//   Seite: Text                      (or: HTML, the default)
//   Adresse: https://...<isin>...
//   Script:
//     jsonhistorie(datum "t", schluss "c")
//
// A source starts with its display name (kind text, ": ", name). The script
// is every following line that is empty or starts with a blank, up to the
// next line that starts otherwise; its lines are kept without their leading
// blanks. The text is UTF-8.
struct TQuellentext {
  TQuellenKopf Kopf = TQuellenKopf::Programm;
  Kalendertag Stand = 0;
  std::vector<TQuelle> Quellen;
};

TQuellentext QuellentextLesen(std::string_view text);

// One message per source whose address template or script does not parse
// (templates are expanded with `laufdatum`); empty when all do.
std::vector<std::string> QuellenPruefen(const std::vector<TQuelle>& quellen,
                                        const TDatum& laufdatum);

}  // namespace morvane
