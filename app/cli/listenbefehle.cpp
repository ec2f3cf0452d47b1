#include <ostream>

#include "app/cli/befehle.h"
#include "indicators/depotindikatoren.h"
#include "portfolio/depotlisten.h"
#include "store/einstellungen.h"

namespace morvane {
namespace {

// The separator and closing rows only tell the windows where to draw lines;
// as text they would read as data.
bool IstMarkierung(const std::string& zeile) {
  return zeile == kTrennzeile || zeile == kSchlusszeile || zeile == kKatalogTrenner ||
         zeile == kListenende;
}

void ListeAusgeben(const TKontext& k, const TDepotListe& liste) {
  for (std::size_t i = 0; i < liste.Spalten.size(); ++i) {
    k.Aus << (i ? "\t" : "") << liste.Spalten[i].Titel;
  }
  k.Aus << '\n';
  for (const std::string& zeile : liste.Zeilen) {
    if (!IstMarkierung(zeile)) k.Aus << zeile << '\n';
  }
  for (const std::string& grund : liste.Uebersprungen)
    k.Meldung << UebersprungenText(grund) << '\n';
}

void ListeAusgeben(const TKontext& k, const TDepotIndListe& liste) {
  TDepotListe text;
  text.Zeilen = liste.Zeilen;
  text.Uebersprungen = liste.Uebersprungen;
  for (const std::string& titel : liste.Spalten)
    text.Spalten.push_back({titel});
  ListeAusgeben(k, text);
}

std::vector<std::string> KatalogeLesen(const TKontext& k, const TCliAufruf& a) {
  VerzeichnisPruefen(k.Verwaltung);
  const auto text = a.Option("--kataloge");
  if (!text) return AuswahlKataloge(k.Verwaltung);
  std::vector<std::string> kataloge;
  std::size_t start = 0;
  while (start <= text->size()) {
    const std::size_t ende = std::min(text->find(',', start), text->size());
    if (ende > start) kataloge.push_back(text->substr(start, ende - start));
    start = ende + 1;
  }
  if (kataloge.empty()) throw EAufruf("Die Option --kataloge nennt keinen Katalog.");
  for (const std::string& katalog : kataloge)
    VerzeichnisPruefen(k.Verwaltung, katalog);
  return kataloge;
}

Kalendertag ListenDatum(const TCliAufruf& a) {
  const auto datum = a.Option("--datum");
  if (!datum) throw EAufruf("Die Option --datum fehlt.");
  return ListenDatumLesen(*datum);
}

// "GRUPPE:INDEX" of the indicator set.
TIndWahl WahlLesen(const TCliAufruf& a, const TIndVorlagen& vorlagen) {
  const auto text = a.Option("--indikator");
  if (!text) throw EAufruf("Die Option --indikator fehlt.");
  const std::size_t p = text->find(':');
  if (p == std::string::npos) throw EAufruf("--indikator verlangt GRUPPE:INDEX, z. B. 1:0.");
  TIndWahl wahl;
  wahl.Gruppe = GanzzahlLesen(text->substr(0, p), "GRUPPE", 1, 3);
  wahl.Index =
      GanzzahlLesen(text->substr(p + 1), "INDEX", 0, vorlagen.Liste().Anzahl(wahl.Gruppe) - 1);
  return wahl;
}

void IndikatorListe(const TKontext& k, const TCliAufruf& a, bool einzeln) {
  TEinstellungen einstellungen(k.Programmverzeichnis);
  IndEinstellungenEinstecken(einstellungen);
  const TIndVorlagen& vorlagen = IndVorlagen(einstellungen);
  const std::vector<std::string> kataloge = KatalogeLesen(k, a);
  const Kalendertag datum = ListenDatum(a);
  if (einzeln) {
    const TIndWahl wahl = WahlLesen(a, vorlagen);
    ListeAusgeben(k, DepotEinzelindikator(k.Verwaltung, vorlagen, kataloge, datum, wahl));
  } else {
    ListeAusgeben(k, DepotIndikatorsignale(k.Verwaltung, vorlagen, kataloge, datum));
  }
}

void Liste(const TKontext& k, const TCliAufruf& a) {
  const std::string& name = a.Arg(0);
  if (name == "wp-transaktionen") {
    if (a.Argumente.size() != 2) throw EAufruf("liste wp-transaktionen verlangt eine ID.");
    ListeAusgeben(k, WertpapierTransaktionen(k.Verwaltung.WertpapierLaden(a.Arg(1))));
    return;
  }
  if (a.Argumente.size() != 1) throw EAufruf("Zu viele Argumente.");
  if (name == "depot-uebersicht") {
    ListeAusgeben(k, DepotUebersicht(k.Verwaltung, KatalogeLesen(k, a), ListenDatum(a),
                                     a.Hat("--nur-bestand")));
  } else if (name == "depot-gewinne") {
    ListeAusgeben(k, DepotGewinne(k.Verwaltung, KatalogeLesen(k, a), ListenDatum(a)));
  } else if (name == "volatilitaet") {
    const int tage =
        BerechnungszeitraumLesen(a.Option("--tage").value_or(std::string(kStandardZeitraum)));
    ListeAusgeben(k, Volatilitaet(k.Verwaltung, KatalogeLesen(k, a), ListenDatum(a), tage));
  } else if (name == "depot-signale") {
    IndikatorListe(k, a, false);
  } else if (name == "depot-einzelindikator") {
    IndikatorListe(k, a, true);
  } else {
    throw EAufruf("Unbekannte Liste: " + name);
  }
}

}  // namespace

std::vector<TCliBefehl> Listenbefehle() {
  return {
      {"liste",
       {"liste wp-transaktionen ID | depot-uebersicht|depot-gewinne|volatilitaet|depot-signale|"
        "depot-einzelindikator [--kataloge A,B] --datum DATUM [--nur-bestand] [--tage N] "
        "[--indikator GRUPPE:INDEX]",
        1,
        2,
        {"--kataloge", "--datum", "--tage", "--indikator"},
        {"--nur-bestand"}},
       Liste},
  };
}

}  // namespace morvane
