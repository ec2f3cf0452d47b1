#include "online/zeitplaner.h"

#include <algorithm>

#include "core/datum.h"
#include "core/zahltext.h"
#include "store/einstellungen.h"

namespace morvane {
namespace {

// Hour, minute, seven weekdays, shut-down flag, catalog count.
constexpr std::size_t kMindestZeitpunkt = 14;
constexpr std::size_t kMindestText = 2;

std::string ZweiStellen(int zahl) {
  std::string text = ZahlZuTextGanz(zahl);
  return text.size() < 2 ? "0" + text : text;
}

// Monday is weekday 1, Sunday weekday 0.
std::string_view Wochentagsname(std::size_t montagsIndex) {
  return kWochentagLang[(montagsIndex + 1) % kWochentagLang.size()];
}

std::optional<int> ZahlBis(std::string_view text, int hoechstens) {
  const auto wert = TextZuGanzzahl(text);
  if (!wert || *wert < 0 || *wert > hoechstens) return std::nullopt;
  return *wert;
}

}  // namespace

std::string TZeitpunkt::Uhrzeit() const {
  return ZweiStellen(Stunde) + ":" + ZweiStellen(Minute);
}

std::string TZeitpunkt::Anzeigetext() const {
  std::string text = Uhrzeit() + " Uhr\t";
  bool erster = true;
  for (std::size_t tag = 0; tag < Wochentage.size(); ++tag) {
    if (!Wochentage[tag]) continue;
    if (!erster) text += ' ';
    text += Wochentagsname(tag);
    erster = false;
  }
  text += '\t';
  text += ZahlZuTextGanz(static_cast<std::int64_t>(Kataloge.size())) + " Katalog";
  if (Kataloge.size() != 1) text += 'e';
  return text;
}

const TZeitpunkt* TZeitplaner::Zeitpunkt(std::size_t index) const {
  return index < zeitpunkte_.size() ? &zeitpunkte_[index] : nullptr;
}

TZeitpunkt* TZeitplaner::Zeitpunkt(std::size_t index) {
  return index < zeitpunkte_.size() ? &zeitpunkte_[index] : nullptr;
}

void TZeitplaner::Anhaengen(TZeitpunkt zeitpunkt) {
  zeitpunkte_.push_back(std::move(zeitpunkt));
}

void TZeitplaner::Schreibe(TBinaerSchreiber& s) const {
  s.Byte(Aktiv);
  s.Int32(static_cast<std::int32_t>(zeitpunkte_.size()));
  for (const TZeitpunkt& z : zeitpunkte_) {
    s.Byte(z.Stunde);
    s.Byte(z.Minute);
    for (const bool tag : z.Wochentage)
      s.Byte(tag);
    s.Byte(z.Herunterfahren);
    s.Int32(static_cast<std::int32_t>(z.Kataloge.size()));
    for (const auto& katalog : z.Kataloge)
      s.Text(katalog);
  }
}

void TZeitplaner::Lies(TBinaerLeser& l) {
  zeitpunkte_.clear();
  Aktiv = l.Byte() != 0;
  const std::int32_t anzahl = ListenAnzahl(l, kMindestZeitpunkt);
  for (std::int32_t i = 0; i < anzahl; ++i) {
    TZeitpunkt z;
    z.Stunde = l.Byte();
    z.Minute = l.Byte();
    for (bool& tag : z.Wochentage)
      tag = l.Byte() != 0;
    z.Herunterfahren = l.Byte() != 0;
    z.Kataloge.resize(static_cast<std::size_t>(ListenAnzahl(l, kMindestText)));
    for (auto& katalog : z.Kataloge)
      katalog = l.Text();
    zeitpunkte_.push_back(std::move(z));
  }
}

std::optional<TUhrzeitEingabe> UhrzeitLesen(std::string_view eingabe) {
  std::string text(Trimmen(eingabe));
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == ',' || c == '.' || c == ':'; }, ' ');
  if (text.find(' ') == std::string::npos && text.size() > 2) text.insert(text.size() - 2, " ");
  const std::size_t trenner = text.find(' ');
  const auto stunde = ZahlBis(std::string_view(text).substr(0, trenner), 23);
  if (!stunde) return std::nullopt;
  std::string_view rest;
  if (trenner != std::string::npos) rest = Trimmen(std::string_view(text).substr(trenner + 1));
  std::optional<int> minute = 0;
  if (!rest.empty()) minute = ZahlBis(rest, 59);
  if (!minute) return std::nullopt;
  return TUhrzeitEingabe{static_cast<std::uint8_t>(*stunde), static_cast<std::uint8_t>(*minute)};
}

std::optional<std::string> ZeitpunktPruefen(std::string_view uhrzeit,
                                            const std::array<bool, 7>& wochentage) {
  if (!UhrzeitLesen(uhrzeit)) return "Die angegebene Uhrzeit ist ungültig.";
  if (std::none_of(wochentage.begin(), wochentage.end(), [](bool tag) { return tag; })) {
    return "Es muss mindestens ein Wochentag ausgewählt sein!";
  }
  return std::nullopt;
}

void ZeitplanerEinstecken(TEinstellungen& einstellungen) {
  if (!einstellungen.Eingesteckt(TEinstellungsBlockArt::Zeitplaner)) {
    einstellungen.Einstecken<TZeitplaner>(TEinstellungsBlockArt::Zeitplaner);
  }
}

TZeitplaner& Zeitplaner(TEinstellungen& einstellungen) {
  return einstellungen.Block<TZeitplaner>(TEinstellungsBlockArt::Zeitplaner);
}

}  // namespace morvane
