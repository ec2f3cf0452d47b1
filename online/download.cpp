#include "online/download.h"

#include "online/httpfehler.h"
#include "store/einstellungen.h"

namespace morvane {

namespace {

struct TAnfrage {
  std::string Url, Benutzer, Passwort;
};

TAnfrage Zerlegen(const std::string& anfrage) {
  TAnfrage teile;
  std::string* ziele[] = {&teile.Url, &teile.Benutzer, &teile.Passwort};
  std::size_t anfang = 0;
  for (std::string* ziel : ziele) {
    const auto tab = anfrage.find('\t', anfang);
    *ziel = anfrage.substr(anfang, tab == std::string::npos ? std::string::npos : tab - anfang);
    if (tab == std::string::npos) break;
    anfang = tab + 1;
  }
  return teile;
}

// The URL as the log book shows it: a request that signs in ("URL\tuser\t
// password") may carry account values in its query too (the provider's
// customer number), so its query is left out.
std::string Gezeigt(const std::string& anfrage, const std::string& url) {
  const auto frage = url.find('?');
  if (anfrage.find('\t') == std::string::npos || frage == std::string::npos) return url;
  return url.substr(0, frage) + "?...";
}

}  // namespace

TDownload::TDownload(const TEinstellungen& e) : zeitlimit_(std::chrono::seconds(e.Timeout)) {
  cli_.Proxy = e.ProxyAdresse;
  cli_.ProxyPort = e.ProxyPort.empty() ? "80" : e.ProxyPort;
  cli_.ProxyUsername = e.ProxyKennung;
  cli_.ProxyPassword = e.ProxyPasswort;
}

TDownload::TErgebnis TDownload::Download(const std::string& anfrage,
                                         const std::function<void(std::string_view)>& senke) {
  Melden("Suche Host ...");
  abgebrochen_ = gescheitert_ = false;
  const TAnfrage teile = Zerlegen(anfrage);
  cli_.URL = teile.Url;
  cli_.Username = teile.Benutzer;
  cli_.Password = teile.Passwort;
  cli_.Agent = Agent;
  cli_.Senke = senke;
  cli_.Pumpe = [this] { Takt(); };
  cli_.OnCommand = [this](const std::string& zeile) {
    if (zeile.starts_with("GET")) Melden("Mit Host verbunden. Fordere Seite an ...");
  };
  cli_.OnDocData = [this](std::int64_t n, std::int64_t m) {
    letzteDaten_ = std::chrono::steady_clock::now();
    Melden(EmpfangenText(n, m));
  };
  letzteDaten_ = std::chrono::steady_clock::now();
  try {
    cli_.Get();
  } catch (const Exception& e) {
    const bool http = dynamic_cast<const EHttpException*>(&e) != nullptr;
    if (!abgebrochen_ && !gescheitert_ && Protokoll)
      Protokoll(std::string(http ? "EHttpException (" : "ESocketException (") + e.what() +
                ") bei " + Gezeigt(anfrage, teile.Url));
    if (!abgebrochen_) gescheitert_ = true;
  }
  cli_.Senke = nullptr;
  return abgebrochen_ ? Abgebrochen : gescheitert_ ? Fehlgeschlagen : Fertig;
}

void TDownload::Abbrechen() {
  abgebrochen_ = true;
  cli_.Abort();
}

// The timer of the window: restarted by every piece of data.
void TDownload::Takt() {
  if (Pumpe) Pumpe();
  if (gescheitert_ || zeitlimit_.count() == 0 ||
      std::chrono::steady_clock::now() - letzteDaten_ <= zeitlimit_)
    return;
  if (Protokoll) Protokoll("Online-Dialog: Timer abgelaufen, breche Download ab");
  gescheitert_ = true;
  cli_.Abort();
}

void TDownload::Melden(const std::string& zeile) {
  if (OnStatus) OnStatus(zeile);
}

}  // namespace morvane
