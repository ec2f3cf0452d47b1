#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// The "Berechnung" page of an indicator's parameter dialog, described as data.
// The dialog only renders this description; reading and checking the texts the
// user typed is model code (SeitePruefen).

enum class TFeldart {
  Ganzzahl,     // decimal integer within Minimum..Maximum
  Dezimalzahl,  // decimal comma or point, digits after `Dezimalen` decimals dropped
  Auswahl,      // radio group; the field's text is the index of the chosen item
};

struct TEingabefeld {
  std::string Ueberschrift;  // heading above a group of fields (may be empty)
  std::string Beschriftung;  // label in front of the field, or the radio group's caption
  std::string Vorsatz;       // text directly before the edit ("1 /"), may be empty
  std::string Einheit;       // text behind the edit ("Tage"), may be empty
  TFeldart Art = TFeldart::Ganzzahl;
  double Minimum = 0;
  double Maximum = 0;
  int Dezimalen = 0;
  std::vector<std::string> Auswahl;  // the radio items of an Auswahl field
  std::string Meldung;               // shown when the text is no valid value
};

// One step of the page check. Without a Bedingung the step tests the field's
// own text against its kind and range; with one it is a check across fields,
// evaluated on the values of the fields (steps before it have made sure that
// the fields it reads are valid). The first failing step decides.
struct TPruefschritt {
  int Feld = 0;  // field that is reported (and focused) when the step fails
  std::function<bool(std::span<const double>)> Bedingung;
  std::string Meldung;  // for a check across fields
};

struct TEingabefehler {
  int Feld = 0;
  std::string Meldung;
  friend bool operator==(const TEingabefehler&, const TEingabefehler&) = default;
};

struct TBerechnungsseite {
  std::string Ueberschrift;  // bold heading at the top of the page (may be empty)
  std::vector<TEingabefeld> Felder;
  // In the order the messages are to be given; empty means each field in turn.
  std::vector<TPruefschritt> Pruefungen;
};

// The value of a field's text, or none when it is no valid value of the field.
std::optional<double> FeldLesen(const TEingabefeld& feld, std::string_view text);
// A value as the field shows it (integers plainly, decimals with the field's
// number of decimals, a radio group as the item index).
std::string FeldText(const TEingabefeld& feld, double wert);

// Checks the texts of all fields (one per field, in field order) and returns
// the first failure; on success `werte` holds the value of every field.
// Throws std::invalid_argument when the number of texts does not match.
std::optional<TEingabefehler> SeitePruefen(const TBerechnungsseite& seite,
                                           std::span<const std::string> texte,
                                           std::vector<double>& werte);

// Ready-made fields and the messages several kinds share.
inline constexpr std::string_view kMeldungZeitraum =
    "Als Berechnungszeitraum muss eine Zahl angegeben werden, die größer oder gleich 1 ist.";
inline constexpr std::string_view kMeldungEmpfindlichkeit =
    "Als Empfindlichkeit muss eine Zahl angegeben werden, die größer oder gleich 1 ist.";
inline constexpr std::string_view kMeldungGlaettungszeitraum =
    "Als Glättungszeitraum muss eine Zahl angegeben werden, die größer oder gleich 1 ist.";
inline constexpr std::string_view kMeldungKurzLang =
    "Der Berechnungszeitraum des kurzfristigen Durchschnitts muss kleiner als der des "
    "langfristigen Durchschnitts sein.";
inline constexpr std::string_view kMeldungExponentiell =
    "Bei exponentieller Gewichtung darf der Berechnungszeitraum höchstens 30 sein.";
inline constexpr std::string_view kMeldungAuswahl = "Es muss eine Gewichtung ausgewählt werden.";

// An integer field 1..65535 (a period, a smoothing or a word sensitivity).
TEingabefeld WordFeld(std::string beschriftung, std::string_view meldung, std::string einheit = {});
// An integer field 1..255 (a byte sensitivity).
TEingabefeld ByteFeld(std::string beschriftung, std::string_view meldung);
// A radio group whose text is the index of the chosen item.
TEingabefeld AuswahlFeld(std::string beschriftung, std::vector<std::string> auswahl);

// The radio group of an average's weighting: "ungewichtet", "linear
// gewichtet" and, with `exponentiell`, "exponentiell gewichtet".
TEingabefeld GewichtungsFeld(std::string beschriftung, bool exponentiell);

// A check step that tests the field's own text.
TPruefschritt FeldPruefen(int feld);
// A check across fields.
TPruefschritt Querpruefung(int feld, std::function<bool(std::span<const double>)> bedingung,
                           std::string_view meldung);

}  // namespace morvane
