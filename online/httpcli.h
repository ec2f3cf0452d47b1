#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "online/httpantwort.h"
#include "online/url.h"

namespace morvane {

class TTcpVerbindung;

// An HTTP/1.0 GET client on one thread, for http and https (TLS, through
// the proxy by CONNECT). Get looks blocking but, while it
// waits, calls `Pumpe` every few milliseconds so the caller's event loop (the
// progress dialog, its "Abbrechen" and timer) keeps running; Abort may be
// called from there. The document streams into `Senke`, never into memory of
// its own; redirects, document size and silence are bounded.
class THttpCli {
 public:
  static constexpr int MaxWeiterleitungen = 20;
  static constexpr std::int64_t MaxDokument = 64 * 1024 * 1024;

  // Request.
  std::string URL;
  std::string Proxy;  // host, or host:port
  std::string ProxyPort = "80";
  std::string Username, Password, ProxyUsername, ProxyPassword;
  std::string Sender, Agent, Reference, Cookie;
  bool NoCache = false;
  // How long the server may stay silent before the request fails; zero waits
  // for ever. Every piece of data restarts it.
  std::chrono::milliseconds Zeitlimit{0};
  std::int64_t MaxGroesse = MaxDokument;

  // Events.
  std::function<void()> Pumpe;
  std::function<void(const std::string&)> OnCommand;         // each request line
  std::function<void(const std::string&)> OnHeaderData;      // each answer header line
  std::function<void(const std::string&)> OnLocationChange;  // each redirect target
  std::function<void(std::string_view)> Senke;               // document bytes
  // After each piece of document: bytes so far and the announced length (-1).
  std::function<void(std::int64_t, std::int64_t)> OnDocData;

  THttpCli() = default;
  THttpCli(const THttpCli&) = delete;
  THttpCli& operator=(const THttpCli&) = delete;

  // Fetches `URL`. Throws EHttpException for a status of 400 or more, for
  // what the client refuses and on abort or timeout; ESocketException when a
  // socket call fails. Throws EHttpException at once while a request runs.
  void Get();
  // Ends the running request; Get then throws. Does nothing when idle.
  void Abort();
  bool Beschaeftigt() const { return beschaeftigt_; }

  // Results of the last request.
  int StatusCode() const { return kopf_.Status; }
  const std::string& ReasonPhrase() const { return kopf_.Grund; }
  std::int64_t ContentLength() const { return kopf_.Laenge; }
  std::int64_t RcvdCount() const { return empfangen_; }
  const std::string& ContentType() const { return kopf_.Inhaltstyp; }
  const std::string& Location() const { return ort_; }
  const std::vector<std::string>& WWWAuthenticate() const { return kopf_.Authentifizierung; }

 private:
  // One request; returns the redirect target, or empty when the document came.
  std::string Anfrage(const std::string& url);
  std::string Anfragetext(const TUrl& teile, bool ueberProxy) const;
  // Opens a tunnel through the proxy to `ziel` (host:port) for TLS.
  void Tunnel(TTcpVerbindung& verbindung, const std::string& ziel);
  // Appends one request line to `text`; OnCommand sees `gezeigt`.
  void Zeile(std::string& text, const std::string& inhalt, const std::string& gezeigt) const;
  void Anmeldung(std::string& text, const char* feld, const std::string& benutzer,
                 const std::string& passwort) const;
  void Lesen(TTcpVerbindung& verbindung, THttpAntwort& antwort);
  void Dokument(std::string_view stueck);
  void Pruefen();
  [[noreturn]] void Scheitern(const std::string& grund);

  bool beschaeftigt_ = false;
  bool abbruch_ = false;
  std::chrono::steady_clock::time_point letzteDaten_;
  THttpKopf kopf_;
  std::string ort_;
  std::int64_t empfangen_ = 0;
};

// "Empfangen: n von m Bytes." (without " von m" when the server announced no
// length, or a smaller one than already came): the progress of a download.
std::string EmpfangenText(std::int64_t empfangen, std::int64_t laenge);

}  // namespace morvane
