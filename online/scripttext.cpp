#include "online/scripttext.h"

#include <algorithm>

#include "core/textkodierung.h"

namespace morvane {

ETextfehler::ETextfehler(const std::string& meldung, std::size_t position)
    : Exception(meldung),
      position_(static_cast<std::uint16_t>(std::min<std::size_t>(position, kMaxScriptLaenge))) {}

std::string KleinSchreiben(std::string_view text) {
  std::string ergebnis(text);
  for (std::size_t i = 0; i < ergebnis.size(); ++i) {
    auto& c = ergebnis[i];
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    } else if (static_cast<unsigned char>(c) == 0xC3 && i + 1 < ergebnis.size()) {
      // U+00C0..U+00DE are the Latin-1 capitals (without the multiplication sign);
      // their small letters lie 0x20 higher within the same lead byte.
      const auto folge = static_cast<unsigned char>(ergebnis[i + 1]);
      if (folge >= 0x80 && folge <= 0x9E && folge != 0x97) {
        ergebnis[i + 1] = static_cast<char>(folge + 0x20);
      }
      ++i;
    }
  }
  return ergebnis;
}

std::string GrossSchreibenAscii(std::string_view text) {
  std::string ergebnis(text);
  for (auto& c : ergebnis) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return ergebnis;
}

std::size_t ZeichenBytes(char byte) {
  const auto b = static_cast<unsigned char>(byte);
  if (b < 0xC0) return 1;
  if (b < 0xE0) return 2;
  if (b < 0xF0) return 3;
  return 4;
}

std::string ZeichenKuerzen(std::string_view text, std::size_t anzahl) {
  return std::string(text.substr(0, Utf8Offset(text, anzahl)));
}

std::optional<std::size_t> StringEnde(std::string_view text, std::size_t start) {
  std::size_t i = start + 1;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r' || c == '\n') return std::nullopt;
    if (c == '"') {
      if (i + 1 < text.size() && text[i + 1] == '"') {
        i += 2;
        continue;
      }
      return i + 1;
    }
    ++i;
  }
  return std::nullopt;
}

std::string OhneAnfuehrungszeichen(std::string_view token) {
  if (token.size() < 2 || token.front() != '"') return std::string(token);
  const std::string_view innen = token.substr(1, token.size() - 2);
  std::string ergebnis;
  ergebnis.reserve(innen.size());
  for (std::size_t i = 0; i < innen.size(); ++i) {
    ergebnis += innen[i];
    if (innen[i] == '"' && i + 1 < innen.size() && innen[i + 1] == '"') ++i;
  }
  return ergebnis;
}

bool TZeichenzaehler::IstZeichenanfang(std::size_t byte) const {
  return (static_cast<unsigned char>(text_[byte]) & 0xC0) != 0x80;
}

std::size_t TZeichenzaehler::Position(std::size_t byte) {
  if (byte > text_.size()) byte = text_.size();
  for (; byte_ > byte; --byte_) {
    if (IstZeichenanfang(byte_ - 1)) --zeichen_;
  }
  for (; byte_ < byte; ++byte_) {
    if (IstZeichenanfang(byte_)) ++zeichen_;
  }
  return zeichen_ + 1;
}

std::size_t TZeichenzaehler::Offset(std::size_t zeichen) {
  // zeichen_ counts the character starts before byte_; stop on the start that
  // has `zeichen` starts before it.
  while (zeichen_ > zeichen) {
    if (IstZeichenanfang(--byte_)) --zeichen_;
  }
  while (byte_ < text_.size() && (zeichen_ < zeichen || !IstZeichenanfang(byte_))) {
    if (IstZeichenanfang(byte_)) ++zeichen_;
    ++byte_;
  }
  return byte_;
}

}  // namespace morvane
