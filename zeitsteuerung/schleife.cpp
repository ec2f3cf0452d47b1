#include "zeitsteuerung/schleife.h"

#include <algorithm>

#include "zeitsteuerung/dateien.h"
#include "zeitsteuerung/sperre.h"

namespace morvane {
namespace {

class TSchleife {
 public:
  TSchleife(const std::string& programmverzeichnis, TSchleifenUmgebung& umgebung)
      : verzeichnis_(programmverzeichnis), u_(umgebung) {
    const std::time_t jetzt = u_.Uhr();
    geprueft_ = std::min(StandLesen(verzeichnis_).value_or(jetzt), jetzt);
  }

  void Ausfuehren() {
    bool erste = true;
    while (!u_.Beendet()) {
      const TZeitplaner plan = u_.Plan();
      if (!plan.Aktiv) {
        u_.Protokoll("Zeitsteuerung: Die zeitgesteuerte Kursaktualisierung ist ausgeschaltet.");
        break;
      }
      const std::time_t jetzt = u_.Uhr();
      // A clock set back must not hold off the time points until it has
      // caught up with the state.
      const std::time_t seit = std::min(geprueft_, jetzt);
      const std::vector<std::size_t> faellig = Faellig(plan, seit, jetzt);
      geprueft_ = jetzt;
      if (!faellig.empty()) {
        Sichern();
        Lauf(AuftragFuer(plan, faellig), erste);
      } else {
        if (jetzt - gesichert_ >= kStandSichernAlle) Sichern();
        u_.Warten(Wartezeit(plan, jetzt));
      }
      erste = false;
    }
    Sichern();
  }

 private:
  void Lauf(const TAuftrag& auftrag, bool nachgeholt) {
    u_.Protokoll(std::string(nachgeholt ? "Zeitsteuerung: Verpasster Zeitpunkt "
                                        : "Zeitsteuerung: Zeitpunkt ") +
                 auftrag.Zeiten + ", Kataloge: " + Liste(auftrag.Kataloge));
    u_.Aktualisieren(auftrag);
    if (!auftrag.Herunterfahren) return;
    if (u_.Beendet()) {
      u_.Protokoll("Zeitsteuerung: Beendet; der Rechner wird nicht heruntergefahren.");
      return;
    }
    u_.Herunterfahren();
  }

  std::chrono::seconds Wartezeit(const TZeitplaner& plan, std::time_t jetzt) const {
    const std::optional<std::time_t> naechster = NaechsterTermin(plan, jetzt);
    const std::time_t hoechstens = kHoechsteWartezeit.count();
    return std::chrono::seconds(
        naechster ? std::clamp<std::time_t>(*naechster - jetzt, 1, hoechstens) : hoechstens);
  }

  void Sichern() {
    try {
      StandSchreiben(verzeichnis_, geprueft_);
      gesichert_ = geprueft_;
    } catch (const EZeitsteuerung& e) {
      u_.Protokoll("Zeitsteuerung: " + e.Meldung());
    }
  }

  static std::string Liste(const std::vector<std::string>& kataloge) {
    std::string text;
    for (const std::string& k : kataloge)
      text += (text.empty() ? "" : ", ") + k;
    return text.empty() ? "keine" : text;
  }

  std::string verzeichnis_;
  TSchleifenUmgebung& u_;
  std::time_t geprueft_ = 0;
  std::time_t gesichert_ = 0;
};

}  // namespace

void ZeitschleifeAusfuehren(const std::string& programmverzeichnis, TSchleifenUmgebung& umgebung) {
  TSchleife(programmverzeichnis, umgebung).Ausfuehren();
}

}  // namespace morvane
