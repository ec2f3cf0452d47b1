#include "online/internetverbindung.h"

#include <thread>

namespace morvane {

namespace {
using std::chrono::milliseconds;
constexpr milliseconds Schritt{100};
constexpr milliseconds NachDemAuflegen{1000};
}  // namespace

bool TInternetVerbindung::Connect(const TWahlEinstellungen& e) {
  fehlertext_.clear();
  if (!e.DFUeVerbinden || e.DFUeEintrag.empty()) return true;
  if (!DFUeInstalliert()) {
    fehlertext_ = "DFÜ-Netzwerk ist auf diesem System nicht installiert";
    return false;
  }
  if (VerbindungAktiv()) return true;
  if (const int code = DialParameterLesen(e.DFUeEintrag); code != 0) {
    fehlertext_ = "Die Wählparameter konnten nicht gelesen werden: " + SystemFehlertext(code);
    return false;
  }
  abbruch_ = false;
  bool verbunden = false;
  for (int versuch = 1;; ++versuch) {
    if (OnStatus) OnStatus(static_cast<std::uint16_t>(versuch));
    if (versuch > 1 && !abbruch_) Pause(std::chrono::seconds(e.Wahlpause));
    if (abbruch_) break;
    verbunden = Versuch(e.DFUeEintrag);
    if (verbunden || abbruch_ || versuch > e.Wahlwiederholungen) break;
  }
  if (!verbunden && fehlertext_.empty()) fehlertext_ = "Verbindungsaufbau abgebrochen";
  gewaehlt_ = verbunden;
  return verbunden;
}

bool TInternetVerbindung::Versuch(const std::string& eintrag) {
  if (const int code = Waehlen(eintrag); code != 0) {
    fehlertext_ = "Wählen hat abgebrochen: " + SystemFehlertext(code);
    AuflegenUndWarten();
    return false;
  }
  for (;;) {
    switch (Wahlstand()) {
      case TWahlstand::Verbunden:
        fehlertext_.clear();
        return true;
      case TWahlstand::Fehler:
        fehlertext_ = "Beim Wählen gab es Probleme";
        AuflegenUndWarten();
        return false;
      case TWahlstand::Laeuft:
        if (abbruch_) {
          fehlertext_ = "Verbindungsaufbau abgebrochen";
          AuflegenUndWarten();
          return false;
        }
        Pause(Schritt);
        break;
    }
  }
}

void TInternetVerbindung::AuflegenUndWarten() {
  if (!Auflegen()) return;
  // The line needs a moment before it can be dialled again; an abort does
  // not shorten that.
  const bool abbruch = abbruch_;
  abbruch_ = false;
  Pause(NachDemAuflegen);
  abbruch_ = abbruch;
}

void TInternetVerbindung::Disconnect(const TWahlEinstellungen& e) {
  if (!e.DFUeVerbinden || !e.DFUeTrennen || !DFUeInstalliert() || !gewaehlt_) return;
  gewaehlt_ = false;
  if (Auflegen()) Pause(NachDemAuflegen);
}

std::string TInternetVerbindung::SystemFehlertext(int code) const {
  return "Fehler " + std::to_string(code);
}

void TInternetVerbindung::Pause(milliseconds dauer) {
  for (milliseconds gewartet{0}; gewartet < dauer && !abbruch_; gewartet += Schritt) {
    if (Pumpe) Pumpe();
    std::this_thread::sleep_for(std::min(Schritt, dauer - gewartet));
  }
}

}  // namespace morvane
