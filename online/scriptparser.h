#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/exception.h"
#include "online/scripttext.h"

namespace morvane {

// A faulty price-source script: the German message and the 1-based character
// position at which the fault was found.
MORVANE_EXCEPTION(EScriptParseError, ETextfehler);

enum class TBefehlsTyp : std::uint8_t {
  Datensatz = 0,
  Ende = 1,
  Position = 2,
  Suche = 3,
  Datum = 4,
  Id = 5,
  Eroeffnung = 6,
  Hoch = 7,
  Tief = 8,
  Schluss = 9,
  Kassa = 10,
  Umsatz = 11,
  OnvistaHistorie = 12,
  JsonHistorie = 13,
};

// `datensatz` and `ende`: the text that closes one record of the loop; `ende`
// also knows where its loop starts.
struct TSchleifenParameter {
  std::string Endetext;
  int DatensatzIndex = -1;
};

// `position`: 0 leaves the line unchanged, a column of 0 means column 1.
struct TPositionParameter {
  std::int32_t Zeile = 0;
  std::int32_t Spalte = 0;
  bool ZeileRelativ = false;
  bool SpalteRelativ = false;
};

struct TSucheParameter {
  std::string Text;
  std::uint16_t Anzahl = 1;
};

// One group of a date format and the separator that follows it (empty when the
// next group follows directly or the format ends).
struct TDatumsgruppe {
  enum class TArt : std::uint8_t { Tag, Monat, Jahr2, Jahr4, Quartal };
  TArt Art = TArt::Tag;
  std::string Trennzeichen;
};

// The groups of an upper-case date format (TT, MM, JJ, JJJJ, QQ, each kind once,
// a quarter never with day or month, at most one separator between groups), or
// nothing when the format is invalid.
std::optional<std::vector<TDatumsgruppe>> Datumsgruppen(std::string_view format);

enum class TSetzeModus : std::uint8_t { Keiner = 0, Erster = 1, Letzter = 2 };

struct TDatumParameter {
  std::string Format;                  // upper case; empty = day month year
  std::vector<TDatumsgruppe> Gruppen;  // the format taken apart
  std::vector<std::string> Monate;     // twelve lower-case names, or none
  std::vector<std::string> Quartale;   // four lower-case names, or none
  std::uint16_t Jahr = 0;              // century for two-digit years; 0 = none
  TSetzeModus SetzeTag = TSetzeModus::Keiner;
  TSetzeModus SetzeMonat = TSetzeModus::Keiner;
  bool Heute = false;
};

// `id` and the price commands (`id` uses only separator and length).
struct TFeldParameter {
  std::string Trennzeichen = " ";  // one character
  std::uint8_t Laenge = 0;         // 0 = up to the separator
  double Faktor = 1.0;
  double Summand = 0;
  std::string Tausenderzeichen;  // one character or empty
  bool Bruchschreibweise = false;
};

// `jsonhistorie`: the JSON member names of date, opening, high, low, close
// and volume; an empty name is not read.
struct TJsonHistorieParameter {
  std::array<std::string, 6> Namen;
};

struct TBefehl {
  TBefehlsTyp Typ = TBefehlsTyp::Datensatz;
  std::uint16_t Start = 0;  // position of the keyword
  std::uint16_t Ende = 0;   // position after the command
  std::variant<std::monostate, TSchleifenParameter, TPositionParameter, TSucheParameter,
               TDatumParameter, TFeldParameter, TJsonHistorieParameter>
      Parameter;
};

// Turns a price-source script into its command list once; the interpreter then
// walks the list with a cursor. The whole script is checked up front and the
// first fault raises EScriptParseError, so no partial list ever exists.
class TScriptParser {
 public:
  // The script may come as UTF-8 or as Windows-1252 bytes.
  explicit TScriptParser(std::string_view script);

  // Advances the cursor; nullptr when it already stands on the last command.
  const TBefehl* NaechsterBefehl();
  void Zuruecksetzen() { cursor_ = -1; }
  // On an `ende`: the next command handed out is the first after its `datensatz`.
  void Zurueckspringen();
  bool HatDatensatz() const { return hatDatensatz_; }
  const std::vector<TBefehl>& Befehle() const { return befehle_; }

 private:
  std::vector<TBefehl> befehle_;
  bool hatDatensatz_ = false;
  int cursor_ = -1;
};

}  // namespace morvane
