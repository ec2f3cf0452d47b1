#include <chrono>
#include <ostream>

#include "app/cli/befehle.h"
#include "core/datei.h"
#include "online/httpcli.h"
#include "store/einstellungen.h"

namespace morvane {
namespace {

using std::chrono::steady_clock;

// Proxy and timeout come from the settings, as for an update run.
void Einrichten(THttpCli& cli, const std::string& programmverzeichnis) {
  const TEinstellungen einstellungen(programmverzeichnis);
  cli.Proxy = einstellungen.ProxyAdresse;
  if (!einstellungen.ProxyPort.empty()) cli.ProxyPort = einstellungen.ProxyPort;
  cli.ProxyUsername = einstellungen.ProxyKennung;
  cli.ProxyPassword = einstellungen.ProxyPasswort;
  cli.Zeitlimit = std::chrono::seconds(einstellungen.Timeout);
}

// Shows the progress on standard error at most twice a second, and the last
// count always.
class TKonsolenfortschritt {
 public:
  explicit TKonsolenfortschritt(std::ostream& meldung) : meldung_(meldung) {}
  void Daten(std::int64_t empfangen, std::int64_t laenge) {
    empfangen_ = empfangen;
    laenge_ = laenge;
    if (steady_clock::now() - gezeigt_ < std::chrono::milliseconds(500)) return;
    Zeigen();
  }
  void Ende() {
    if (empfangen_ > 0 && gezeigt_ != steady_clock::time_point{}) Zeigen();
  }

 private:
  void Zeigen() {
    meldung_ << EmpfangenText(empfangen_, laenge_) << '\n';
    gezeigt_ = steady_clock::now();
  }
  std::ostream& meldung_;
  steady_clock::time_point gezeigt_;
  std::int64_t empfangen_ = 0, laenge_ = -1;
};

void Seite(const TKontext& k, const TCliAufruf& a) {
  THttpCli cli;
  Einrichten(cli, k.Programmverzeichnis);
  cli.URL = a.Arg(0);
  const std::optional<std::string> ausgabe = a.Option("--ausgabe");
  std::string dokument;
  if (ausgabe) {
    cli.Senke = [&](std::string_view stueck) { dokument += stueck; };
  } else {
    cli.Senke = [&](std::string_view stueck) { k.Aus << stueck; };
  }
  TKonsolenfortschritt fortschritt(k.Meldung);
  cli.OnDocData = [&](std::int64_t n, std::int64_t m) { fortschritt.Daten(n, m); };
  cli.OnLocationChange = [&](const std::string& ort) {
    k.Meldung << "Weitergeleitet nach " << ort << '\n';
  };
  cli.Get();
  fortschritt.Ende();
  if (ausgabe) DateiAtomarSchreiben(*ausgabe, dokument);
  k.Meldung << (cli.StatusCode() == 0
                    ? std::string("Antwort ohne Kopf")
                    : "HTTP " + std::to_string(cli.StatusCode()) + " " + cli.ReasonPhrase())
            << ", " << cli.RcvdCount() << " Bytes\n";
}

}  // namespace

std::vector<TCliBefehl> Seitenbefehle() {
  return {{"seite", {"seite URL [--ausgabe DATEI]", 1, 1, {"--ausgabe"}, {}}, Seite}};
}

}  // namespace morvane
