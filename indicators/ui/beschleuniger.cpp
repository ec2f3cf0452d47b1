#include "indicators/ui/beschleuniger.h"

#include <cctype>

namespace morvane {
namespace {

char Klein(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool IstBuchstabe(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IstZiffer(char c) {
  return c >= '0' && c <= '9';
}

// The position of the first free character that `passt`, npos for none.
std::size_t Frei(std::string_view text, const std::string& belegt, bool (*passt)(char)) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (passt(text[i]) && belegt.find(Klein(text[i])) == std::string::npos) return i;
  }
  return std::string_view::npos;
}

// A letter if one is free, else a digit ("n1:", "n2:" share their letter).
std::string Beschriftet(std::string_view text, std::string& belegt) {
  std::size_t stelle = Frei(text, belegt, IstBuchstabe);
  if (stelle == std::string_view::npos) stelle = Frei(text, belegt, IstZiffer);
  std::string ergebnis;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == stelle) {
      belegt += Klein(text[i]);
      ergebnis += '&';
    }
    ergebnis += text[i] == '&' ? std::string("&&") : std::string(1, text[i]);
  }
  return ergebnis;
}

}  // namespace

std::vector<std::string> MitBeschleunigern(std::span<const std::string> texte,
                                           std::string& belegt) {
  for (char& c : belegt)
    c = Klein(c);
  std::vector<std::string> ergebnis;
  for (const std::string& text : texte)
    ergebnis.push_back(Beschriftet(text, belegt));
  return ergebnis;
}

std::string OhneBeschleuniger(std::string_view text) {
  std::string ergebnis;
  for (char c : text)
    ergebnis += c == '&' ? std::string("&&") : std::string(1, c);
  return ergebnis;
}

}  // namespace morvane
