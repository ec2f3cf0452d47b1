#include <string>

#include "portfolio/depotlisten.h"
#include "portfolio/listenzeilen.h"
#include "portfolio/transaktionsrechner.h"
#include "portfolio/waehrungseintraege.h"

namespace morvane {
namespace {

std::optional<std::string> GewinnZeile(const TWertpapier& wertpapier, Boersentag tag,
                                       TWaehrungEintraege& summen) {
  // A security that has never been held has nothing to show.
  if (wertpapier.Transaktionen.NurSplits()) return std::nullopt;
  TTransaktionsRechner rechner(wertpapier);
  rechner.BisDatum(tag);
  const std::string_view w = wertpapier.Waehrung;
  const std::optional<double> marktwert = rechner.Marktwert();
  const std::optional<TGewinn> buch = rechner.Buchgewinn();
  const TGewinn gesamt = rechner.Gesamtgewinn();
  const std::string buchText = buch                    ? BetragText(buch->Gewinn, w)
                               : rechner.Bestand() > 0 ? std::string(1, '?')
                                                       : std::string();

  TWaehrungEintrag& summe = summen.Eintrag(w);
  summe.Kasse += rechner.Kasse();
  if (marktwert) summe.Marktwert += *marktwert;
  summe.Realisiert += rechner.Realisiert();
  if (buch) summe.Buchgewinn += buch->Gewinn;
  summe.Gesamtgewinn += gesamt.Gewinn;
  summe.Investiert += rechner.Investiert();

  return Zeile({GruppenText(wertpapier), BetragText(rechner.Kasse(), w),
                marktwert ? BetragText(*marktwert, w) : "?", BetragText(rechner.Realisiert(), w),
                buchText, BetragText(gesamt.Gewinn, w), ProzentText(gesamt.Rendite)});
}

}  // namespace

TDepotListe DepotGewinne(const TWPVerwaltung& verwaltung, const std::vector<std::string>& kataloge,
                         Kalendertag datum, const TListenFortschritt& fortschritt) {
  const Boersentag tag = BoersentagAusKalendertag(datum);
  TDepotListe liste;
  liste.Titel = ListenTitel("Depot-Gewinne", datum);
  liste.Spalten = Spalten({"Katalog / WP-Bezeichnung", "Ausgaben/Einnahmen", "Marktwert",
                           "realisierter Gewinn", "Buchgewinn", "Gesamtgewinn", "in %"});
  TWaehrungEintraege summen;
  liste.Zeilen = KatalogZeilen(verwaltung, kataloge, fortschritt, liste.Uebersprungen,
                               [&](const TWertpapier& w) { return GewinnZeile(w, tag, summen); });
  liste.Zeilen.emplace_back(kTrennzeile);
  for (const TWaehrungEintrag& s : summen.Alle()) {
    const std::string_view w = s.Waehrung;
    std::string zeile =
        Zeile({"", BetragText(s.Kasse, w), BetragText(s.Marktwert, w), BetragText(s.Realisiert, w),
               BetragText(s.Buchgewinn, w), BetragText(s.Gesamtgewinn, w)});
    if (s.Investiert > 0) Anhaengen(zeile, {ProzentText(s.Gesamtgewinn / s.Investiert)});
    liste.Zeilen.push_back(std::move(zeile));
  }
  liste.Zeilen.emplace_back(kSchlusszeile);
  return liste;
}

}  // namespace morvane
