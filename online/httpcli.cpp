#include "online/httpcli.h"

#include <algorithm>
#include <vector>

#include "online/httpfehler.h"
#include "online/tcpverbindung.h"

namespace morvane {

namespace {

constexpr std::size_t Puffergroesse = 64 * 1024;

bool IstHttps(std::string_view url) {
  return UrlZerlegen(url).Protokoll == "https";
}

// Control characters would let a URL or a field smuggle extra header lines.
void ZeichenPruefen(std::string_view text) {
  const bool steuerzeichen =
      std::ranges::any_of(text, [](unsigned char z) { return z < 0x20 || z == 0x7f; });
  if (steuerzeichen) throw EHttpException("Ungültiges Zeichen in der Anfrage", 404);
}

std::string Leerzeichenkodiert(std::string_view pfad) {
  std::string kodiert;
  for (const char z : pfad)
    kodiert += z == ' ' ? std::string("%20") : std::string(1, z);
  return kodiert;
}

std::string StandardPort(const TUrl& teile) {
  return teile.Protokoll == "https" ? "443" : "80";
}

std::string MitPort(const TUrl& teile) {
  return teile.Port.empty() || teile.Port == StandardPort(teile) ? teile.Host
                                                                 : teile.Host + ":" + teile.Port;
}

}  // namespace

void THttpCli::Get() {
  if (beschaeftigt_) throw EHttpException("HTTP-Komponente ist beschäftigt", 0);
  beschaeftigt_ = true;
  abbruch_ = false;
  kopf_ = {};
  ort_.clear();
  empfangen_ = 0;
  struct TFrei {
    bool& b;
    ~TFrei() { b = false; }
  } frei{beschaeftigt_};

  std::string url = URL;
  for (int weiterleitungen = 0;; ++weiterleitungen) {
    std::string ziel = Anfrage(url);
    if (ziel.empty()) break;
    if (weiterleitungen >= MaxWeiterleitungen) Scheitern("Zu viele Weiterleitungen");
    if (IstHttps(url) && !IstHttps(ziel))
      Scheitern("Weiterleitung von HTTPS auf unverschlüsseltes HTTP abgelehnt: " + ziel);
    ort_ = ziel;
    if (OnLocationChange) OnLocationChange(ziel);
    url = std::move(ziel);
  }
  if (kopf_.Status >= 400) throw EHttpException(kopf_.Grund, kopf_.Status);
}

void THttpCli::Abort() {
  if (beschaeftigt_) abbruch_ = true;
}

std::string THttpCli::Anfrage(const std::string& url) {
  ZeichenPruefen(url);
  const TUrl teile = UrlZerlegen(url);
  const bool sicher = teile.Protokoll == "https";
  if (!sicher && !teile.Protokoll.empty() && teile.Protokoll != "http")
    Scheitern("Nicht unterstütztes Protokoll: " + teile.Protokoll);
  kopf_ = {};
  empfangen_ = 0;
  letzteDaten_ = std::chrono::steady_clock::now();

  const TUrl proxy = UrlZerlegen(Proxy);
  const std::string& host = Proxy.empty() ? teile.Host : proxy.Host;
  const std::string zielport = teile.Port.empty() ? StandardPort(teile) : teile.Port;
  const std::string port = Proxy.empty() ? zielport : (proxy.Port.empty() ? ProxyPort : proxy.Port);
  TTcpVerbindung verbindung;
  const auto pruefen = [this] { Pruefen(); };
  verbindung.Verbinden(host, port, pruefen);
  if (sicher) {
    if (!Proxy.empty()) Tunnel(verbindung, teile.Host + ":" + zielport);
    verbindung.TlsStarten(teile.Host, pruefen);
  }
  verbindung.Senden(Anfragetext(teile, !Proxy.empty() && !sicher), pruefen);

  THttpAntwort antwort;
  antwort.BeiKopfzeile = OnHeaderData;
  Lesen(verbindung, antwort);
  kopf_ = antwort.Kopf();
  if (antwort.Phase() != THttpAntwort::TPhase::Fertig || kopf_.Status >= 400) return {};
  return WeiterleitungAufloesen(teile, kopf_.Ort);
}

void THttpCli::Zeile(std::string& text, const std::string& inhalt,
                     const std::string& gezeigt) const {
  ZeichenPruefen(inhalt);
  if (OnCommand) OnCommand(gezeigt);
  text += inhalt + "\r\n";
}

// Credentials reach OnCommand masked: its lines end up in the log book.
void THttpCli::Anmeldung(std::string& text, const char* feld, const std::string& benutzer,
                         const std::string& passwort) const {
  if (benutzer.empty()) return;
  Zeile(text, feld + Base64(benutzer + ":" + passwort), std::string(feld) + "***");
}

std::string THttpCli::Anfragetext(const TUrl& teile, bool ueberProxy) const {
  const std::string pfad = Leerzeichenkodiert(teile.Pfad.empty() ? "/" : teile.Pfad);
  const std::string benutzer = teile.Benutzer.empty() ? Username : teile.Benutzer;
  const std::string passwort = teile.Benutzer.empty() ? Password : teile.Passwort;
  std::string text;
  const auto feld = [&](const std::string& name, const std::string& wert) {
    if (!wert.empty()) Zeile(text, name + wert, name + wert);
  };
  feld("GET ", (ueberProxy ? "http://" + MitPort(teile) + pfad : pfad) + " HTTP/1.0");
  feld("From: ", Sender);
  feld("Referer: ", Reference);
  feld("User-Agent: ", Agent);
  feld("Host: ", MitPort(teile));
  if (NoCache) feld("Pragma: ", "no-cache");
  Anmeldung(text, "Authorization: Basic ", benutzer, passwort);
  if (ueberProxy) Anmeldung(text, "Proxy-Authorization: Basic ", ProxyUsername, ProxyPassword);
  feld("Cookie: ", Cookie);
  return text + "\r\n";
}

void THttpCli::Tunnel(TTcpVerbindung& verbindung, const std::string& ziel) {
  std::string text;
  Zeile(text, "CONNECT " + ziel + " HTTP/1.0", "CONNECT " + ziel + " HTTP/1.0");
  Zeile(text, "Host: " + ziel, "Host: " + ziel);
  Anmeldung(text, "Proxy-Authorization: Basic ", ProxyUsername, ProxyPassword);
  const auto pruefen = [this] { Pruefen(); };
  verbindung.Senden(text + "\r\n", pruefen);
  // Byte by byte: what follows the proxy's header belongs to TLS.
  THttpAntwort antwort;
  antwort.BeiKopfzeile = OnHeaderData;
  char zeichen = 0;
  while (antwort.Phase() == THttpAntwort::TPhase::Kopf) {
    if (verbindung.Empfangen(&zeichen, 1, pruefen) == 0)
      Scheitern("Der Proxy hat die Verbindung geschlossen");
    letzteDaten_ = std::chrono::steady_clock::now();
    antwort.Fuettern(std::string_view(&zeichen, 1), [](std::string_view) {});
  }
  kopf_ = antwort.Kopf();
  if (kopf_.Status / 100 != 2) throw EHttpException(kopf_.Grund, kopf_.Status);
  kopf_ = {};
}

void THttpCli::Lesen(TTcpVerbindung& verbindung, THttpAntwort& antwort) {
  std::vector<char> puffer(Puffergroesse);
  const auto pruefen = [this] { Pruefen(); };
  const auto rumpf = [&](std::string_view stueck) {
    if (empfangen_ == 0) kopf_ = antwort.Kopf();
    Dokument(stueck);
  };
  bool gelesen = false;
  for (;;) {
    const std::size_t n = verbindung.Empfangen(puffer.data(), puffer.size(), pruefen);
    if (n == 0) break;
    gelesen = true;
    letzteDaten_ = std::chrono::steady_clock::now();
    try {
      antwort.Fuettern(std::string_view(puffer.data(), n), rumpf);
    } catch (const EHttpException& e) {
      // An answer the reader refuses ends the request like any failure.
      Scheitern(e.what());
    }
    if (empfangen_ == 0) kopf_ = antwort.Kopf();
    if (antwort.Phase() == THttpAntwort::TPhase::Fertig) return;
    if (kopf_.Laenge >= 0 && empfangen_ >= kopf_.Laenge) return;
    Pruefen();
  }
  if (antwort.Phase() == THttpAntwort::TPhase::Kopf)
    Scheitern(gelesen ? "Antwort des Servers unvollständig"
                      : "Verbindung vom Server ohne Antwort geschlossen");
  kopf_ = antwort.Kopf();
  if (kopf_.Laenge > empfangen_)
    Scheitern("Dokument unvollständig: " + std::to_string(empfangen_) + " von " +
              std::to_string(kopf_.Laenge) + " Bytes empfangen");
}

void THttpCli::Dokument(std::string_view stueck) {
  if (kopf_.Laenge >= 0)
    stueck = stueck.substr(
        0, static_cast<std::size_t>(std::max<std::int64_t>(0, kopf_.Laenge - empfangen_)));
  if (kopf_.Laenge > MaxGroesse ||
      empfangen_ + static_cast<std::int64_t>(stueck.size()) > MaxGroesse)
    Scheitern("Dokument zu groß (mehr als " + std::to_string(MaxGroesse / (1024 * 1024)) + " MiB)");
  if (stueck.empty()) return;
  if (Senke) Senke(stueck);
  empfangen_ += static_cast<std::int64_t>(stueck.size());
  if (OnDocData) OnDocData(empfangen_, kopf_.Laenge);
}

void THttpCli::Pruefen() {
  if (Pumpe) Pumpe();
  if (abbruch_) Scheitern("Verbindung auf Wunsch abgebrochen");
  if (Zeitlimit.count() > 0 && std::chrono::steady_clock::now() - letzteDaten_ > Zeitlimit)
    Scheitern("Zeitüberschreitung: der Server sendet keine Daten mehr");
}

void THttpCli::Scheitern(const std::string& grund) {
  kopf_.Status = 404;
  kopf_.Grund = grund;
  throw EHttpException(grund, 404);
}

std::string EmpfangenText(std::int64_t empfangen, std::int64_t laenge) {
  std::string text = "Empfangen: " + std::to_string(empfangen);
  if (laenge >= empfangen) text += " von " + std::to_string(laenge);
  return text + " Bytes.";
}

}  // namespace morvane
