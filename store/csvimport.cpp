#include "store/csvimport.h"

#include <array>
#include <charconv>
#include <optional>
#include <unordered_map>

#include "core/datum.h"
#include "core/datumtext.h"
#include "core/textkodierung.h"
#include "core/zahltext.h"
#include "store/grossbuchstaben.h"

namespace morvane {
namespace {

// Column roles; kfAlle marks the date, 0 an ignored column.
constexpr unsigned kDatumSpalte = kfAlle;

struct TSpaltenname {
  std::string_view Name;
  unsigned Rolle;
};

constexpr std::array<TSpaltenname, 16> kSpaltennamen = {{
    {"DATE", kDatumSpalte},
    {"DATUM", kDatumSpalte},
    {"OPEN", kfEroeffnung},
    {"ERÖFFNUNG", kfEroeffnung},
    {"EROEFFNUNG", kfEroeffnung},
    {"HIGH", kfHoch},
    {"HOCH", kfHoch},
    {"LOW", kfTief},
    {"TIEF", kfTief},
    {"CLOSE", kfSchluss},
    {"SCHLUSS", kfSchluss},
    {"KASSA", kfKassakurs},
    {"KASSAKURS", kfKassakurs},
    {"VOLUME", kfUmsatz},
    {"UMSATZ", kfUmsatz},
    {"VOL", kfUmsatz},
}};

// A rejected field is quoted with at most this many characters.
constexpr std::size_t kZitatZeichen = 60;

// Length of the printable UTF-8 character at the front of `text`; 0 for a
// control character (C0, DEL, C1) or a byte that starts no valid character.
std::size_t DruckbaresZeichen(std::string_view text) {
  const auto c = static_cast<unsigned char>(text[0]);
  if (c < 0x20 || c == 0x7F) return 0;
  if (c < 0x80) return 1;
  const std::size_t laenge = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
  if (laenge > text.size() || !IstGueltigesUtf8(text.substr(0, laenge))) return 0;
  if (c == 0xC2 && static_cast<unsigned char>(text[1]) < 0xA0) return 0;
  return laenge;
}

// A field as a message quotes it: its first kZitatZeichen characters, control
// characters and stray bytes as \xNN, "…" when it goes on.
std::string Zitat(std::string_view feld) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text = "\"";
  std::size_t i = 0;
  for (std::size_t zeichen = 0; i < feld.size() && zeichen < kZitatZeichen; ++zeichen) {
    if (const std::size_t laenge = DruckbaresZeichen(feld.substr(i))) {
      text.append(feld.substr(i, laenge));
      i += laenge;
    } else {
      const auto c = static_cast<unsigned char>(feld[i++]);
      text += {'\\', 'x', kHex[c >> 4], kHex[c & 0xF]};
    }
  }
  if (i < feld.size()) text += "…";
  return text + "\"";
}

const std::vector<unsigned> kStandardSpalten = {kDatumSpalte, kfEroeffnung, kfHoch,
                                                kfTief,       kfSchluss,    kfUmsatz};

std::vector<std::string> Felder(std::string_view zeile, char trenner) {
  std::vector<std::string> felder;
  std::size_t start = 0;
  while (true) {
    const std::size_t ende = zeile.find(trenner, start);
    std::string feld(Trimmen(zeile.substr(start, ende - start)));
    if (feld.size() >= 2 && feld.front() == '"' && feld.back() == '"') {
      feld = feld.substr(1, feld.size() - 2);
    }
    felder.push_back(std::move(feld));
    if (ende == std::string_view::npos) break;
    start = ende + 1;
  }
  return felder;
}

char TrennerErkennen(std::string_view zeile) {
  if (zeile.find('\t') != std::string_view::npos) return '\t';
  if (zeile.find(';') != std::string_view::npos) return ';';
  return ',';
}

std::optional<Boersentag> DatumLesen(std::string_view text) {
  int j = 0, m = 0, t = 0;
  if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
    const char* p = text.data();
    if (std::from_chars(p, p + 4, j).ec != std::errc() ||
        std::from_chars(p + 5, p + 7, m).ec != std::errc() ||
        std::from_chars(p + 8, p + 10, t).ec != std::errc()) {
      return std::nullopt;
    }
    if (!IstGueltigesKalenderdatum(t, m, j) || !IstBoersentag(t, m, j)) return std::nullopt;
    return BoersentagAusDatum(t, m, j);
  }
  return TextZuBoersentag(text);
}

// Full precision: the text as written, decimal comma accepted.
std::optional<double> ZahlLesen(std::string text) {
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  if (!text.empty() && text.front() == '+') text.erase(0, 1);
  double wert = 0;
  const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
  if (fehler != std::errc() || ende != text.data() + text.size() || !(wert >= 0) || wert > 1e300) {
    return std::nullopt;
  }
  return wert;
}

std::string Spaltenname(unsigned rolle) {
  switch (rolle) {
    case kfEroeffnung:
      return "Eröffnung";
    case kfHoch:
      return "Hoch";
    case kfTief:
      return "Tief";
    case kfSchluss:
      return "Schluss";
    case kfKassakurs:
      return "Kassa";
    default:
      return "Umsatz";
  }
}

// Reads one data line into `kurs`; the reason when it is rejected.
std::optional<std::string> ZeileLesen(const std::vector<std::string>& felder,
                                      const std::vector<unsigned>& spalten, TKurs& kurs) {
  bool hatDatum = false;
  for (std::size_t i = 0; i < spalten.size() && i < felder.size(); ++i) {
    const unsigned rolle = spalten[i];
    if (rolle == 0) continue;
    if (rolle == kDatumSpalte) {
      const auto tag = DatumLesen(felder[i]);
      if (!tag) return "ungültiges Datum " + Zitat(felder[i]);
      kurs.Datum = *tag;
      hatDatum = true;
      continue;
    }
    if (felder[i].empty()) continue;
    const auto wert = ZahlLesen(felder[i]);
    if (!wert) return "ungültige Zahl " + Zitat(felder[i]) + " in Spalte " + Spaltenname(rolle);
    KursFeld(kurs, static_cast<TKursFeld>(rolle)) = *wert;
  }
  if (!hatDatum) return std::string("kein Datum");
  if ((kurs.Eroeffnung == 0 && kurs.Hoch == 0 && kurs.Tief == 0 && kurs.Schluss == 0 &&
       kurs.Kassakurs == 0)) {
    return std::string("keine Kurse");
  }
  if (!kurs.IstGueltig()) return std::string("Hoch/Tief passen nicht zu den Kursen");
  return std::nullopt;
}

// Column roles from a header line; nullopt when the line is data.
std::optional<std::vector<unsigned>> KopfLesen(const std::vector<std::string>& felder) {
  std::vector<unsigned> spalten;
  bool hatDatum = false;
  for (const std::string& feld : felder) {
    const std::string name = Grossbuchstaben(feld);
    unsigned rolle = 0;
    for (const auto& s : kSpaltennamen) {
      if (s.Name == name) rolle = s.Rolle;
    }
    hatDatum = hatDatum || rolle == kDatumSpalte;
    spalten.push_back(rolle);
  }
  if (!hatDatum) return std::nullopt;
  return spalten;
}

}  // namespace

TCsvImport CsvKurseLesen(std::string_view text) {
  TCsvImport ergebnis;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<unsigned> spalten = kStandardSpalten;
  char trenner = ',';
  int nummer = 0;
  std::unordered_map<Boersentag, int> zeilen;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t ende = text.find('\n', start);
    if (ende == std::string_view::npos) ende = text.size();
    std::string_view zeile = text.substr(start, ende - start);
    start = ende + 1;
    ++nummer;
    if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
    if (Trimmen(zeile).empty()) continue;
    if (nummer == 1) {
      trenner = TrennerErkennen(zeile);
      if (auto kopf = KopfLesen(Felder(zeile, trenner))) {
        spalten = std::move(*kopf);
        continue;
      }
    }
    TKurs kurs;
    if (auto grund = ZeileLesen(Felder(zeile, trenner), spalten, kurs)) {
      ergebnis.Abgelehnt.emplace_back(nummer, std::move(*grund));
      continue;
    }
    // A day given twice is one price: the first line holds, the later ones
    // are reported.
    const auto [erste, neu] = zeilen.emplace(kurs.Datum, nummer);
    if (!neu) {
      ergebnis.Abgelehnt.emplace_back(nummer, "Datum " + BoersentagZuText(kurs.Datum) +
                                                  " doppelt (schon in Zeile " +
                                                  std::to_string(erste->second) + ")");
      continue;
    }
    ergebnis.Kurse.Setze(kurs, TSetzModus::Ersetzen);
    ++ergebnis.Uebernommen;
  }
  return ergebnis;
}

std::string CsvImportBericht(const TCsvImport& ergebnis) {
  std::string text = std::to_string(ergebnis.Uebernommen) + " Kurse übernommen, " +
                     std::to_string(ergebnis.Abgelehnt.size()) + " Zeilen abgelehnt.";
  constexpr std::size_t kGezeigt = 5;
  for (std::size_t i = 0; i < ergebnis.Abgelehnt.size() && i < kGezeigt; ++i) {
    text += "\nZeile " + std::to_string(ergebnis.Abgelehnt[i].first) + ": " +
            ergebnis.Abgelehnt[i].second;
  }
  if (ergebnis.Abgelehnt.size() > kGezeigt) text += "\n...";
  return text;
}

}  // namespace morvane
