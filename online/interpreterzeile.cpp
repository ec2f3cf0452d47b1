#include "online/interpreterzeile.h"

#include <algorithm>
#include <utility>

#include "core/textkodierung.h"

namespace morvane {

TInterpreterZeile::TInterpreterZeile(std::string seite) : seite_(std::move(seite)) {}

bool TInterpreterZeile::Lesen() {
  if (lesePos_ >= seite_.size()) return false;
  const std::size_t ende = std::min(seite_.find_first_of("\r\n", lesePos_), seite_.size());
  text_.assign(seite_, lesePos_, ende - lesePos_);
  std::replace(text_.begin(), text_.end(), '\t', ' ');
  ascii_ = std::all_of(text_.begin(), text_.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
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
  text_.clear();
  ascii_ = true;
  zaehler_ = TZeichenzaehler(text_);
  ++zeilenNummer_;
}

std::size_t TInterpreterZeile::Byte(std::size_t spalte) {
  if (ascii_) return std::min(spalte - 1, text_.size());
  return zaehler_.Offset(spalte - 1);
}

std::size_t TInterpreterZeile::Spalte(std::size_t byte) {
  if (ascii_) return std::min(byte, text_.size()) + 1;
  return zaehler_.Position(byte);
}

std::size_t TInterpreterZeile::Zeichen(std::string_view stueck) const {
  return ascii_ ? stueck.size() : Utf8Laenge(stueck);
}

std::size_t TInterpreterZeile::Finden(TSuche art, std::string_view muster, std::size_t ab) {
  auto it = std::find_if(gemerkt_.begin(), gemerkt_.end(),
                         [&](const TGemerkt& g) { return g.Art == art && g.Muster == muster; });
  if (it == gemerkt_.end()) {
    it = gemerkt_.insert(gemerkt_.end(), {art, std::string(muster), 0, 0, 0});
  } else if (it->Zeile == zeilenNummer_ && it->Ab <= ab && ab <= it->Fund) {
    return it->Fund;
  }
  it->Zeile = zeilenNummer_;
  it->Ab = ab;
  it->Fund = Suchen(art, muster, ab);
  return it->Fund;
}

std::size_t TInterpreterZeile::Suchen(TSuche art, std::string_view muster, std::size_t ab) const {
  const std::string_view text(text_);
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
