#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/exception.h"
#include "core/kurse.h"
#include "online/interpreterzeile.h"
#include "online/scriptparser.h"

namespace morvane {

// The page ended while a line was to be read. Ends a run normally; it never
// leaves TInterpreter::Ausfuehren.
MORVANE_EXCEPTION(EScriptDateiende, Exception);

// Receives every price record with the identifier text the script read.
using TKursEmpfaenger = std::function<void(const std::string& kennung, const TKurs& kurs)>;

// Runs a parsed price-source script over one page (HTML, CSV-like text or the
// provider's XML history answer) and hands out the price records it reads. One
// interpreter per page. The page enters as bytes and is read as UTF-8 when it is
// valid UTF-8, else as Windows-1252; columns count characters.
class TInterpreter {
 public:
  // `parser` must outlive the interpreter; its cursor is reset. With `html`
  // every field text has its character entities decoded. Without `empfaenger`
  // the records are dropped.
  TInterpreter(TScriptParser& parser, std::string_view seite, bool html,
               TKursEmpfaenger empfaenger);

  // Executes the script until its end or the end of the page.
  void Ausfuehren();

 private:
  void Befehl(const TBefehl& befehl);
  void Ende();
  void Position(const TPositionParameter& p);
  void Suche(const TSucheParameter& p);
  void Id(const TFeldParameter& p);
  void Wert(TBefehlsTyp typ, const TFeldParameter& p);
  void Historie();
  void JsonHistorie(const TJsonHistorieParameter& p);  // in interpreterjson.cpp
  void Ausgeben();

  // Page and line reading.
  void ZeileLesen();
  void VonVorn();
  void ZumText();
  std::string Feld(std::uint8_t laenge, const std::string& trenner);
  void LeerzeichenUeberspringen();
  std::size_t Byte(std::size_t spalte) { return zeile_.Byte(spalte); }
  std::size_t SpalteBei(std::size_t byte) { return zeile_.Spalte(byte); }
  std::string_view RestAnfang(std::size_t zeichen);
  std::string_view TagInhalt(std::string_view tag);

  // Dates.
  void Datum(const TDatumParameter& p);
  bool DatumLesen(const TDatumParameter& p, int& quartal);
  bool StandardDatumLesen(const TDatumParameter& p);
  bool GruppeLesen(const TDatumsgruppe& gruppe, const TDatumParameter& p, int& quartal);
  std::optional<std::string> Nehmen(const std::string& trenner, std::size_t anzahl);
  std::size_t TrennerSuchen(const std::string& trenner, std::size_t ab);
  std::optional<int> NamenLesen(const std::vector<std::string>& namen, const std::string& trenner);
  bool TagLesen(const std::string& trenner);
  bool MonatLesen(const TDatumParameter& p, const std::string& trenner);
  bool JahrLesen(const TDatumParameter& p, const std::string& trenner, std::size_t ziffern);
  bool QuartalLesen(const TDatumParameter& p, const std::string& trenner, int& quartal);
  bool Anpassen(const TDatumParameter& p, int quartal);

  TScriptParser& parser_;
  TInterpreterZeile zeile_;
  bool html_;
  TKursEmpfaenger empfaenger_;

  std::size_t spalte_ = 1;   // 1-based character column
  std::int64_t zeilen_ = 0;  // lines read since the page start
  // The characters that count as blanks between the parts of a date read
  // without a format; a blank otherwise.
  std::string_view leer_ = " ";
  // Guards against scripts that would read forever (jumping back, loops that
  // read nothing): total lines and bytes read and loop passes are bounded.
  std::int64_t gelesenGesamt_ = 0;
  std::int64_t zeilenGrenze_ = 0;
  std::int64_t bytesGrenze_ = 0;
  std::int64_t durchlaeufe_ = 0;
  std::int64_t durchlaufGrenze_ = 0;
  std::pair<std::int64_t, std::size_t> durchlaufStart_{0, 1};
  // Bytes scanned by `jsonhistorie`, bounded like the bytes read as lines.
  std::int64_t jsonBytes_ = 0;

  std::string endetext_;
  std::string kennung_;
  std::uint16_t tag_ = 0;
  std::uint16_t monat_ = 0;
  std::uint16_t jahr_ = 0;
  // Opening, high, low, close, Kassakurs, volume.
  std::array<double, 6> werte_{};
};

}  // namespace morvane
