#include "online/programmupdate.h"

#include "online/konto.h"
#include "online/onlineupdate.h"

namespace morvane {

TProgrammUpdate ProgrammUpdateFuer(TKursaktuKontext& kontext, TKursaktuUmgebung& umgebung,
                                   std::string schluessel) {
  return [&kontext, &umgebung, schluessel = std::move(schluessel)] {
    TOnlineUpdateKontext k{kontext.Programmverzeichnis,
                           kontext.Konto.UpdateAdresse,
                           kontext.Logbuch,
                           nullptr,
                           nullptr,
                           schluessel};
    k.Abrufen = [&](const std::string& url, const std::function<void(std::string_view)>& senke) {
      return umgebung.Abrufen(url, kontext.Konto.Agent, senke).Ergebnis;
    };
    k.Fortschritt = [&umgebung](const std::string& datei, int nummer, int anzahl) {
      umgebung.Fortschritt("Online-Update: " + datei, anzahl, nummer, 1);
    };
    umgebung.Status("Online-Update ...");
    return OnlineUpdate(k).Ausgang == TUpdateAusgang::Erfolgreich;
  };
}

}  // namespace morvane
