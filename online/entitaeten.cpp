#include "online/entitaeten.h"

#include <string_view>

namespace morvane {
namespace {

struct TEntitaet {
  std::string_view Name;
  std::string_view Zeichen;
};

// Replaced before "&amp;": only where the page itself has them.
constexpr TEntitaet kVorher[] = {{"&lt;", "<"}, {"&gt;", ">"}};

// Replaced after "&amp;": also where an "&amp;" made them.
constexpr TEntitaet kNachher[] = {
    {"&quot;", "\""}, {"&nbsp;", " "}, {"&szlig;", "ß"}, {"&auml;", "ä"}, {"&Auml;", "Ä"},
    {"&ouml;", "ö"},  {"&Ouml;", "Ö"}, {"&uuml;", "ü"},  {"&Uuml;", "Ü"},
};

constexpr std::string_view kAmp = "&amp;";

// A replacement never forms part of a new entity, except the "&" of "&amp;":
// it may start one with the text after it. The output is kept free of "&amp;"
// after every step; since a new one can only end at the ";" just appended,
// checking the end of the output there finds each one, however deep the
// nesting. Reducing "&amp;" is the same whichever one goes first, and the
// kinds after it never touch the output before their own ";", so replacing
// them on the spot gives what the turn-by-turn replacement gives.
void AmEndeErsetzen(std::string& aus) {
  if (aus.ends_with(kAmp)) {
    aus.resize(aus.size() - kAmp.size() + 1);
    return;
  }
  for (const auto& e : kNachher) {
    if (aus.ends_with(e.Name)) {
      aus.resize(aus.size() - e.Name.size());
      aus += e.Zeichen;
      return;
    }
  }
}

}  // namespace

std::string EntitaetenDekodieren(std::string text) {
  if (text.find('&') == std::string::npos) return text;
  const std::string_view ein(text);
  std::string aus;
  aus.reserve(ein.size());
  for (std::size_t i = 0; i < ein.size();) {
    const TEntitaet* vorher = nullptr;
    for (const auto& e : kVorher) {
      if (ein.substr(i).starts_with(e.Name)) vorher = &e;
    }
    if (vorher) {
      aus += vorher->Zeichen;
      i += vorher->Name.size();
      continue;
    }
    aus += ein[i++];
    if (aus.back() == ';') AmEndeErsetzen(aus);
  }
  return aus;
}

}  // namespace morvane
