#include <algorithm>
#include <limits>
#include <ostream>

#include "app/cli/befehle.h"
#include "core/datumtext.h"
#include "core/transaktionsbearbeitung.h"
#include "portfolio/depotlisten.h"

namespace morvane {
namespace {

void Kataloge(const TKontext& k, const TCliAufruf&) {
  VerzeichnisPruefen(k.Verwaltung);
  std::vector<std::string> liste;
  k.Verwaltung.KatalogeAuflisten(liste);
  std::sort(liste.begin(), liste.end());
  for (const std::string& name : liste)
    k.Aus << name << '\n';
}

void Wertpapiere(const TKontext& k, const TCliAufruf& a) {
  std::vector<std::string> ids;
  k.Verwaltung.WertpapiereAuflisten(a.Arg(0), ids);
  // An empty listing may hide a missing catalog.
  if (ids.empty()) VerzeichnisPruefen(k.Verwaltung, a.Arg(0));
  for (const std::string& id : ids) {
    // One unreadable file must not hide the others; it is named instead.
    try {
      const std::string bezeichnung = k.Verwaltung.StammdatenLaden(id).Bezeichnung;
      k.Aus << id << '\t' << TextMaskiert(bezeichnung) << '\n';
    } catch (const EWPVerwaltung& e) {
      k.Meldung << UebersprungenText(e.Meldung()) << '\n';
    }
  }
}

void Stammdaten(const TKontext& k, const TCliAufruf& a) {
  const TWPStammdaten s = k.Verwaltung.StammdatenLaden(a.Arg(0));
  const auto text = [&](std::string_view feld, const std::string& wert) {
    k.Aus << feld << '\t' << TextMaskiert(wert) << '\n';
  };
  const auto zahl = [&](std::string_view feld, double wert) {
    k.Aus << feld << '\t' << Zahl17(wert) << '\n';
  };
  const auto ganz = [&](std::string_view feld, int wert) { k.Aus << feld << '\t' << wert << '\n'; };
  text("ID", s.ID);
  text("Katalog", s.Katalog);
  text("Bezeichnung", s.Bezeichnung);
  text("WKN", s.WKN);
  text("ISIN", s.ISIN);
  ganz("Boerse", s.Boerse);
  text("Kommentar", s.Kommentar);
  ganz("WPTyp", s.WPTyp);
  text("Waehrung", s.Waehrung);
  zahl("KaufAbs", s.KaufAbs);
  zahl("KaufRel", s.KaufRel);
  zahl("KaufMin", s.KaufMin);
  zahl("VerkaufAbs", s.VerkaufAbs);
  zahl("VerkaufRel", s.VerkaufRel);
  zahl("VerkaufMin", s.VerkaufMin);
  ganz("KursquellenManuell", s.KursquellenManuell ? 1 : 0);
  const auto reihe = [&](std::string_view name, const std::array<std::string, 3>& werte) {
    for (std::size_t i = 0; i < werte.size(); ++i) {
      text(std::string(name) + std::to_string(i + 1), werte[i]);
    }
  };
  reihe("QuelleAktuell", s.QuelleAktuell);
  reihe("QuelleHistorisch", s.QuelleHistorisch);
  reihe("IDAktuell", s.IDAktuell);
  reihe("IDHistorisch", s.IDHistorisch);
}

void Transaktionen(const TKontext& k, const TCliAufruf& a) {
  const TWPTransaktionen liste = k.Verwaltung.TransaktionenLaden(a.Arg(0));
  for (int i = 0; i < liste.Anzahl(); ++i) {
    k.Aus << TransaktionsZeile(liste.Transaktion(i)) << '\n';
  }
}

Kalendertag KalendertagVon(Boersentag tag) {
  const TDatum d = DatumAusBoersentag(tag);
  return KalendertagAusDatum(d.Tag, d.Monat, d.Jahr);
}

void Kurse(const TKontext& k, const TCliAufruf& a) {
  const auto von = a.Option("--von");
  const auto bis = a.Option("--bis");
  const Kalendertag ab = von ? KalendertagLesen(*von) : 0;
  const Kalendertag ende = bis ? KalendertagLesen(*bis) : std::numeric_limits<Kalendertag>::max();
  const TKurse kurse = k.Verwaltung.KurseLaden(a.Arg(0));
  for (const TKurs& kurs : kurse.Alle()) {
    const Kalendertag tag = KalendertagVon(kurs.Datum);
    if (tag < ab || tag > ende) continue;
    k.Aus << KursZeile(kurs) << '\n';
  }
}

}  // namespace

std::vector<TCliBefehl> Lesebefehle() {
  return {
      {"kataloge", {"kataloge", 0, 0, {}, {}}, Kataloge},
      {"wertpapiere", {"wertpapiere KATALOG", 1, 1, {}, {}}, Wertpapiere},
      {"stammdaten", {"stammdaten ID", 1, 1, {}, {}}, Stammdaten},
      {"transaktionen", {"transaktionen ID", 1, 1, {}, {}}, Transaktionen},
      {"kurse", {"kurse ID [--von DATUM] [--bis DATUM]", 1, 1, {"--von", "--bis"}, {}}, Kurse},
  };
}

}  // namespace morvane
