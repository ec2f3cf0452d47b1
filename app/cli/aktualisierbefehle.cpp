#include <algorithm>
#include <ostream>
#include <set>

#include "app/cli/befehle.h"
#include "online/internetverbindung.h"
#include "online/konsolenumgebung.h"
#include "online/konto.h"
#include "online/kursaktu.h"
#include "online/programmupdate.h"
#include "store/einstellungen.h"
#include "store/logbuch.h"

namespace morvane {
namespace {

// The securities to update: the IDs given and the securities of each catalog
// given, in the order of the command line, each once.
std::vector<std::string> Wertpapiere(const TWPVerwaltung& verwaltung, const TCliAufruf& a) {
  std::vector<std::string> ids;
  std::set<std::string> gesehen;
  for (const auto& [option, wert] : a.Folge) {
    std::vector<std::string> neu;
    if (option == "--katalog") {
      std::vector<std::string> kataloge;
      verwaltung.KatalogeAuflisten(kataloge);
      if (std::find(kataloge.begin(), kataloge.end(), wert) == kataloge.end())
        throw EAufruf("Den Katalog '" + wert + "' gibt es nicht.");
      neu = KatalogIDs(verwaltung, {wert});
    } else if (!verwaltung.Existiert(wert)) {
      throw EAufruf("Das Wertpapier '" + wert + "' gibt es nicht.");
    } else {
      neu = {wert};
    }
    for (std::string& id : neu) {
      if (gesehen.insert(id).second) ids.push_back(std::move(id));
    }
  }
  return ids;
}

std::size_t AnzahlWertpapiere(const std::vector<TWPOhneKurse>& liste) {
  std::set<std::string> ids;
  for (const TWPOhneKurse& wp : liste)
    ids.insert(wp.ID);
  return ids.size();
}

std::string AnzahlText(std::size_t anzahl) {
  return std::to_string(anzahl) + (anzahl == 1 ? " Wertpapier" : " Wertpapiere");
}

void Ergebnis(const TKontext& k, const TAktuErgebnis& e, std::size_t anzahl) {
  for (const TWPOhneKurse& wp : e.OhneKurse) {
    k.Aus << wp.Katalog << " / " << wp.Bezeichnung << '\t'
          << (wp.Tageskurse ? "Tageskurse" : "Historische Kurse") << '\t' << wp.Grund << '\n';
  }
  if (e.OhneKurse.empty()) {
    k.Aus << AusgangText(e.Ausgang) << " " << AnzahlText(anzahl) << " aktualisiert.\n";
  } else {
    k.Aus << "Kursaktualisierung abgeschlossen: " << AnzahlWertpapiere(e.OhneKurse) << " von "
          << anzahl << " Wertpapieren ohne Kurse"
          << (e.KeineVerbindung ? " (keine Verbindung zum Internet)"
              : !e.Vollstaendig ? " (abgebrochen)"
                                : "")
          << ".\n";
  }
  k.Ausgang = e.KeineVerbindung ? 3 : e.OhneKurse.empty() ? 0 : 1;
}

void Aktualisieren(const TKontext& k, const TCliAufruf& a) {
  if (a.Folge.empty()) throw EAufruf("Keine Wertpapiere angegeben.");
  VerzeichnisPruefen(k.Verwaltung);
  const std::vector<std::string> ids = Wertpapiere(k.Verwaltung, a);
  const bool historisch = a.Hat("--historisch");
  const bool tageskurse = a.Hat("--tageskurse") || !historisch;

  TEinstellungen einstellungen(k.Programmverzeichnis);
  TLogbuch logbuch(einstellungen);
  const TKonto konto = KontoLaden(k.Programmverzeichnis);
  // The run writes through a store object of its own on the same directory.
  TWPVerwaltung verwaltung(k.Verwaltung.Datenverzeichnis());
  verwaltung.HinweiseAn([&k](const std::string& hinweis) { k.Meldung << hinweis << '\n'; });
  TInternetVerbindung verbindung;
  TKonsolenUmgebung umgebung(k.Meldung, einstellungen, logbuch);
  TKursaktuKontext kontext{verwaltung, einstellungen, logbuch,
                           verbindung, konto,         k.Programmverzeichnis};
  Ergebnis(k,
           KursaktuMitUpdate(kontext, umgebung, ids, tageskurse, historisch,
                             ProgrammUpdateFuer(kontext, umgebung)),
           ids.size());
}

}  // namespace

std::vector<TCliBefehl> Aktualisierbefehle() {
  return {{"aktualisieren",
           {"aktualisieren [--tageskurse] [--historisch] (--katalog NAME | ID)...",
            0,
            static_cast<std::size_t>(-1),
            {"--katalog"},
            {"--tageskurse", "--historisch"}},
           Aktualisieren}};
}

}  // namespace morvane
