#include "online/jsonleser.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "core/textkodierung.h"

namespace morvane {
namespace {

constexpr std::size_t kMaxTiefe = 256;
// More entries than a daily history of several thousand years: a page
// holding more is no price history, and keeping it would only cost memory.
constexpr std::size_t kMaxEintraege = 1'000'000;

enum class TErwartet { SchluesselOderEnde, Schluessel, WertOderEnde, Wert, KommaOderEnde };

struct TEbene {
  bool Objekt = true;
  int Sammeln = -1;  // for an array: the wanted name whose entries it holds
};

TJsonEintrag Eintrag(TJsonEintrag::TArt art) {
  TJsonEintrag eintrag;
  eintrag.Art = art;
  return eintrag;
}

class TJsonScanner {
 public:
  TJsonScanner(std::string_view text, const std::vector<std::string>& namen)
      : text_(text), namen_(namen), gefunden_(namen.size(), false) {
    felder_.Listen.resize(namen.size());
  }

  std::optional<TJsonFelder> Lesen(std::size_t ab) {
    pos_ = text_.find('{', ab);
    if (pos_ == std::string_view::npos) return std::nullopt;
    ebenen_.push_back({});
    ++pos_;
    erwartet_ = TErwartet::SchluesselOderEnde;
    while (!ebenen_.empty()) {
      if (!Schritt()) return std::nullopt;
    }
    felder_.Ende = pos_;
    Gleichnamige();
    return std::move(felder_);
  }

 private:
  bool Schritt() {
    LeerUeberspringen();
    if (pos_ >= text_.size()) return false;
    const char c = text_[pos_];
    const TEbene& oben = ebenen_.back();
    switch (erwartet_) {
      case TErwartet::SchluesselOderEnde:
        if (c == '}') return Schliessen();
        [[fallthrough]];
      case TErwartet::Schluessel:
        return Schluessel();
      case TErwartet::WertOderEnde:
        if (c == ']') return Schliessen();
        [[fallthrough]];
      case TErwartet::Wert:
        return Wert();
      case TErwartet::KommaOderEnde:
        if (c == ',') {
          ++pos_;
          erwartet_ = oben.Objekt ? TErwartet::Schluessel : TErwartet::Wert;
          return true;
        }
        if (c == (oben.Objekt ? '}' : ']')) return Schliessen();
        return false;
    }
    return false;
  }

  bool Schliessen() {
    ++pos_;
    ebenen_.pop_back();
    erwartet_ = TErwartet::KommaOderEnde;
    return true;
  }

  bool Schluessel() {
    auto schluessel = String();
    if (!schluessel) return false;
    LeerUeberspringen();
    if (pos_ >= text_.size() || text_[pos_] != ':') return false;
    ++pos_;
    schluessel_ = std::move(*schluessel);
    erwartet_ = TErwartet::Wert;
    return true;
  }

  // The first wanted name, not yet found, that the member being read has.
  int Ziel() {
    if (!ebenen_.back().Objekt) return -1;
    for (std::size_t i = 0; i < namen_.size(); ++i) {
      if (!gefunden_[i] && !namen_[i].empty() && namen_[i] == schluessel_) {
        gefunden_[i] = true;
        return static_cast<int>(i);
      }
    }
    return -1;
  }

  bool Wert() {
    const int ziel = Ziel();
    const int sammeln = ebenen_.back().Sammeln;
    const char c = text_[pos_];
    if (c == '{' || c == '[') {
      if (ebenen_.size() >= kMaxTiefe) return false;
      if (sammeln >= 0 && !Aufnehmen(sammeln, Eintrag(TJsonEintrag::TArt::Sonst))) return false;
      if (ziel >= 0 && c == '{' && !Aufnehmen(ziel, Eintrag(TJsonEintrag::TArt::Sonst)))
        return false;
      ebenen_.push_back({c == '{', c == '[' ? ziel : -1});
      ++pos_;
      erwartet_ = c == '{' ? TErwartet::SchluesselOderEnde : TErwartet::WertOderEnde;
      return true;
    }
    auto eintrag = Skalar(sammeln >= 0 || ziel >= 0);
    if (!eintrag) return false;
    if (sammeln >= 0 && !Aufnehmen(sammeln, *eintrag)) return false;
    if (ziel >= 0 && !Aufnehmen(ziel, std::move(*eintrag))) return false;
    erwartet_ = TErwartet::KommaOderEnde;
    return true;
  }

  bool Aufnehmen(int liste, TJsonEintrag eintrag) {
    if (++eintraege_ > kMaxEintraege) return false;
    felder_.Listen[static_cast<std::size_t>(liste)].push_back(std::move(eintrag));
    return true;
  }

  // A text is kept only when `behalten`: most texts of a page are never used.
  std::optional<TJsonEintrag> Skalar(bool behalten) {
    using TArt = TJsonEintrag::TArt;
    const char c = text_[pos_];
    if (c == '"') {
      auto text = String(behalten);
      if (!text) return std::nullopt;
      return TJsonEintrag{TArt::Text, 0, std::move(*text)};
    }
    if (Wort("null")) return Eintrag(TArt::Null);
    if (Wort("true") || Wort("false")) return Eintrag(TArt::Sonst);
    return Zahl();
  }

  bool Wort(std::string_view wort) {
    if (text_.substr(pos_, wort.size()) != wort) return false;
    pos_ += wort.size();
    return true;
  }

  std::size_t Ziffern() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9')
      ++pos_;
    return pos_ - start;
  }

  // -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
  std::optional<TJsonEintrag> Zahl() {
    const std::size_t start = pos_;
    if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
    const std::size_t ganz = pos_;
    if (Ziffern() == 0 || (text_[ganz] == '0' && pos_ - ganz > 1)) return std::nullopt;
    if (pos_ < text_.size() && text_[pos_] == '.') {
      ++pos_;
      if (Ziffern() == 0) return std::nullopt;
    }
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
      if (Ziffern() == 0) return std::nullopt;
    }
    double zahl = 0;
    const auto [ende, fehler] = std::from_chars(text_.data() + start, text_.data() + pos_, zahl);
    // Too large for a double: syntactically a number, but none to use.
    if (fehler != std::errc() || !std::isfinite(zahl)) {
      return Eintrag(TJsonEintrag::TArt::Sonst);
    }
    return TJsonEintrag{TJsonEintrag::TArt::Zahl, zahl, {}};
  }

  std::optional<std::uint32_t> Hex4() {
    if (text_.size() - pos_ < 4) return std::nullopt;
    std::uint32_t wert = 0;
    const auto [ende, fehler] =
        std::from_chars(text_.data() + pos_, text_.data() + pos_ + 4, wert, 16);
    if (fehler != std::errc() || ende != text_.data() + pos_ + 4) return std::nullopt;
    pos_ += 4;
    return wert;
  }

  // After "\u": one code point, a surrogate pair joined; a lone surrogate
  // becomes U+FFFD.
  bool Unicode(std::string& text) {
    const auto erstes = Hex4();
    if (!erstes) return false;
    std::uint32_t zeichen = *erstes;
    if (zeichen >= 0xD800 && zeichen <= 0xDBFF && text_.substr(pos_, 2) == "\\u") {
      pos_ += 2;
      const auto zweites = Hex4();
      if (!zweites) return false;
      if (*zweites >= 0xDC00 && *zweites <= 0xDFFF) {
        zeichen = 0x10000 + ((zeichen - 0xD800) << 10) + (*zweites - 0xDC00);
      } else {
        Utf8Anhaengen(text, 0xFFFD);
        zeichen = *zweites;
      }
    }
    if (zeichen >= 0xD800 && zeichen <= 0xDFFF) zeichen = 0xFFFD;
    Utf8Anhaengen(text, zeichen);
    return true;
  }

  std::optional<std::string> String(bool behalten = true) {
    if (text_[pos_] != '"') return std::nullopt;
    ++pos_;
    std::string text;
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      if (c == '"') return text;
      if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
      if (c != '\\') {
        if (behalten) text += c;
        continue;
      }
      if (pos_ >= text_.size()) return std::nullopt;
      const char e = text_[pos_++];
      static constexpr std::string_view kVon = "\"\\/bfnrt", kZu = "\"\\/\b\f\n\r\t";
      if (const auto i = kVon.find(e); i != std::string_view::npos) {
        text += kZu[i];
      } else if (e != 'u' || !Unicode(text)) {
        return std::nullopt;
      }
    }
    return std::nullopt;
  }

  void LeerUeberspringen() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                   text_[pos_] == '\n' || text_[pos_] == '\r'))
      ++pos_;
  }

  // A name asked for twice gets the same entries.
  void Gleichnamige() {
    for (std::size_t i = 0; i < namen_.size(); ++i) {
      for (std::size_t j = 0; j < i; ++j) {
        if (namen_[j] == namen_[i]) {
          felder_.Listen[i] = felder_.Listen[j];
          break;
        }
      }
    }
  }

  std::string_view text_;
  const std::vector<std::string>& namen_;
  std::vector<bool> gefunden_;
  std::size_t pos_ = 0;
  std::vector<TEbene> ebenen_;
  TErwartet erwartet_ = TErwartet::SchluesselOderEnde;
  std::string schluessel_;
  std::size_t eintraege_ = 0;
  TJsonFelder felder_;
};

}  // namespace

std::optional<TJsonFelder> JsonFelderLesen(std::string_view text, std::size_t ab,
                                           const std::vector<std::string>& namen) {
  if (ab > text.size()) return std::nullopt;
  return TJsonScanner(text, namen).Lesen(ab);
}

}  // namespace morvane
