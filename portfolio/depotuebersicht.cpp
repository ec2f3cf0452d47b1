#include <string>

#include "portfolio/depotlisten.h"
#include "portfolio/listenzeilen.h"
#include "portfolio/transaktionsrechner.h"
#include "portfolio/waehrungseintraege.h"

namespace morvane {
namespace {

// The break-even price as a cell: empty when there is none (no holding, or a
// sale fee of 100 % or more, at which no price recovers the cost basis).
std::string GVGrenzeText(const TTransaktionsRechner& rechner, std::string_view waehrung) {
  double grenze = 0;
  try {
    grenze = rechner.GVGrenze();
  } catch (const ETransaktionsRechner&) {
    return {};
  }
  return grenze > 0 ? BetragText(grenze, waehrung) : std::string();
}

std::optional<std::string> UebersichtZeile(const TWertpapier& wertpapier, Boersentag tag,
                                           bool nurMitBestand, TWaehrungEintraege& summen) {
  TTransaktionsRechner rechner(wertpapier);
  rechner.BisDatum(tag);
  if (nurMitBestand && rechner.Bestand() <= 0) return std::nullopt;
  const std::string_view w = wertpapier.Waehrung;
  TWaehrungEintrag& summe = summen.Eintrag(w);
  const std::optional<double> kurs = rechner.Kurs();
  const std::optional<double> marktwert = rechner.Marktwert();
  std::string zeile = Zeile({GruppenText(wertpapier), StueckText(rechner.Bestand()),
                             kurs ? BetragText(*kurs, w) : "", GVGrenzeText(rechner, w),
                             marktwert ? BetragText(*marktwert, w) : "?"});
  if (marktwert) summe.Marktwert += *marktwert;
  if (const std::optional<TGewinn> buch = rechner.Buchgewinn()) {
    Anhaengen(zeile, {BetragText(buch->Gewinn, w), ProzentText(buch->Rendite)});
    summe.Buchgewinn += buch->Gewinn;
    summe.Einstand += rechner.Einstand();
  } else if (rechner.Bestand() > 0) {
    Anhaengen(zeile, {"?", "?"});
  }
  return zeile;
}

}  // namespace

TDepotListe DepotUebersicht(const TWPVerwaltung& verwaltung,
                            const std::vector<std::string>& kataloge, Kalendertag datum,
                            bool nurMitBestand, const TListenFortschritt& fortschritt) {
  const Boersentag tag = BoersentagAusKalendertag(datum);
  TDepotListe liste;
  liste.Titel = ListenTitel("Depot-Übersicht", datum);
  liste.Spalten = Spalten({"Katalog / WP-Bezeichnung", "Bestand", "Kurs", "GV-Grenze", "Marktwert",
                           "Buchgewinn", "in %"});
  TWaehrungEintraege summen;
  liste.Zeilen = KatalogZeilen(
      verwaltung, kataloge, fortschritt, liste.Uebersprungen,
      [&](const TWertpapier& w) { return UebersichtZeile(w, tag, nurMitBestand, summen); });
  liste.Zeilen.emplace_back(kTrennzeile);
  for (const TWaehrungEintrag& s : summen.Alle()) {
    std::string zeile = Zeile({"", "", "", "", BetragText(s.Marktwert, s.Waehrung),
                               BetragText(s.Buchgewinn, s.Waehrung)});
    if (s.Einstand > 0) Anhaengen(zeile, {ProzentText(s.Buchgewinn / s.Einstand)});
    liste.Zeilen.push_back(std::move(zeile));
  }
  liste.Zeilen.emplace_back(kSchlusszeile);
  return liste;
}

}  // namespace morvane
