#include <cmath>
#include <string>

#include "core/zahltext.h"
#include "portfolio/depotlisten.h"
#include "portfolio/listenzeilen.h"

namespace morvane {
namespace {

const std::string kZeitraumUngueltig = "Ungültigen Berechnungszeitraum eingegeben!";

// "1 Wertpapier", "3 Wertpapiere", then the mean volatility when there is one.
std::string Fusszeile(int anzahl, int berechnet, double summe) {
  std::string zeile = ZahlZuTextGruppiert(0, anzahl) + " Wertpapier";
  if (anzahl != 1) zeile += "e";
  if (berechnet > 0) Anhaengen(zeile, {ProzentText(summe / berechnet, 3)});
  return zeile;
}

}  // namespace

std::optional<double> MittlereTagesaenderung(const TKurse& kurse, Boersentag tag, int zeitraum) {
  double summe = 0;
  int anzahl = 0;
  double vorher = 0;
  const int bis = kurse.IndexBis(tag);
  for (int i = kurse.IndexAb(tag - zeitraum); i <= bis; ++i) {
    const double schluss = kurse.Kurs(i)->Schluss;
    if (schluss <= 0) continue;
    if (vorher > 0) {
      summe += std::abs(schluss - vorher) / vorher;
      ++anzahl;
    }
    vorher = schluss;
  }
  if (anzahl == 0) return std::nullopt;
  return summe / anzahl;
}

TDepotListe Volatilitaet(const TWPVerwaltung& verwaltung, const std::vector<std::string>& kataloge,
                         Kalendertag datum, int zeitraum, const TListenFortschritt& fortschritt) {
  if (zeitraum < 1) throw EDepotListe(kZeitraumUngueltig);
  const Boersentag tag = BoersentagAusKalendertag(datum);
  TDepotListe liste;
  liste.Titel = ListenTitel("Volatilität der Wertpapiere", datum);
  liste.Spalten = Spalten({"Katalog / WP-Bezeichnung", "Volatilität"});
  int anzahl = 0;
  int berechnet = 0;
  double summe = 0;
  liste.Zeilen = KatalogZeilen(
      verwaltung, kataloge, fortschritt, liste.Uebersprungen, [&](const TWertpapier& w) {
        ++anzahl;
        std::string zeile = GruppenText(w);
        if (const std::optional<double> v = MittlereTagesaenderung(w.Kurse, tag, zeitraum)) {
          Anhaengen(zeile, {ProzentText(*v, 3)});
          summe += *v;
          ++berechnet;
        }
        return std::optional<std::string>(std::move(zeile));
      });
  if (anzahl == 0) return liste;
  liste.Zeilen.emplace_back(kTrennzeile);
  liste.Zeilen.push_back(Fusszeile(anzahl, berechnet, summe));
  liste.Zeilen.emplace_back(kSchlusszeile);
  return liste;
}

int BerechnungszeitraumLesen(std::string_view text) {
  const std::optional<std::int32_t> zeitraum = TextZuGanzzahl(text);
  if (!zeitraum || *zeitraum < 1) throw EDepotListe(kZeitraumUngueltig);
  return *zeitraum;
}

}  // namespace morvane
