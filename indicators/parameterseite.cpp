#include "indicators/parameterseite.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "core/zahltext.h"

namespace morvane {

std::optional<double> FeldLesen(const TEingabefeld& feld, std::string_view text) {
  std::optional<double> wert;
  switch (feld.Art) {
    case TFeldart::Ganzzahl:
      if (auto n = TextZuGanzzahl(text)) wert = *n;
      break;
    case TFeldart::Dezimalzahl:
      wert = TextZuZahl(text, feld.Dezimalen);
      if (wert && !std::isfinite(*wert)) wert.reset();
      break;
    case TFeldart::Auswahl:
      if (auto n = TextZuGanzzahl(text); n && *n >= 0 && *n < std::ssize(feld.Auswahl)) {
        return *n;
      }
      return std::nullopt;
  }
  if (!wert || *wert < feld.Minimum || *wert > feld.Maximum) return std::nullopt;
  return wert;
}

std::string FeldText(const TEingabefeld& feld, double wert) {
  if (feld.Art == TFeldart::Dezimalzahl) return ZahlZuText(feld.Dezimalen, wert);
  return ZahlZuTextGanz(static_cast<std::int64_t>(wert));
}

std::optional<TEingabefehler> SeitePruefen(const TBerechnungsseite& seite,
                                           std::span<const std::string> texte,
                                           std::vector<double>& werte) {
  if (texte.size() != seite.Felder.size()) {
    throw std::invalid_argument("Anzahl der Feldtexte passt nicht zur Berechnungsseite");
  }
  // Every field is read first; a step that finds its field invalid reports it.
  std::vector<std::optional<double>> gelesen;
  werte.assign(seite.Felder.size(), 0.0);
  for (std::size_t i = 0; i < texte.size(); ++i) {
    gelesen.push_back(FeldLesen(seite.Felder[i], texte[i]));
    if (gelesen.back()) werte[i] = *gelesen.back();
  }
  auto pruefe = [&](const TPruefschritt& schritt) -> std::optional<TEingabefehler> {
    if (schritt.Bedingung) {
      if (schritt.Bedingung(werte)) return std::nullopt;
      return TEingabefehler{schritt.Feld, schritt.Meldung};
    }
    const auto i = static_cast<std::size_t>(schritt.Feld);
    if (gelesen.at(i)) return std::nullopt;
    return TEingabefehler{schritt.Feld, seite.Felder[i].Meldung};
  };
  if (seite.Pruefungen.empty()) {
    for (std::size_t i = 0; i < seite.Felder.size(); ++i) {
      if (auto fehler = pruefe(FeldPruefen(static_cast<int>(i)))) return fehler;
    }
  }
  for (const auto& schritt : seite.Pruefungen) {
    if (auto fehler = pruefe(schritt)) return fehler;
  }
  return std::nullopt;
}

TEingabefeld WordFeld(std::string beschriftung, std::string_view meldung, std::string einheit) {
  TEingabefeld feld;
  feld.Beschriftung = std::move(beschriftung);
  feld.Einheit = std::move(einheit);
  feld.Minimum = 1;
  feld.Maximum = 65535;
  feld.Meldung = meldung;
  return feld;
}

TEingabefeld ByteFeld(std::string beschriftung, std::string_view meldung) {
  TEingabefeld feld = WordFeld(std::move(beschriftung), meldung);
  feld.Maximum = 255;
  return feld;
}

TEingabefeld AuswahlFeld(std::string beschriftung, std::vector<std::string> auswahl) {
  TEingabefeld feld;
  feld.Beschriftung = std::move(beschriftung);
  feld.Art = TFeldart::Auswahl;
  feld.Auswahl = std::move(auswahl);
  feld.Maximum = static_cast<double>(feld.Auswahl.size()) - 1;
  feld.Meldung = kMeldungAuswahl;
  return feld;
}

TEingabefeld GewichtungsFeld(std::string beschriftung, bool exponentiell) {
  std::vector<std::string> auswahl = {"ungewichtet", "linear gewichtet"};
  if (exponentiell) auswahl.push_back("exponentiell gewichtet");
  return AuswahlFeld(std::move(beschriftung), std::move(auswahl));
}

TPruefschritt FeldPruefen(int feld) {
  return TPruefschritt{feld, {}, {}};
}

TPruefschritt Querpruefung(int feld, std::function<bool(std::span<const double>)> bedingung,
                           std::string_view meldung) {
  return TPruefschritt{feld, std::move(bedingung), std::string(meldung)};
}

}  // namespace morvane
