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

std::string Beschriftet(std::string_view text, std::string& belegt) {
  std::string ergebnis;
  bool vergeben = false;
  for (char c : text) {
    if (c == '&') {
      ergebnis += "&&";
      continue;
    }
    if (!vergeben && IstBuchstabe(c) && belegt.find(Klein(c)) == std::string::npos) {
      belegt += Klein(c);
      ergebnis += '&';
      vergeben = true;
    }
    ergebnis += c;
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
