#include "store/katalogpflege.h"

#include "core/zahltext.h"

namespace morvane {

std::string KatalogNamePruefen(std::string_view name) {
  const std::string getrimmt(Trimmen(name));
  if (getrimmt.empty()) throw EKatalogname("Keinen Katalog-Namen eingegeben!");
  if (NameFiltern(getrimmt) != getrimmt)
    throw EKatalogname("Sonderzeichen sind im Katalog-Namen nicht erlaubt!");
  return getrimmt;
}

std::string WertpapierKopieren(const TWPVerwaltung& verwaltung, const std::string& id,
                               const std::string& katalog, bool verschieben) {
  TWertpapier wertpapier = verwaltung.WertpapierLaden(id);
  if (verschieben && verwaltung.KatalogAusID(id) == katalog) return id;
  const std::string neu = verwaltung.NeueID(katalog, wertpapier.Bezeichnung);
  wertpapier.ID = neu;
  try {
    verwaltung.WertpapierSpeichern(neu, wertpapier);
  } catch (...) {
    // The name was reserved by an empty file; it must not stay behind.
    try {
      verwaltung.WertpapierLoeschen(neu);
    } catch (const Exception&) {
    }
    throw;
  }
  if (verschieben) verwaltung.WertpapierLoeschen(id);
  return neu;
}

void GebuehrenUebertragen(const TWPVerwaltung& verwaltung, const std::string& katalog,
                          const TWPStammdaten& quelle) {
  std::vector<std::string> ids;
  verwaltung.WertpapiereAuflisten(katalog, ids);
  for (const std::string& id : ids) {
    if (id == quelle.ID) continue;
    verwaltung.WertpapierAendern(id, [&](TWertpapier& w) {
      w.KaufAbs = quelle.KaufAbs;
      w.KaufRel = quelle.KaufRel;
      w.KaufMin = quelle.KaufMin;
      w.VerkaufAbs = quelle.VerkaufAbs;
      w.VerkaufRel = quelle.VerkaufRel;
      w.VerkaufMin = quelle.VerkaufMin;
    });
  }
}

std::string WertpapierLoeschenFrage(const std::string& name) {
  return "Soll das Wertpapier '" + name + "' unwiderruflich gelöscht werden?";
}

std::string KatalogeLoeschenFrage(const std::vector<std::string>& kataloge) {
  if (kataloge.size() == 1)
    return "Katalog '" + kataloge.front() + "' und alle enthaltenen Wertpapiere löschen?";
  return "Die markierten " + std::to_string(kataloge.size()) +
         " Kataloge und alle enthaltenen Wertpapiere löschen?";
}

}  // namespace morvane
