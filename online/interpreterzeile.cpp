#include "online/interpreterzeile.h"

#include <algorithm>
#include <utility>

namespace morvane {

TInterpreterZeile::TInterpreterZeile(std::string seite) : seite_(std::move(seite)) {}

bool TInterpreterZeile::Lesen() {
  if (lesePos_ >= seite_.size()) return false;
  std::size_t ende = lesePos_;
  anfang_ = lesePos_;
  while (ende < seite_.size() && seite_[ende] != '\n' && seite_[ende] != '\r')
    ++ende;
  text_.assign(seite_, lesePos_, ende - lesePos_);
  ascii_ = true;
  for (char& c : text_) {
    if (c == '\t') c = ' ';
    if (static_cast<unsigned char>(c) >= 0x80) ascii_ = false;
  }
  geleseneBytes_ += static_cast<std::int64_t>(ende - lesePos_) + 1;
  lesePos_ = ende;
  if (lesePos_ < seite_.size()) {
    const char endezeichen = seite_[lesePos_++];
    const char partner = endezeichen == '\r' ? '\n' : '\r';
    if (lesePos_ < seite_.size() && seite_[lesePos_] == partner) ++lesePos_;
  }
  zaehler_ = TZeichenzaehler(text_);
  ++zeilenNummer_;
  return true;
}

void TInterpreterZeile::VonVorn() {
  lesePos_ = 0;
  anfang_ = 0;
  text_.clear();
  ascii_ = true;
  zaehler_ = TZeichenzaehler(text_);
  ++zeilenNummer_;
}

std::size_t TInterpreterZeile::Finden(TSuche art, std::string_view muster, std::size_t ab) {
  // Mostly the match lies a few characters on; that needs no bookkeeping.
  constexpr std::size_t kNah = 64;
  const std::string_view text(text_);
  if (ab < text.size()) {
    const std::size_t nah = Suchen(text.substr(0, ab + kNah), art, muster, ab);
    if (nah != std::string::npos) return nah;
  }
  auto it = std::find_if(gemerkt_.begin(), gemerkt_.end(),
                         [&](const TGemerkt& g) { return g.Art == art && g.Muster == muster; });
  if (it == gemerkt_.end()) {
    it = gemerkt_.insert(gemerkt_.end(), {art, std::string(muster), 0, 0, 0});
  } else if (it->Zeile == zeilenNummer_ && it->Ab <= ab && ab <= it->Fund) {
    return it->Fund;
  }
  it->Zeile = zeilenNummer_;
  it->Ab = ab;
  it->Fund = Suchen(text, art, muster, ab);
  return it->Fund;
}

std::size_t TInterpreterZeile::Suchen(std::string_view text, TSuche art, std::string_view muster,
                                      std::size_t ab) {
  switch (art) {
    case TSuche::Text:
      return text.find(muster, ab);
    case TSuche::EinesVon:
      return text.find_first_of(muster, ab);
    case TSuche::KeinesVon:
      return text.find_first_not_of(muster, ab);
    case TSuche::Sichtbar:
      break;
  }
  if (ab >= text.size()) return std::string::npos;
  const auto it = std::find_if(text.begin() + static_cast<std::ptrdiff_t>(ab), text.end(),
                               [](char c) { return static_cast<unsigned char>(c) > ' '; });
  return it == text.end() ? std::string::npos : static_cast<std::size_t>(it - text.begin());
}

}  // namespace morvane
