#include "zeitsteuerung/programm.h"

#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <tuple>

#include "online/zeitplaner.h"
#include "store/einstellungen.h"
#include "store/logbuch.h"
#include "store/programmverzeichnis.h"
#include "zeitsteuerung/endesignal.h"
#include "zeitsteuerung/lauf.h"
#include "zeitsteuerung/schleife.h"
#include "zeitsteuerung/sperre.h"

namespace morvane {
namespace {

constexpr const char* kAufruf =
    "Aufruf: zeitsteuerung [--programmverzeichnis VERZEICHNIS]\n"
    "  Aktualisiert die Kurse zu den Zeitpunkten der zeitgesteuerten Kursaktualisierung\n"
    "  (Extras / Optionen) und schreibt alles ins Logbuch. Ende mit SIGTERM.\n"
    "  --programmverzeichnis  Verzeichnis der Einstellungen (sonst MORVANE_HOME oder das "
    "Programmverzeichnis)\n";

// The settings as the file holds them now: read again when the file was
// replaced or changed since the last look.
class TEinstellungsstand {
 public:
  explicit TEinstellungsstand(std::string verzeichnis) : verzeichnis_(std::move(verzeichnis)) {
    Laden();
  }

  TEinstellungen& Einstellungen() { return *einstellungen_; }
  TLogbuch& Logbuch() { return *logbuch_; }

  void Schreiben(const std::string& zeile) {
    try {
      logbuch_->Schreiben(zeile);
    } catch (const ELogbuch&) {
    }
  }

  TZeitplaner Plan() {
    if (Kennung() != kennung_) {
      Laden();
      Schreiben("Zeitsteuerung: Einstellungen neu gelesen.");
    }
    return Zeitplaner(*einstellungen_);
  }

 private:
  using TKennung = std::tuple<ino_t, off_t, long, long>;

  TKennung Kennung() const {
    struct stat info {};
    if (::stat((verzeichnis_ + std::string(kEinstellungsdatei)).c_str(), &info) != 0) return {};
    return {info.st_ino, info.st_size, info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
  }

  void Laden() {
    kennung_ = Kennung();
    logbuch_.reset();
    einstellungen_ = std::make_unique<TEinstellungen>(verzeichnis_);
    ZeitplanerEinstecken(*einstellungen_);
    logbuch_ = std::make_unique<TLogbuch>(*einstellungen_);
    for (const std::string& zeile : einstellungen_->Ladefehler())
      Schreiben(zeile);
  }

  std::string verzeichnis_;
  TKennung kennung_;
  std::unique_ptr<TEinstellungen> einstellungen_;
  std::unique_ptr<TLogbuch> logbuch_;
};

int Ausfuehren(const std::string& verzeichnis, std::ostream& fehler) {
  std::optional<TZeitsteuerungSperre> sperre = TZeitsteuerungSperre::Nehmen(verzeichnis);
  if (!sperre) {
    const std::optional<pid_t> pid = LaufendeZeitsteuerung(verzeichnis);
    fehler << "Die Zeitsteuerung für " << verzeichnis << " läuft bereits"
           << (pid && *pid > 0 ? " (Prozess " + std::to_string(*pid) + ")" : "") << ".\n";
    return 0;
  }
  TEndesignal signal;
  TEinstellungsstand stand(verzeichnis);
  stand.Schreiben("Zeitsteuerung: Gestartet (Prozess " + std::to_string(::getpid()) + ").");
  const auto beendet = [&signal] { return signal.Empfangen(); };
  TSchleifenUmgebung u;
  u.Uhr = [] { return std::time(nullptr); };
  u.Warten = [&signal](std::chrono::seconds dauer) { signal.Warten(dauer); };
  u.Beendet = beendet;
  u.Plan = [&stand] { return stand.Plan(); };
  u.Aktualisieren = [&stand, &beendet](const TAuftrag& auftrag) {
    AuftragAusfuehren(auftrag, stand.Einstellungen(), stand.Logbuch(), beendet);
  };
  u.Herunterfahren = [&stand, &verzeichnis] {
    HerunterfahrenAusfuehren(verzeichnis, stand.Logbuch());
  };
  u.Protokoll = [&stand](const std::string& zeile) { stand.Schreiben(zeile); };
  ZeitschleifeAusfuehren(verzeichnis, u);
  stand.Schreiben("Zeitsteuerung: Beendet.");
  return 0;
}

}  // namespace

int ZeitsteuerungProgramm(const std::vector<std::string>& argumente, std::ostream& aus,
                          std::ostream& fehler) {
  for (const std::string& a : argumente) {
    if (a == "--help" || a == "--hilfe") {
      aus << kAufruf;
      return 0;
    }
  }
  std::string verzeichnis;
  try {
    verzeichnis = ProgrammverzeichnisErmitteln(argumente);
    const std::vector<std::string> rest = OhneProgrammverzeichnisOption(argumente);
    if (!rest.empty()) throw Exception("Unbekannte Option: " + rest.front());
  } catch (const Exception& e) {
    fehler << e.Meldung() << '\n' << kAufruf;
    return 2;
  }
  try {
    return Ausfuehren(verzeichnis, fehler);
  } catch (const Exception& e) {
    fehler << e.Meldung() << '\n';
    return 1;
  }
}

}  // namespace morvane
