#include "core/datumtext.h"
#include "core/textvergleich.h"
#include "portfolio/depotlisten.h"

namespace morvane {

std::vector<std::string> AuswahlKataloge(const TWPVerwaltung& verwaltung) {
  std::vector<std::string> kataloge;
  verwaltung.KatalogeAuflisten(kataloge);
  TexteSortieren(kataloge);
  return kataloge;
}

std::string UebersprungenText(std::string_view grund) {
  return "Wertpapier übersprungen: " + std::string(grund);
}

Kalendertag ListenDatumLesen(std::string_view text) {
  const std::optional<Kalendertag> datum = TextZuKalendertag(text);
  if (!datum) throw EDepotListe("Ungültiges Datum eingegeben!");
  return *datum;
}

}  // namespace morvane
