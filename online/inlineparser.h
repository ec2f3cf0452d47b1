#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/datum.h"
#include "core/exception.h"
#include "core/wpstammdaten.h"
#include "online/scripttext.h"

namespace morvane {

// A faulty URL template: the German message and the 1-based character position.
MORVANE_EXCEPTION(EInlineError, ETextfehler);

// One literal run or one placeholder of a URL template.
struct TInlineElement {
  enum class TArt : std::uint8_t { Text, Id, Wkn, Isin, Boerse, Tag, Monat, Jahr, SessionID };
  TArt Art = TArt::Text;
  std::string Text;          // the literal run
  bool Kurz = false;         // <jahr kurz>: two digits
  std::int32_t Versatz = 0;  // <jahr -1>: years back
};

// URL template of a price source: literal text with placeholders in angle
// brackets (<wkn>, <isin>, <börse>, <id>, <tag>, <monat>, <jahr kurz -1>,
// <sessionid>); "<<" stands for "<". Parsed once, expanded per security.
class TInlineParser {
 public:
  // Raises EInlineError on the first fault. `laufdatum` fills the date
  // placeholders.
  TInlineParser(std::string_view vorlage, const TDatum& laufdatum);

  // True when the template holds a placeholder of the security (or the session).
  bool ProWertpapier() const { return proWertpapier_; }
  bool BrauchtSession() const { return brauchtSession_; }
  void SessionIDSetzen(std::string id) { sessionID_ = std::move(id); }

  // The address for one security and its request identifier. Empty when a date
  // placeholder meets a run date part of 0.
  std::string Expandieren(const TWPStammdaten& wp, const std::string& anfrageID) const;
  // The address of a template without placeholders of a security.
  std::string Expandieren() const;

 private:
  std::string Expandieren(const TWPStammdaten* wp, const std::string& anfrageID) const;

  std::vector<TInlineElement> elemente_;
  TDatum datum_;
  std::string sessionID_;
  bool proWertpapier_ = false;
  bool brauchtSession_ = false;
};

}  // namespace morvane
