#include "online/jsonhistorie.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/datum.h"
#include "core/zahltext.h"
#include "online/jsonleser.h"

namespace morvane {
namespace {

constexpr TKursFeld kWertfelder[] = {kfEroeffnung, kfHoch, kfTief, kfSchluss, kfUmsatz};
constexpr TJsonHistorieFeld kWertnamen[] = {jhEroeffnung, jhHoch, jhTiefst, jhSchluss, jhUmsatz};

std::optional<int> Ziffern(std::string_view text) {
  int zahl = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    zahl = zahl * 10 + (c - '0');
  }
  return zahl;
}

Boersentag Handelstag(const TDatum& d) {
  return IstBoersentag(d.Tag, d.Monat, d.Jahr) ? BoersentagAusDatum(d.Tag, d.Monat, d.Jahr) : 0;
}

// "2024-01-02", optionally followed by a time ("2024-01-02T18:39:14+02:00").
Boersentag TextDatum(std::string_view text) {
  if (text.size() < 10 || text[4] != '-' || text[7] != '-') return 0;
  if (text.size() > 10 && text[10] != 'T' && text[10] != ' ') return 0;
  const auto jahr = Ziffern(text.substr(0, 4));
  const auto monat = Ziffern(text.substr(5, 2));
  const auto tag = Ziffern(text.substr(8, 2));
  if (!jahr || !monat || !tag) return 0;
  return Handelstag({static_cast<std::uint16_t>(*tag), static_cast<std::uint16_t>(*monat),
                     static_cast<std::uint16_t>(*jahr)});
}

// Unix seconds: the day in UTC.
Boersentag SekundenDatum(double sekunden) {
  // Beyond the years 1000 to 4999 either way; keeps the day count an int.
  if (!(std::abs(sekunden) < 1e12)) return 0;
  const auto tage = static_cast<Kalendertag>(std::floor(sekunden / 86400));
  return Handelstag(DatumAusKalendertag(KalendertagAusDatum(1, 1, 1970) + tage));
}

Boersentag EintragDatum(const TJsonEintrag& e) {
  if (e.Art == TJsonEintrag::TArt::Zahl) return SekundenDatum(e.Zahl);
  if (e.Art == TJsonEintrag::TArt::Text) return TextDatum(e.Text);
  return 0;
}

// A positive number, also one sent as text ("188.02"); else 0.
double EintragWert(const TJsonEintrag& e) {
  double wert = 0;
  if (e.Art == TJsonEintrag::TArt::Zahl) {
    wert = e.Zahl;
  } else if (e.Art == TJsonEintrag::TArt::Text) {
    wert = TextZuZahl(Trimmen(e.Text), 6).value_or(0);
  }
  return std::isfinite(wert) && wert > 0 ? wert : 0;
}

}  // namespace

std::optional<TJsonHistorieFeld> JsonHistorieFeld(std::string_view name) {
  // The names of the price commands, long forms included.
  static constexpr std::pair<std::string_view, TJsonHistorieFeld> kNamen[] = {
      {"datum", jhDatum},         {"eröffnung", jhEroeffnung}, {"eröffnungskurs", jhEroeffnung},
      {"höchst", jhHoch},         {"höchstkurs", jhHoch},      {"tiefst", jhTiefst},
      {"tiefstkurs", jhTiefst},   {"schluss", jhSchluss},      {"schluß", jhSchluss},
      {"schlusskurs", jhSchluss}, {"schlußkurs", jhSchluss},   {"umsatz", jhUmsatz},
      {"stückumsatz", jhUmsatz}};
  for (const auto& [wort, feld] : kNamen) {
    if (wort == name) return feld;
  }
  return std::nullopt;
}

std::optional<TJsonHistorie> JsonHistorieLesen(std::string_view seite, std::size_t ab,
                                               const TJsonHistorieParameter& p) {
  const std::vector<std::string> namen(p.Namen.begin(), p.Namen.end());
  const auto felder = JsonFelderLesen(seite, ab, namen);
  if (!felder) return std::nullopt;
  const auto& listen = felder->Listen;
  // Fields not named or not sent read 0 and do not shorten the history.
  std::size_t anzahl = listen[jhDatum].size();
  for (std::size_t i = 0; i < listen.size(); ++i) {
    if (!listen[i].empty() || i == jhDatum || i == jhSchluss) {
      anzahl = std::min(anzahl, listen[i].size());
    }
  }
  TJsonHistorie historie;
  historie.Ende = felder->Ende;
  for (std::size_t index = 0; index < anzahl; ++index) {
    TKurs kurs;
    kurs.Datum = EintragDatum(listen[jhDatum][index]);
    for (std::size_t f = 0; f < std::size(kWertfelder); ++f) {
      const auto& liste = listen[kWertnamen[f]];
      if (!liste.empty()) KursFeld(kurs, kWertfelder[f]) = EintragWert(liste[index]);
    }
    if (kurs.Datum != 0 && kurs.Schluss > 0) historie.Kurse.push_back(kurs);
  }
  return historie;
}

}  // namespace morvane
