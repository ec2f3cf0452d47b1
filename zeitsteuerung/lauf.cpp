#include "zeitsteuerung/lauf.h"

#include <algorithm>

#include "online/download.h"
#include "online/internetverbindung.h"
#include "online/konto.h"
#include "online/programmupdate.h"
#include "store/einstellungen.h"
#include "store/logbuch.h"
#include "store/wpverwaltung.h"
#include "zeitsteuerung/dateien.h"
#include "zeitsteuerung/prozess.h"
#include "zeitsteuerung/sperre.h"

namespace morvane {
namespace {

constexpr const char* kVorsatz = "Zeitsteuerung: ";

void Schreiben(TLogbuch& logbuch, const std::string& text) {
  try {
    logbuch.Schreiben(kVorsatz + text);
  } catch (const ELogbuch&) {
    // Nothing else would take the line: the scheduler has no window.
  }
}

// The job's catalogs that exist; the others are logged.
std::vector<std::string> VorhandeneKataloge(const TWPVerwaltung& verwaltung,
                                            const std::vector<std::string>& kataloge,
                                            TLogbuch& logbuch) {
  std::vector<std::string> alle;
  verwaltung.KatalogeAuflisten(alle);
  std::vector<std::string> vorhanden;
  for (const std::string& k : kataloge) {
    if (std::find(alle.begin(), alle.end(), k) != alle.end()) {
      vorhanden.push_back(k);
    } else {
      Schreiben(logbuch, "Den Katalog '" + k + "' gibt es nicht; er wird übergangen.");
    }
  }
  return vorhanden;
}

void Ergebnis(const TAktuErgebnis& e, std::size_t anzahl, TLogbuch& logbuch) {
  if (e.OhneKurse.empty()) {
    Schreiben(logbuch,
              AusgangText(e.Ausgang) + " " + std::to_string(anzahl) + " Wertpapiere aktualisiert.");
    return;
  }
  Schreiben(logbuch, std::string("Kursaktualisierung abgeschlossen") +
                         (e.KeineVerbindung ? " ohne Verbindung zum Internet"
                          : !e.Vollstaendig ? ", abgebrochen"
                                            : "") +
                         "; folgende Wertpapiere konnten nicht aktualisiert werden:");
  for (const std::string& zeile : OhneKurseZeilen(e.OhneKurse)) {
    std::string text = zeile;
    std::replace(text.begin(), text.end(), '\t', ' ');
    Schreiben(logbuch, "  " + text);
  }
}

}  // namespace

TLogbuchUmgebung::TLogbuchUmgebung(const TEinstellungen& einstellungen, TLogbuch& logbuch,
                                   std::function<bool()> beendet)
    : logbuch_(logbuch),
      beendet_(std::move(beendet)),
      download_(std::make_unique<TDownload>(einstellungen)) {
  download_->Protokoll = [this](const std::string& zeile) {
    try {
      logbuch_.Schreiben(zeile);
    } catch (const ELogbuch&) {
    }
  };
  download_->Pumpe = [this] {
    if (beendet_()) download_->Abbrechen();
  };
}

TLogbuchUmgebung::~TLogbuchUmgebung() = default;

void TLogbuchUmgebung::Zeile(const std::string& text) {
  Schreiben(logbuch_, text);
}

void TLogbuchUmgebung::Status(const std::string& text) {
  Zeile(text);
}

void TLogbuchUmgebung::Fortschritt(const std::string& quelle, int anzahl, int nummer, int lauf) {
  Zeile(quelle + ": Adresse " + std::to_string(nummer) + " von " + std::to_string(anzahl) +
        " (Lauf " + std::to_string(lauf) + ")");
}

TSeitenabruf TLogbuchUmgebung::Abrufen(const std::string& anfrage, const std::string& agent,
                                       const std::function<void(std::string_view)>& senke) {
  if (beendet_()) return TSeitenabruf{TDownload::Abgebrochen, 0, {}};
  return SeiteAbrufen(*download_, anfrage, agent, senke);
}

// Message boxes break their lines with a carriage return; the log book keeps
// one line per entry.
void TLogbuchUmgebung::Meldung(const std::string& text) {
  std::string zeile = text;
  std::replace(zeile.begin(), zeile.end(), '\r', ' ');
  std::replace(zeile.begin(), zeile.end(), '\n', ' ');
  Zeile(zeile);
}

void AuftragAusfuehren(const TAuftrag& auftrag, TEinstellungen& einstellungen, TLogbuch& logbuch,
                       const std::function<bool()>& beendet) {
  try {
    TWPVerwaltung verwaltung(einstellungen.Datenverzeichnis());
    verwaltung.HinweiseAn([&logbuch](const std::string& h) { Schreiben(logbuch, h); });
    const std::vector<std::string> ids =
        KatalogIDs(verwaltung, VorhandeneKataloge(verwaltung, auftrag.Kataloge, logbuch));
    const TKonto konto = KontoLaden(einstellungen.Programmverzeichnis());
    TInternetVerbindung verbindung;
    TLogbuchUmgebung umgebung(einstellungen, logbuch, beendet);
    TKursaktuKontext kontext{verwaltung, einstellungen, logbuch,
                             verbindung, konto,         einstellungen.Programmverzeichnis()};
    Ergebnis(KursaktuMitUpdate(kontext, umgebung, ids, true, false,
                               ProgrammUpdateFuer(kontext, umgebung)),
             ids.size(), logbuch);
  } catch (const Exception& e) {
    Schreiben(logbuch, "Kursaktualisierung fehlgeschlagen: " + e.Meldung());
  }
}

void HerunterfahrenAusfuehren(const std::string& programmverzeichnis, TLogbuch& logbuch) {
  try {
    const std::string befehl = HerunterfahrBefehl(programmverzeichnis);
    if (befehl.empty()) {
      Schreiben(logbuch, "Kein Befehl zum Herunterfahren eingestellt; der Rechner läuft weiter.");
      return;
    }
    Schreiben(logbuch, "Rechner herunterfahren: " + befehl);
    const int status = BefehlAusfuehren(befehl);
    if (status != 0) {
      Schreiben(logbuch,
                "Der Befehl zum Herunterfahren endete mit Status " + std::to_string(status) + ".");
    }
  } catch (const EZeitsteuerung& e) {
    Schreiben(logbuch, e.Meldung());
  }
}

}  // namespace morvane
