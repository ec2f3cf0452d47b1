#include "online/url.h"

namespace morvane {

namespace {

// Splits "a:b" at the first colon; without one, everything is `links`.
void AmDoppelpunkt(std::string_view text, std::string& links, std::string& rechts) {
  const auto doppelpunkt = text.find(':');
  links = std::string(text.substr(0, doppelpunkt));
  rechts = doppelpunkt == std::string_view::npos ? "" : std::string(text.substr(doppelpunkt + 1));
}

std::string Wurzel(const TUrl& url) {
  std::string wurzel = (url.Protokoll.empty() ? "http" : url.Protokoll) + "://" + url.Host;
  if (!url.Port.empty()) wurzel += ":" + url.Port;
  return wurzel;
}

}  // namespace

TUrl UrlZerlegen(std::string_view url) {
  TUrl teile;
  if (url.starts_with("/")) {
    teile.Protokoll = "http";
    teile.Pfad = std::string(url);
    return teile;
  }
  const auto trenner = url.find("://");
  if (trenner != std::string_view::npos) {
    teile.Protokoll = std::string(url.substr(0, trenner));
    url.remove_prefix(trenner + 3);
  }
  const auto schraeg = url.find('/');
  std::string_view hostteil = url.substr(0, schraeg);
  if (schraeg != std::string_view::npos) teile.Pfad = std::string(url.substr(schraeg));
  const auto at = hostteil.rfind('@');
  if (at != std::string_view::npos) {
    AmDoppelpunkt(hostteil.substr(0, at), teile.Benutzer, teile.Passwort);
    hostteil.remove_prefix(at + 1);
  }
  AmDoppelpunkt(hostteil, teile.Host, teile.Port);
  return teile;
}

std::string WeiterleitungAufloesen(const TUrl& aktuell, std::string_view ziel) {
  if (ziel.find("://") != std::string_view::npos) return std::string(ziel);
  if (ziel.starts_with("/")) return Wurzel(aktuell) + std::string(ziel);
  const std::string pfad = aktuell.Pfad.empty() ? "/" : aktuell.Pfad;
  return Wurzel(aktuell) + pfad.substr(0, pfad.rfind('/') + 1) + std::string(ziel);
}

std::string Base64(std::string_view daten) {
  static constexpr char alphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string aus;
  aus.reserve((daten.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < daten.size(); i += 3) {
    const std::size_t rest = daten.size() - i;
    unsigned wert = static_cast<unsigned char>(daten[i]) << 16;
    if (rest > 1) wert |= static_cast<unsigned char>(daten[i + 1]) << 8;
    if (rest > 2) wert |= static_cast<unsigned char>(daten[i + 2]);
    aus += alphabet[(wert >> 18) & 63];
    aus += alphabet[(wert >> 12) & 63];
    aus += rest > 1 ? alphabet[(wert >> 6) & 63] : '=';
    aus += rest > 2 ? alphabet[wert & 63] : '=';
  }
  return aus;
}

}  // namespace morvane
