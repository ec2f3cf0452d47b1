#include "core/datumtext.h"

#include <algorithm>
#include <charconv>

#include "core/textkodierung.h"
#include "core/uhr.h"
#include "core/zahltext.h"

namespace morvane {
namespace {

// The last two characters of the decimal text, or one character padded in front.
std::string ZweiStellen(int zahl, char fuellung) {
  const std::string text = std::to_string(zahl);
  if (text.size() >= 2) return text.substr(text.size() - 2);
  return std::string{fuellung, text[0]};
}

std::string Monatsname(int monat, unsigned format) {
  const std::string_view name = kMonatsname[static_cast<std::size_t>(monat % 12)];
  if (format & dfMonatLang) return std::string(name);
  return std::string(name.substr(0, Utf8Offset(name, 3)));
}

// An unsigned 16-bit number, blanks around it ignored.
std::optional<std::uint16_t> Wort(std::string_view text) {
  text = Trimmen(text);
  if (text.empty() ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  unsigned wert = 0;
  const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
  if (fehler != std::errc() || ende != text.data() + text.size() || wert > 65535)
    return std::nullopt;
  return static_cast<std::uint16_t>(wert);
}

std::string_view OhneFuehrendeLeerzeichen(std::string_view text) {
  const auto pos = text.find_first_not_of(' ');
  return pos == std::string_view::npos ? std::string_view() : text.substr(pos);
}

}  // namespace

std::string DatumZuText(int tag, int monat, int jahr, unsigned format) {
  const char fuellung = (format & dfLeerzeichen) ? ' ' : '0';
  std::string text;
  if (format & (dfWochentagKurz | dfWochentagLang)) {
    const auto w = static_cast<std::size_t>(Wochentag(tag, monat, jahr));
    text += (format & dfWochentagLang) ? kWochentagLang[w] : kWochentagKurz[w];
    text += ' ';
  }
  text += ZweiStellen(tag, fuellung);
  text += '.';
  if (format & (dfMonatKurz | dfMonatLang)) {
    text += ' ';
    text += Monatsname(monat, format);
    if (!(format & dfOhneJahr)) text += ' ';
  } else {
    text += ZweiStellen(monat, fuellung);
    text += '.';
  }
  if (!(format & dfOhneJahr)) {
    text += (format & dfJahrKurz) ? ZweiStellen(jahr, fuellung) : std::to_string(jahr);
  }
  return text;
}

std::string DatumZuText(const TDatum& datum, unsigned format) {
  return DatumZuText(datum.Tag, datum.Monat, datum.Jahr, format);
}

std::string BoersentagZuText(Boersentag n, unsigned format) {
  return DatumZuText(DatumAusBoersentag(n), format);
}

std::string KalendertagZuText(Kalendertag n, unsigned format) {
  return DatumZuText(DatumAusKalendertag(n), format);
}

std::string HeuteZuText(unsigned format) {
  return DatumZuText(Jetzt().Datum, format);
}

std::optional<TDatum> TextZuDatum(std::string_view eingabe) {
  std::string text(eingabe);
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == ',' || c == '-' || c == '.' || c == '/'; },
      ' ');
  std::string_view rest = OhneFuehrendeLeerzeichen(text);

  auto pos = rest.find(' ');
  if (pos == std::string_view::npos) return std::nullopt;
  const auto tag = Wort(rest.substr(0, pos));
  if (!tag) return std::nullopt;
  rest = OhneFuehrendeLeerzeichen(rest.substr(pos + 1));

  pos = rest.find(' ');
  if (pos == std::string_view::npos) return std::nullopt;
  const auto monat = Wort(rest.substr(0, pos));
  if (!monat) return std::nullopt;

  // A year that is no number becomes 0 and fails the later validity test;
  // only a real number below 100 is completed to 1950..2049.
  int jahr = 0;
  if (const auto gelesen = Wort(rest.substr(pos + 1))) {
    jahr = *gelesen;
    if (jahr < 50) {
      jahr += 2000;
    } else if (jahr < 100) {
      jahr += 1900;
    }
  }
  return TDatum{*tag, *monat, static_cast<std::uint16_t>(jahr)};
}

std::optional<Boersentag> TextZuBoersentag(std::string_view text) {
  const auto d = TextZuDatum(text);
  if (!d || !IstBoersentag(d->Tag, d->Monat, d->Jahr)) return std::nullopt;
  return BoersentagAusDatum(d->Tag, d->Monat, d->Jahr);
}

std::optional<Kalendertag> TextZuKalendertag(std::string_view text) {
  const auto d = TextZuDatum(text);
  if (!d || !IstGueltigesKalenderdatum(d->Tag, d->Monat, d->Jahr)) return std::nullopt;
  return KalendertagAusDatum(d->Tag, d->Monat, d->Jahr);
}

}  // namespace morvane
