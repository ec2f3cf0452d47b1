#include <ostream>

#include "app/cli/befehle.h"
#include "core/datei.h"
#include "online/konto.h"
#include "online/onlineupdate.h"
#include "online/signatur.h"
#include "store/einstellungen.h"
#include "store/logbuch.h"

namespace morvane {
namespace {

// The exit status of each outcome; 2 stays wrong usage as for every command.
int Ausgangsstatus(TUpdateAusgang ausgang) {
  switch (ausgang) {
    case TUpdateAusgang::Erfolgreich:
      return 0;
    case TUpdateAusgang::NichtNotwendig:
      return 3;
    case TUpdateAusgang::Deaktiviert:
      return 4;
    case TUpdateAusgang::Fehlgeschlagen:
      break;
  }
  return 1;
}

// The public key of a PEM file, for an update server of one's own.
std::string Schluessel(const std::optional<std::string>& datei) {
  if (!datei) return {};
  return OeffentlicherSchluessel(EingabedateiLesen(*datei, 64 * 1024));
}

void OnlineUpdateAusfuehren(const TKontext& k, const TCliAufruf& a) {
  const TEinstellungen einstellungen(k.Programmverzeichnis);
  TLogbuch logbuch(einstellungen);
  const TKonto konto = KontoLaden(k.Programmverzeichnis);
  TDownload download(einstellungen);
  download.Agent = konto.Agent;
  // Why a download failed is worth seeing at once, not only in the log book.
  download.Protokoll = [&](const std::string& zeile) {
    k.Meldung << zeile << '\n';
    logbuch.Schreiben(zeile);
  };
  TOnlineUpdateKontext u{k.Programmverzeichnis,
                         a.Option("--adresse").value_or(konto.UpdateAdresse),
                         logbuch,
                         nullptr,
                         nullptr,
                         Schluessel(a.Option("--schluessel"))};
  u.Abrufen = [&download](const std::string& url,
                          const std::function<void(std::string_view)>& senke) {
    return download.Download(url, senke);
  };
  u.Fortschritt = [&k](const std::string& datei, int nummer, int anzahl) {
    k.Meldung << "Lade " << datei << " (" << nummer << " von " << anzahl << ") ...\n";
  };
  const TUpdateErgebnis ergebnis = OnlineUpdate(u);
  k.Aus << UpdateAusgangText(ergebnis.Ausgang) << '\n';
  if (!ergebnis.Grund.empty()) k.Meldung << ergebnis.Grund << '\n';
  k.Ausgang = Ausgangsstatus(ergebnis.Ausgang);
}

}  // namespace

std::vector<TCliBefehl> OnlineUpdatebefehle() {
  return {{"online-update",
           {"online-update [--adresse URL] [--schluessel DATEI]  (Ausgang 0: aktualisiert, "
            "1: fehlgeschlagen, 3: nicht notwendig, 4: deaktiviert)",
            0,
            0,
            {"--adresse", "--schluessel"},
            {}},
           OnlineUpdateAusfuehren}};
}

}  // namespace morvane
