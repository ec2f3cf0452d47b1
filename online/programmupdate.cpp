#include "online/programmupdate.h"

#include "online/konto.h"

namespace morvane {

TUpdateErgebnis OnlineUpdateMit(TKursaktuUmgebung& umgebung, const std::string& programmverzeichnis,
                                const TKonto& konto, TLogbuch& logbuch,
                                const std::string& schluessel) {
  TOnlineUpdateKontext k{programmverzeichnis, konto.UpdateAdresse, logbuch, nullptr, nullptr,
                         schluessel};
  k.Abrufen = [&](const std::string& url, const std::function<void(std::string_view)>& senke) {
    return umgebung.Abrufen(url, konto.Agent, senke).Ergebnis;
  };
  k.Fortschritt = [&umgebung](const std::string& datei, int nummer, int anzahl) {
    umgebung.Fortschritt("Online-Update: " + datei, anzahl, nummer, 1);
  };
  umgebung.Status("Online-Update ...");
  return OnlineUpdate(k);
}

TProgrammUpdate ProgrammUpdateFuer(TKursaktuKontext& kontext, TKursaktuUmgebung& umgebung,
                                   std::string schluessel) {
  return [&kontext, &umgebung, schluessel = std::move(schluessel)] {
    return OnlineUpdateMit(umgebung, kontext.Programmverzeichnis, kontext.Konto, kontext.Logbuch,
                           schluessel)
               .Ausgang == TUpdateAusgang::Erfolgreich;
  };
}

}  // namespace morvane
