#include "indicators/depotindikatoren.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <utility>

#include "core/textvergleich.h"
#include "core/zahltext.h"
#include "indicators/indanalyse.h"
#include "indicators/indgesamt.h"

namespace morvane {

namespace {

const std::string kStrich = "---------------------";

// Builds the value cells of one security from its shortened prices.
using TWerteBauer = std::function<std::string(const TKurse&)>;

// One row per security of the catalogs in the store's order: "catalog /
// name", then a tab and the cells when the security has a price on the day.
// A security that cannot be loaded gets no row; the store's message is kept.
std::vector<std::string> Zeilen(const TWPVerwaltung& verwaltung,
                                const std::vector<std::string>& kataloge, Kalendertag datum,
                                std::vector<std::string>& uebersprungen, const TWerteBauer& werte) {
  std::vector<std::string> zeilen;
  for (const std::string& katalog : kataloge) {
    std::vector<std::string> ids;
    verwaltung.WertpapiereAuflisten(katalog, ids);
    for (const std::string& id : ids) {
      TWPStammdaten stammdaten;
      TKurse kurse;
      try {
        stammdaten = verwaltung.StammdatenLaden(id);
        kurse = verwaltung.KurseLaden(id);
      } catch (const EWPVerwaltung& e) {
        uebersprungen.push_back(e.Meldung());
        continue;
      }
      std::string zeile = katalog + " / " + stammdaten.Bezeichnung;
      if (KurseBisTag(kurse, datum)) zeile += '\t' + werte(kurse);
      zeilen.push_back(std::move(zeile));
    }
  }
  return zeilen;
}

std::string SignalText(double signal) {
  return ZahlZuText(0, signal);
}

std::string_view KatalogVon(std::string_view zeile) {
  return zeile.substr(0, zeile.find(" /"));
}

void KatalogeTrennen(std::vector<std::string>& zeilen) {
  std::vector<std::string> getrennt;
  for (std::string& zeile : zeilen) {
    if (!getrennt.empty() && KatalogVon(getrennt.back()) != KatalogVon(zeile))
      getrennt.emplace_back(kKatalogTrenner);
    getrennt.push_back(std::move(zeile));
  }
  zeilen = std::move(getrennt);
}

void Abschliessen(std::vector<std::string>& zeilen) {
  if (!zeilen.empty()) zeilen.emplace_back(kListenende);
}

// The value of a single-indicator row: the integer before " %", -100 without.
int Zeilenwert(const std::string& zeile) {
  const std::size_t tab = zeile.rfind('\t');
  if (tab == std::string::npos) return -100;
  return std::atoi(zeile.c_str() + tab + 1);
}

}  // namespace

std::vector<std::string> IndikatorWahlZeilen(const TIndListe& liste) {
  std::vector<std::string> zeilen;
  for (int gruppe = 1; gruppe <= 3; ++gruppe) {
    zeilen.push_back(kStrich + std::string(kGruppentext[static_cast<std::size_t>(gruppe)]) +
                     kStrich);
    for (int i = 0; i < liste.Anzahl(gruppe); ++i)
      zeilen.push_back(liste.Indikator(gruppe, i).Titel());
  }
  return zeilen;
}

std::optional<TIndWahl> IndikatorWahl(int zeile, int c1, int c2) {
  TIndWahl wahl;
  if (zeile <= c1)
    wahl = {1, zeile - 1};
  else if (zeile <= c1 + c2 + 1)
    wahl = {2, zeile - c1 - 2};
  else
    wahl = {3, zeile - c1 - c2 - 3};
  if (wahl.Index < 0) return std::nullopt;
  return wahl;
}

bool KurseBisTag(TKurse& kurse, Kalendertag datum) {
  const TDatum d = DatumAusKalendertag(datum);
  if (!IstBoersentag(d.Tag, d.Monat, d.Jahr)) return false;
  const Boersentag tag = BoersentagAusKalendertag(datum);
  if (!kurse.Suche(tag)) return false;
  const int ende = kurse.IndexBis(tag) + 1;
  const int anfang = std::max(0, ende - kDepotFenster);
  if (anfang == 0 && ende == kurse.Anzahl()) return true;
  TKurse fenster;
  fenster.Kapazitaet(ende - anfang);
  for (int i = anfang; i < ende; ++i)
    fenster.Setze(*kurse.Kurs(i), TSetzModus::Ersetzen);
  kurse = std::move(fenster);
  return true;
}

TDepotIndListe DepotIndikatorsignale(const TWPVerwaltung& verwaltung, const TIndVorlagen& vorlagen,
                                     const std::vector<std::string>& kataloge, Kalendertag datum) {
  TIndAnalyse analyse(vorlagen);
  TDepotIndListe liste;
  liste.Spalten.emplace_back(kErsteSpalte);
  for (int gruppe = 1; gruppe <= 3; ++gruppe) {
    for (int i = 0; i < analyse.Anzahl(gruppe); ++i)
      liste.Spalten.push_back(analyse.Kurzbezeichnung(gruppe, i));
  }
  const Boersentag tag = BoersentagAusKalendertag(datum);
  liste.Zeilen = Zeilen(verwaltung, kataloge, datum, liste.Uebersprungen, [&](const TKurse& kurse) {
    analyse.Berechnen(kurse);
    std::string werte;
    for (int gruppe = 1; gruppe <= 3; ++gruppe) {
      for (int i = 0; i < analyse.Anzahl(gruppe); ++i) {
        if (gruppe > 1 || i > 0) werte += '\t';
        werte += SignalText(analyse.SignalAm(gruppe, i, tag));
      }
    }
    return werte;
  });
  TexteSortieren(liste.Zeilen);
  KatalogeTrennen(liste.Zeilen);
  Abschliessen(liste.Zeilen);
  return liste;
}

TDepotIndListe DepotEinzelindikator(const TWPVerwaltung& verwaltung, const TIndVorlagen& vorlagen,
                                    const std::vector<std::string>& kataloge, Kalendertag datum,
                                    TIndWahl wahl) {
  const std::unique_ptr<TIndListe> satz = vorlagen.Kopie();
  TIndGruppe gruppe;
  const int anzahl = satz->Anzahl(wahl.Gruppe);
  if (wahl.Index == anzahl - 1) {
    for (int i = 0; i + 1 < anzahl; ++i)
      gruppe.push_back(satz->Indikator(wahl.Gruppe, i).Kopieren());
    gruppe.push_back(std::make_unique<TIndGesamt>(&gruppe, wahl.Gruppe));
  } else {
    gruppe.push_back(satz->Indikator(wahl.Gruppe, wahl.Index).Kopieren());
  }
  TDepotIndListe liste;
  liste.Spalten = {std::string(kErsteSpalte), "Signal"};
  const Boersentag tag = BoersentagAusKalendertag(datum);
  liste.Zeilen = Zeilen(verwaltung, kataloge, datum, liste.Uebersprungen, [&](const TKurse& kurse) {
    for (const auto& indikator : gruppe)
      indikator->Berechnen(kurse);
    return SignalText(gruppe.back()->SignalAm(tag)) + " %";
  });
  std::stable_sort(
      liste.Zeilen.begin(), liste.Zeilen.end(),
      [](const std::string& a, const std::string& b) { return Zeilenwert(a) > Zeilenwert(b); });
  Abschliessen(liste.Zeilen);
  return liste;
}

}  // namespace morvane
