#pragma once

#include <string>
#include <string_view>

namespace morvane {

// A URL taken apart: protocol (without "://"), user, password, host, port and
// path, each empty where the URL names none.
struct TUrl {
  std::string Protokoll;
  std::string Benutzer;
  std::string Passwort;
  std::string Host;
  std::string Port;
  std::string Pfad;
};

// Splits a URL. A URL starting with "/" is a path only with protocol "http";
// in the host part the last "@" separates user and password from host and port.
TUrl UrlZerlegen(std::string_view url);

// The target of a redirect: an absolute location is taken as it is, one
// starting with "/" keeps protocol, host and port, any other is relative to
// the directory of the current path.
std::string WeiterleitungAufloesen(const TUrl& aktuell, std::string_view ziel);

// Standard base64 with "=" padding.
std::string Base64(std::string_view daten);

}  // namespace morvane
