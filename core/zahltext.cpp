#include "core/zahltext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace morvane {
namespace {

bool IstZiffer(char c) {
  return c >= '0' && c <= '9';
}

// Optional sign, digits with an optional point (at least one digit), an
// optional exponent: the decimal literal the number fields accept.
bool IstDezimalliteral(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t ziffern = 0;
  while (i < s.size() && IstZiffer(s[i]))
    ++i, ++ziffern;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IstZiffer(s[i]))
      ++i, ++ziffern;
  }
  if (ziffern == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t exponent = 0;
    while (i < s.size() && IstZiffer(s[i]))
      ++i, ++exponent;
    if (exponent == 0) return false;
  }
  return i == s.size();
}

std::string Gruppieren(const std::string& text, bool ohneKomma) {
  const auto komma = text.find(',');
  std::size_t p = (ohneKomma || komma == std::string::npos) ? text.size() + 1 : komma + 1;
  const bool negativ = !text.empty() && text[0] == '-';
  // Each blank goes before (1-based) position p - 3, p - 6, ...; they lie in
  // front of each other, so the positions never shift.
  std::size_t erste = p;
  while (erste >= 6 || (erste >= 5 && !negativ))
    erste -= 3;
  std::string ergebnis;
  ergebnis.reserve(text.size() + (p - erste) / 3);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t position = i + 1;
    if (position >= erste && position < p && (p - position) % 3 == 0) ergebnis += ' ';
    ergebnis += text[i];
  }
  return ergebnis;
}

std::string KurzeNullenWeg(std::string text, bool ohneNachkomma) {
  auto endetAufNullNull = [&text] {
    return text.size() >= 2 && text.compare(text.size() - 2, 2, "00") == 0;
  };
  if (endetAufNullNull()) text.resize(text.size() - 2);
  if (ohneNachkomma && endetAufNullNull()) text.resize(text.size() - 3);
  return text;
}

}  // namespace

std::string_view Trimmen(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
    text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
    text.remove_suffix(1);
  return text;
}

std::string ZahlZuText(int dezimalen, double x) {
  char puffer[400];
  std::snprintf(puffer, sizeof puffer, "%.*f", std::clamp(dezimalen, 0, 20), x);
  std::string text(puffer);
  std::replace(text.begin(), text.end(), '.', ',');
  if (!text.empty() && text[0] == '-' && text.find_first_of("123456789") == std::string::npos) {
    text.erase(0, 1);
  }
  return text;
}

std::string ZahlZuTextGruppiert(int dezimalen, double x) {
  return Gruppieren(ZahlZuText(dezimalen, x), dezimalen <= 0);
}

std::string KursZuText(double x, bool ohneNachkomma) {
  return KurzeNullenWeg(ZahlZuText(4, x), ohneNachkomma);
}

std::string KursZuTextGruppiert(double x, bool ohneNachkomma) {
  return KurzeNullenWeg(ZahlZuTextGruppiert(4, x), ohneNachkomma);
}

std::string ZahlZuTextGanz(std::int64_t n) {
  return std::to_string(n);
}

std::optional<double> TextZuZahl(std::string_view eingabe, int dezimalen) {
  std::string text(Trimmen(eingabe));
  std::replace(text.begin(), text.end(), ',', '.');
  const auto punkt = text.find('.');
  // A second separator means thousands were grouped ("2.560,00"); cutting
  // after the first one would read 2,56. Such a text is no number here.
  if (punkt != std::string::npos && text.find('.', punkt + 1) != std::string::npos) {
    return std::nullopt;
  }
  if (punkt != std::string::npos && dezimalen >= 0 &&
      punkt + 1 + static_cast<std::size_t>(dezimalen) < text.size()) {
    text.resize(dezimalen == 0 ? punkt : punkt + 1 + static_cast<std::size_t>(dezimalen));
  }
  if (!IstDezimalliteral(text)) return std::nullopt;
  const char* anfang = text.data() + (text[0] == '+' ? 1 : 0);
  double wert = 0;
  const auto [ende, fehler] = std::from_chars(anfang, text.data() + text.size(), wert);
  if (fehler != std::errc() || ende != text.data() + text.size() || !std::isfinite(wert)) {
    return std::nullopt;
  }
  return wert;
}

std::optional<std::int32_t> TextZuGanzzahl(std::string_view eingabe) {
  std::string_view text = Trimmen(eingabe);
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  if (text.empty() || text[0] == '+') return std::nullopt;
  std::int32_t wert = 0;
  const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
  if (fehler != std::errc() || ende != text.data() + text.size()) return std::nullopt;
  return wert;
}

std::optional<std::uint8_t> TextZuByte(std::string_view text) {
  const auto wert = TextZuGanzzahl(text);
  if (!wert || *wert < 0 || *wert > 255) return std::nullopt;
  return static_cast<std::uint8_t>(*wert);
}

std::optional<std::uint16_t> TextZuWord(std::string_view text) {
  const auto wert = TextZuGanzzahl(text);
  if (!wert || *wert < 0 || *wert > 65535) return std::nullopt;
  return static_cast<std::uint16_t>(*wert);
}

std::string NaechstesFeld(std::string& text, char trenner) {
  const auto pos = text.find(trenner);
  std::string feld;
  if (pos == std::string::npos) {
    feld = std::move(text);
    text.clear();
  } else {
    feld = text.substr(0, pos);
    text.erase(0, pos + 1);
  }
  return feld;
}

}  // namespace morvane
