#include "portfolio/listenzeilen.h"

#include <algorithm>

#include "core/datumtext.h"
#include "core/textvergleich.h"
#include "core/zahltext.h"

namespace morvane {
namespace {

std::string_view KatalogTeil(std::string_view zeile) {
  return zeile.substr(0, zeile.find(" / "));
}

}  // namespace

std::string Zelle(std::string_view text) {
  std::string zelle(text);
  std::replace_if(
      zelle.begin(), zelle.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  return zelle;
}

std::string BetragText(double betrag, std::string_view waehrung) {
  return ZahlZuTextGruppiert(2, betrag) + " " + Zelle(waehrung);
}

std::string ProzentText(double anteil, int dezimalen) {
  return ZahlZuTextGruppiert(dezimalen, anteil * 100) + " %";
}

std::string StueckText(double stueck) {
  return KursZuTextGruppiert(stueck, true);
}

std::string GruppenText(const TWPStammdaten& wertpapier) {
  return Zelle(wertpapier.Katalog) + " / " + Zelle(wertpapier.Bezeichnung);
}

std::string Zeile(std::initializer_list<std::string> zellen) {
  std::string zeile;
  for (const std::string& zelle : zellen) {
    if (&zelle != zellen.begin()) zeile += '\t';
    zeile += zelle;
  }
  return zeile;
}

void Anhaengen(std::string& zeile, std::initializer_list<std::string> zellen) {
  for (const std::string& zelle : zellen) {
    zeile += '\t';
    zeile += zelle;
  }
}

std::vector<TListenSpalte> Spalten(std::initializer_list<std::string_view> titel) {
  std::vector<TListenSpalte> spalten;
  for (std::string_view t : titel) {
    spalten.push_back(
        {std::string(t), spalten.empty() ? TAusrichtung::Links : TAusrichtung::Rechts});
  }
  return spalten;
}

std::string ListenTitel(std::string_view name, Kalendertag datum) {
  return std::string(name) + " am " + KalendertagZuText(datum);
}

std::vector<std::string> KatalogZeilen(const TWPVerwaltung& verwaltung,
                                       const std::vector<std::string>& kataloge,
                                       const TListenFortschritt& fortschritt,
                                       std::vector<std::string>& uebersprungen,
                                       const TZeilenBauer& bauen) {
  std::vector<std::string> ids;
  std::vector<std::string> sortiert = kataloge;
  TexteSortieren(sortiert);
  sortiert.erase(std::unique(sortiert.begin(), sortiert.end()), sortiert.end());
  for (const std::string& katalog : sortiert)
    verwaltung.WertpapiereAuflisten(katalog, ids);
  std::vector<std::string> zeilen;
  const int gesamt = static_cast<int>(ids.size());
  for (int i = 0; i < gesamt; ++i) {
    // Only this one security is in memory; it is freed at the end of the step.
    std::optional<TWertpapier> wertpapier;
    try {
      wertpapier.emplace(verwaltung.WertpapierLaden(ids[i]));
    } catch (const EWPVerwaltung& e) {
      uebersprungen.push_back(e.Meldung());
    }
    if (wertpapier) {
      if (std::optional<std::string> zeile = bauen(*wertpapier))
        zeilen.push_back(std::move(*zeile));
    }
    if (fortschritt) fortschritt(i + 1, gesamt);
  }
  TexteSortieren(zeilen);
  KatalogTrennen(zeilen);
  return zeilen;
}

void KatalogTrennen(std::vector<std::string>& zeilen) {
  std::vector<std::string> getrennt;
  getrennt.reserve(zeilen.size() * 2);
  std::optional<std::string> voriger;
  for (std::string& zeile : zeilen) {
    const std::string_view katalog = KatalogTeil(zeile);
    if (voriger && *voriger != katalog) getrennt.emplace_back(kTrennzeile);
    voriger = std::string(katalog);
    getrennt.push_back(std::move(zeile));
  }
  zeilen = std::move(getrennt);
}

}  // namespace morvane
