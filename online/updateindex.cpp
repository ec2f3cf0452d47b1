#include "online/updateindex.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "core/datei.h"
#include "online/signatur.h"

namespace morvane {
namespace {

constexpr std::string_view kKopf = "Morvane-Updateindex 1";
constexpr std::string_view kSignaturFeld = "Signatur ";
constexpr std::size_t kSignaturHex = 128;
constexpr std::size_t kNameGrenze = 64;

[[noreturn]] void Fehler(int zeile, const std::string& grund) {
  throw EUpdateIndex("Der Update-Index ist fehlerhaft (Zeile " + std::to_string(zeile) +
                     "): " + grund);
}

bool IstZiffer(char c) {
  return c >= '0' && c <= '9';
}

bool NurZiffern(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), IstZiffer);
}

// Letters, digits, ".", "_" and "-", not beginning with a dot: never a path.
bool GueltigerName(std::string_view name) {
  if (name.empty() || name.size() > kNameGrenze || name.front() == '.') return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return IstZiffer(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '.' ||
           c == '_' || c == '-';
  });
}

std::vector<std::string_view> Felder(std::string_view zeile) {
  std::vector<std::string_view> felder;
  std::size_t anfang = 0;
  while (true) {
    const std::size_t blank = zeile.find(' ', anfang);
    felder.push_back(zeile.substr(anfang, blank - anfang));
    if (blank == std::string_view::npos) return felder;
    anfang = blank + 1;
  }
}

std::optional<Kalendertag> DatumLesen(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !NurZiffern(text.substr(0, 4)) ||
      !NurZiffern(text.substr(5, 2)) || !NurZiffern(text.substr(8, 2)))
    return std::nullopt;
  const int jahr = std::stoi(std::string(text.substr(0, 4)));
  const int monat = std::stoi(std::string(text.substr(5, 2)));
  const int tag = std::stoi(std::string(text.substr(8, 2)));
  if (!IstGueltigesKalenderdatum(tag, monat, jahr)) return std::nullopt;
  return KalendertagAusDatum(tag, monat, jahr);
}

std::string DatumText(Kalendertag tag) {
  const TDatum d = DatumAusKalendertag(tag);
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u", unsigned{d.Jahr}, unsigned{d.Monat},
                unsigned{d.Tag});
  return text;
}

std::optional<std::int64_t> GroesseLesen(std::string_view text) {
  if (!NurZiffern(text) || text.front() == '0' || text.size() > 9) return std::nullopt;
  const std::int64_t groesse = std::stoll(std::string(text));
  if (groesse > kUpdateDateiGrenze) return std::nullopt;
  return groesse;
}

bool GueltigeSumme(std::string_view hex) {
  return hex.size() == 64 && HexBytes(hex);
}

TUpdateDatei DateizeileLesen(std::string_view zeile, int nummer) {
  const auto f = Felder(zeile);
  if (f.size() != 5 || f[0] != "Datei")
    Fehler(nummer, "erwartet 'Datei NAME JJJJ-MM-TT GRÖSSE SHA256'");
  TUpdateDatei datei;
  if (!GueltigerName(f[1])) Fehler(nummer, "ungültiger Dateiname '" + std::string(f[1]) + "'");
  datei.Name = f[1];
  const auto datum = DatumLesen(f[2]);
  if (!datum) Fehler(nummer, "ungültiges Datum '" + std::string(f[2]) + "'");
  datei.Versionsdatum = *datum;
  const auto groesse = GroesseLesen(f[3]);
  if (!groesse)
    Fehler(nummer, "ungültige Größe '" + std::string(f[3]) + "' (1 bis " +
                       std::to_string(kUpdateDateiGrenze) + " Bytes)");
  datei.Groesse = *groesse;
  if (!GueltigeSumme(f[4])) Fehler(nummer, "ungültige SHA-256-Summe");
  datei.Sha256 = f[4];
  return datei;
}

// The "Schlüssel Wert" line `nummer`; the value.
std::string_view WertLesen(std::string_view zeile, std::string_view schluessel, int nummer) {
  const auto f = Felder(zeile);
  if (f.size() != 2 || f[0] != schluessel)
    Fehler(nummer, "erwartet '" + std::string(schluessel) + " WERT'");
  return f[1];
}

void Pruefen(const TUpdateDatei& datei) {
  if (!GueltigerName(datei.Name) || datei.Groesse < 1 || datei.Groesse > kUpdateDateiGrenze ||
      !GueltigeSumme(datei.Sha256))
    throw EUpdateIndex("Die Datei '" + datei.Name + "' kann nicht in den Update-Index.");
}

}  // namespace

std::string UpdateIndexText(const TUpdateIndex& index) {
  std::string text = std::string(kKopf) + "\nProgrammversion " + index.Programmversion +
                     "\nDeaktiviert " + (index.Deaktiviert ? "ja" : "nein") + "\n";
  for (const TUpdateDatei& d : index.Dateien) {
    Pruefen(d);
    text += "Datei " + d.Name + " " + DatumText(d.Versionsdatum) + " " + std::to_string(d.Groesse) +
            " " + d.Sha256 + "\n";
  }
  return text;
}

std::string UpdateIndexSigniert(std::string_view text, std::string_view privatPem) {
  return std::string(text) + std::string(kSignaturFeld) + HexText(Signieren(text, privatPem)) +
         "\n";
}

TUpdateIndex UpdateIndexLesen(std::string_view signiert, std::string_view schluessel) {
  if (signiert.size() > kIndexGrenze)
    throw EUpdateIndex("Der Update-Index ist größer als " + GroesseText(kIndexGrenze) + ".");
  const bool zeilenende = signiert.ends_with('\n');
  // The last line: after the line end before the final one.
  const std::size_t zeile =
      zeilenende && signiert.size() >= 2 ? signiert.rfind('\n', signiert.size() - 2) : 0;
  const std::size_t anfang = zeile == std::string_view::npos ? 0 : zeile + 1;
  const std::string_view letzte = signiert.substr(std::min(anfang, signiert.size()));
  if (!zeilenende || !letzte.starts_with(kSignaturFeld) ||
      letzte.size() != kSignaturFeld.size() + kSignaturHex + 1)
    throw EUpdateIndex("Der Update-Index endet nicht mit einer Signaturzeile.");
  const auto signatur = HexBytes(letzte.substr(kSignaturFeld.size(), kSignaturHex));
  const std::string_view text = signiert.substr(0, anfang);
  if (!signatur || !SignaturGueltig(text, *signatur, schluessel))
    throw EUpdateIndex("Die Signatur des Update-Index ist ungültig.");
  return UpdateIndexTextLesen(text);
}

TUpdateIndex UpdateIndexTextLesen(std::string_view text) {
  if (!text.ends_with('\n'))
    throw EUpdateIndex("Der Update-Index endet nicht mit einem Zeilenende.");
  std::vector<std::string_view> zeilen;
  for (std::size_t anfang = 0; anfang < text.size();) {
    const std::size_t ende = text.find('\n', anfang);
    zeilen.push_back(text.substr(anfang, ende - anfang));
    anfang = ende + 1;
  }
  if (zeilen.size() < 3) Fehler(static_cast<int>(zeilen.size()) + 1, "Zeile fehlt");
  if (zeilen[0] != kKopf) Fehler(1, "erwartet '" + std::string(kKopf) + "'");
  TUpdateIndex index;
  const std::string_view version = WertLesen(zeilen[1], "Programmversion", 2);
  const std::size_t punkt = version.find('.');
  if (punkt == std::string_view::npos || !NurZiffern(version.substr(0, punkt)) ||
      !NurZiffern(version.substr(punkt + 1)) || version.size() > 16)
    Fehler(2, "ungültige Programmversion '" + std::string(version) + "'");
  index.Programmversion = version;
  const std::string_view aus = WertLesen(zeilen[2], "Deaktiviert", 3);
  if (aus != "ja" && aus != "nein") Fehler(3, "erwartet 'ja' oder 'nein'");
  index.Deaktiviert = aus == "ja";
  for (std::size_t i = 3; i < zeilen.size(); ++i) {
    const int nummer = static_cast<int>(i) + 1;
    TUpdateDatei datei = DateizeileLesen(zeilen[i], nummer);
    for (const TUpdateDatei& vorher : index.Dateien) {
      if (vorher.Name == datei.Name) Fehler(nummer, "Datei '" + datei.Name + "' doppelt");
    }
    index.Dateien.push_back(std::move(datei));
  }
  return index;
}

}  // namespace morvane
