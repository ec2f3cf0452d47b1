#include "online/kursaktu.h"

#include <algorithm>
#include <set>

#include "core/textvergleich.h"
#include "online/internetverbindung.h"
#include "online/kursaktulauf.h"
#include "store/einstellungen.h"
#include "store/wpverwaltung.h"

namespace morvane {
namespace {

struct TLaufergebnis {
  std::vector<TWPOhneKurse> OhneKurse;
  bool Vollstaendig = true;
  bool KeineVerbindung = false;
};

TLaufergebnis Lauf(TKursaktuKontext& kontext, TKursaktuUmgebung& umgebung,
                   const std::vector<std::string>& ids, bool tageskurse, bool historisch) {
  TKursaktu lauf(kontext, umgebung);
  TLaufergebnis ergebnis;
  ergebnis.Vollstaendig = lauf.Ausfuehren(ids, tageskurse, historisch);
  ergebnis.KeineVerbindung = lauf.KeineVerbindung();
  ergebnis.OhneKurse = lauf.OhneKurse();
  return ergebnis;
}

// Each security once, in the order of the list.
std::vector<std::string> IDs(const std::vector<TWPOhneKurse>& liste) {
  std::vector<std::string> ids;
  std::set<std::string> gesehen;
  for (const TWPOhneKurse& wp : liste) {
    if (gesehen.insert(wp.ID).second) ids.push_back(wp.ID);
  }
  return ids;
}

std::string Zeilenname(const TWPOhneKurse& wp) {
  return wp.Katalog + " / " + wp.Bezeichnung;
}

void Sortieren(std::vector<TWPOhneKurse>& liste) {
  std::stable_sort(liste.begin(), liste.end(), [](const TWPOhneKurse& a, const TWPOhneKurse& b) {
    return Sortierschluessel(Zeilenname(a)) < Sortierschluessel(Zeilenname(b));
  });
}

}  // namespace

TAktuErgebnis KursaktuMitUpdate(TKursaktuKontext& kontext, TKursaktuUmgebung& umgebung,
                                const std::vector<std::string>& ids, bool tageskurse,
                                bool historisch, const TProgrammUpdate& programmUpdate) {
  TLaufergebnis lauf = Lauf(kontext, umgebung, ids, tageskurse, historisch);
  TAktuErgebnis ergebnis;
  ergebnis.Ausgang = TAktuAusgang::OhneKurse;
  if (lauf.OhneKurse.empty()) {
    ergebnis.Ausgang = TAktuAusgang::Erfolgreich;
  } else if (lauf.Vollstaendig && kontext.Einstellungen.AutoUpdate && programmUpdate &&
             programmUpdate()) {
    TLaufergebnis zweiter = Lauf(kontext, umgebung, IDs(lauf.OhneKurse), tageskurse, historisch);
    zweiter.KeineVerbindung = zweiter.KeineVerbindung || lauf.KeineVerbindung;
    lauf = std::move(zweiter);
    if (lauf.OhneKurse.empty()) ergebnis.Ausgang = TAktuAusgang::MitUpdateErfolgreich;
  }
  kontext.Verbindung.Disconnect(WahlEinstellungen(kontext.Einstellungen));
  ergebnis.Vollstaendig = lauf.Vollstaendig;
  ergebnis.KeineVerbindung = lauf.KeineVerbindung;
  ergebnis.OhneKurse = std::move(lauf.OhneKurse);
  Sortieren(ergebnis.OhneKurse);
  return ergebnis;
}

std::string AusgangText(TAktuAusgang ausgang) {
  switch (ausgang) {
    case TAktuAusgang::Erfolgreich:
      return "Kursaktualisierung erfolgreich durchgeführt.";
    case TAktuAusgang::MitUpdateErfolgreich:
      return "Kursaktualisierung und Update erfolgreich durchgeführt.";
    case TAktuAusgang::OhneKurse:
      break;
  }
  return "Die Kursaktualisierung ist abgeschlossen. Folgende Wertpapiere konnten jedoch nicht "
         "aktualisiert werden:";
}

std::vector<std::string> KatalogIDs(const TWPVerwaltung& verwaltung,
                                    const std::vector<std::string>& kataloge) {
  std::vector<std::string> ids;
  for (const std::string& katalog : kataloge)
    verwaltung.WertpapiereAuflisten(katalog, ids);
  return ids;
}

std::vector<std::string> OhneKurseZeilen(const std::vector<TWPOhneKurse>& liste) {
  std::vector<TWPOhneKurse> sortiert = liste;
  Sortieren(sortiert);
  std::vector<std::string> zeilen;
  for (const TWPOhneKurse& wp : sortiert)
    zeilen.push_back(Zeilenname(wp) + '\t' + wp.Grund);
  return zeilen;
}

}  // namespace morvane
