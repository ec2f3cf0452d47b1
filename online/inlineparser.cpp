#include "online/inlineparser.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/textkodierung.h"
#include "core/zahltext.h"
#include "online/scripttext.h"

namespace morvane {

namespace {

// Exchange codes as the quote servers expect them, by `Boerse`.
constexpr std::array<std::string_view, 9> kBoersenKuerzel = {"",    "BER", "DUS", "FRA", "HAM",
                                                             "HAN", "MUN", "STU", "GER"};

bool IstLeerraum(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IstZeichenToken(char c) {
  return c == '<' || c == '=' || c == '>';
}

struct TToken {
  std::string Text;  // empty at the end of the template
  std::size_t Position;
};

// Reads the tokens of one placeholder.
class TPlatzhalterLeser {
 public:
  TPlatzhalterLeser(std::string_view text, std::size_t pos, TZeichenzaehler& zaehler)
      : text_(text), pos_(pos), zaehler_(zaehler) {}

  TToken Lesen() {
    while (pos_ < text_.size() && IstLeerraum(text_[pos_]))
      ++pos_;
    const std::size_t start = pos_;
    if (pos_ < text_.size()) pos_ = TokenEnde(start);
    return {std::string(text_.substr(start, pos_ - start)), zaehler_.Position(start)};
  }

  std::size_t Pos() const { return pos_; }

 private:
  std::size_t TokenEnde(std::size_t start) {
    if (IstZeichenToken(text_[start])) return start + 1;
    if (text_[start] == '"') {
      const auto ende = StringEnde(text_, start);
      if (!ende) throw EInlineError("Unerwartetes Zeilenende im String.", zaehler_.Position(start));
      return *ende;
    }
    std::size_t i = start;
    while (i < text_.size() && !IstLeerraum(text_[i]) && !IstZeichenToken(text_[i]))
      ++i;
    return i;
  }

  std::string_view text_;
  std::size_t pos_;
  TZeichenzaehler& zaehler_;
};

using TArt = TInlineElement::TArt;

struct TName {
  std::string_view Name;
  TArt Art;
};

constexpr TName kNamen[] = {{"id", TArt::Id},     {"wkn", TArt::Wkn},
                            {"isin", TArt::Isin}, {"börse", TArt::Boerse},
                            {"tag", TArt::Tag},   {"monat", TArt::Monat},
                            {"jahr", TArt::Jahr}, {"sessionid", TArt::SessionID}};

void JahrModifikatoren(TPlatzhalterLeser& leser, TInlineElement& element) {
  while (true) {
    const TToken t = leser.Lesen();
    if (t.Text == ">") return;
    if (t.Text.empty()) throw EInlineError("Fehlendes '>' nach einer Anweisung.", t.Position);
    const auto zahl = TextZuGanzzahl(t.Text);
    if (KleinSchreiben(t.Text) == "kurz") {
      element.Kurz = true;
    } else if (zahl && *zahl < 0) {
      element.Versatz = *zahl;
    } else {
      throw EInlineError("In der Jahr-Anweisung darf nur eine negative Zahl stehen!", t.Position);
    }
  }
}

// Reads a placeholder up to and including its ">".
TInlineElement Platzhalter(TPlatzhalterLeser& leser) {
  const TToken name = leser.Lesen();
  if (name.Text.empty()) throw EInlineError("Unerlaubtes Zeilenende nach '<'.", name.Position);
  const std::string klein = KleinSchreiben(name.Text);
  const auto it = std::find_if(std::begin(kNamen), std::end(kNamen),
                               [&](const TName& n) { return n.Name == klein; });
  if (it == std::end(kNamen)) {
    throw EInlineError("Unbekannte Inline-Anweisung: '" + name.Text + "'.", name.Position);
  }
  TInlineElement element;
  element.Art = it->Art;
  if (element.Art == TArt::Jahr) {
    JahrModifikatoren(leser, element);
  } else if (const TToken ende = leser.Lesen(); ende.Text != ">") {
    throw EInlineError("Fehlendes '>' nach einer Anweisung.", ende.Position);
  }
  return element;
}

std::string ZweiZiffern(std::int64_t zahl) {
  std::string text = std::to_string(zahl);
  return text.size() == 1 ? "0" + text : text;
}

}  // namespace

TInlineParser::TInlineParser(std::string_view vorlage, const TDatum& laufdatum)
    : datum_(laufdatum) {
  const std::string text = ExternZuUtf8(vorlage);
  if (Utf8Laenge(text) > kMaxScriptLaenge) {
    throw EInlineError(
        "Die Internetadresse ist zu lang: Sie darf höchstens 65535 Zeichen enthalten.",
        kMaxScriptLaenge);
  }
  TZeichenzaehler zaehler(text);
  std::string literal;
  const auto literalAbschliessen = [&] {
    if (!literal.empty()) elemente_.push_back({.Text = std::exchange(literal, {})});
  };
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '<' && i + 1 < text.size() && text[i + 1] == '<') {
      literal += '<';
      i += 2;
    } else if (c == '<') {
      literalAbschliessen();
      TPlatzhalterLeser leser(text, i + 1, zaehler);
      elemente_.push_back(Platzhalter(leser));
      i = leser.Pos();
    } else {
      if (c != '\r' && c != '\n') literal += c;
      ++i;
    }
  }
  literalAbschliessen();
  for (const auto& e : elemente_) {
    if (e.Art != TArt::Text && e.Art != TArt::Tag && e.Art != TArt::Monat && e.Art != TArt::Jahr) {
      proWertpapier_ = true;
    }
    if (e.Art == TArt::SessionID) brauchtSession_ = true;
  }
}

std::string TInlineParser::Expandieren(const TWPStammdaten& wp,
                                       const std::string& anfrageID) const {
  return Expandieren(&wp, anfrageID);
}

std::string TInlineParser::Expandieren() const {
  return Expandieren(nullptr, {});
}

std::string TInlineParser::Expandieren(const TWPStammdaten* wp,
                                       const std::string& anfrageID) const {
  std::string adresse;
  for (const auto& e : elemente_) {
    switch (e.Art) {
      case TArt::Text:
        adresse += e.Text;
        break;
      case TArt::Id:
        if (wp) adresse += anfrageID;
        break;
      case TArt::Wkn:
        if (wp) adresse += wp->WKN;
        break;
      case TArt::Isin:
        if (wp) adresse += wp->ISIN;
        break;
      case TArt::Boerse:
        if (wp && wp->Boerse < kBoersenKuerzel.size()) adresse += kBoersenKuerzel[wp->Boerse];
        break;
      case TArt::Tag:
        if (datum_.Tag == 0) return {};
        adresse += std::to_string(datum_.Tag);
        break;
      case TArt::Monat:
        if (datum_.Monat == 0) return {};
        adresse += std::to_string(datum_.Monat);
        break;
      case TArt::Jahr: {
        if (datum_.Jahr == 0) return {};
        std::int64_t jahr = std::int64_t{datum_.Jahr} + e.Versatz;
        if (e.Kurz) jahr = (jahr % 100 + 100) % 100;
        adresse += ZweiZiffern(jahr);
        break;
      }
      case TArt::SessionID:
        adresse += sessionID_;
        break;
    }
  }
  return adresse;
}

}  // namespace morvane
