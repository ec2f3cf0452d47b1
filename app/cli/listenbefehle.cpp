#include <ostream>

#include "app/cli/befehle.h"
#include "portfolio/depotlisten.h"

namespace morvane {
namespace {

void ListeAusgeben(const TKontext& k, const TDepotListe& liste) {
  for (std::size_t i = 0; i < liste.Spalten.size(); ++i) {
    k.Aus << (i ? "\t" : "") << liste.Spalten[i].Titel;
  }
  k.Aus << '\n';
  for (const std::string& zeile : liste.Zeilen)
    k.Aus << zeile << '\n';
}

std::vector<std::string> KatalogeLesen(const TKontext& k, const TAufruf& a) {
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
  return kataloge;
}

Kalendertag ListenDatum(const TAufruf& a) {
  const auto datum = a.Option("--datum");
  if (!datum) throw EAufruf("Die Option --datum fehlt.");
  return ListenDatumLesen(*datum);
}

void Liste(const TKontext& k, const TAufruf& a) {
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
  } else {
    throw EAufruf("Unbekannte Liste: " + name);
  }
}

}  // namespace

std::vector<TCliBefehl> Listenbefehle() {
  return {
      {"liste",
       {"liste wp-transaktionen ID | depot-uebersicht|depot-gewinne|volatilitaet "
        "[--kataloge A,B] --datum DATUM [--nur-bestand] [--tage N]",
        1,
        2,
        {"--kataloge", "--datum", "--tage"},
        {"--nur-bestand"}},
       Liste},
  };
}

}  // namespace morvane
