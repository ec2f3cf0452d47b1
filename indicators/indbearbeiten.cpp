#include "indicators/indbearbeiten.h"

#include <cstdint>

#include "core/zahltext.h"

namespace morvane {
namespace {

TEingabefeld Ganzzahl(std::string beschriftung, std::string einheit, double maximum,
                      std::string meldung) {
  TEingabefeld feld;
  feld.Beschriftung = std::move(beschriftung);
  feld.Einheit = std::move(einheit);
  feld.Maximum = maximum;
  feld.Meldung = std::move(meldung);
  return feld;
}

}  // namespace

TBerechnungsseite Signalseite() {
  TBerechnungsseite seite;
  seite.Felder.push_back(
      Ganzzahl("Maximales Entfernungssignal:", "%", 100,
               "Das maximale Entfernungssignal muss zwischen 0% und 100% liegen!"));
  TEingabefeld steigung = Ganzzahl("Steigung des Annäherungssignals:", "% je Punkt", 1000,
                                   "Ungültige Angabe bei der Steigung des Annäherungssignals!");
  steigung.Art = TFeldart::Dezimalzahl;
  steigung.Dezimalen = 2;
  seite.Felder.push_back(std::move(steigung));
  seite.Felder.push_back(
      Ganzzahl("Untere Extremzone:", "Punkte", 50,
               "Die Grenze der unteren Extremzone muss zwischen 0 und 50 Punkte liegen!"));
  seite.Felder[kSignalExtremzone].Vorsatz = "0 bis";
  return seite;
}

std::string ExtremzoneObenText(std::string_view unten) {
  const auto wert = FeldLesen(Signalseite().Felder[kSignalExtremzone], unten);
  if (!wert) return {};
  return ZahlZuTextGanz(100 - static_cast<std::int64_t>(*wert));
}

std::string TypText(const TIndikator& indikator) {
  if (indikator.Typname().empty()) return "Gesamtsignal der Gruppe";
  return std::string(indikator.Typname());
}

TParameterEingaben ParameterEingaben(const TIndikator& indikator) {
  TParameterEingaben e;
  e.Bezeichnung = indikator.Bezeichnung();
  e.Kurzbezeichnung = indikator.Kurzbezeichnung();
  e.Kaestchen = indikator.AllgemeinWerte();
  e.Berechnung = indikator.BerechnungTexte();
  if (indikator.HatSignalgenerierung()) {
    const TBerechnungsseite seite = Signalseite();
    const TIndikator::TSignalParameter p = indikator.SignalParameter();
    e.Signal = {FeldText(seite.Felder[kSignalEntfernung], p.Entfernungssignal),
                FeldText(seite.Felder[kSignalSteigung], p.Annaeherungssteigung),
                FeldText(seite.Felder[kSignalExtremzone], p.ExtremzoneUnten)};
  }
  return e;
}

std::optional<TParameterFehler> ParameterUebernehmen(TIndikator& indikator,
                                                     const TParameterEingaben& eingaben) {
  if (!indikator.AllgemeinPruefen()) return TParameterFehler{TParameterSeite::Allgemein, -1, {}};
  if (auto fehler = indikator.BerechnungPruefen(eingaben.Berechnung)) {
    return TParameterFehler{TParameterSeite::Berechnung, fehler->Feld, fehler->Meldung};
  }
  std::vector<double> signal;
  if (indikator.HatSignalgenerierung()) {
    if (auto fehler = SeitePruefen(Signalseite(), eingaben.Signal, signal)) {
      return TParameterFehler{TParameterSeite::Signalgenerierung, fehler->Feld, fehler->Meldung};
    }
  }
  if (NameAenderbar(indikator))
    indikator.NameSetzen(eingaben.Bezeichnung, eingaben.Kurzbezeichnung);
  indikator.AllgemeinUebernehmen(eingaben.Kaestchen);
  indikator.BerechnungUebernehmen(eingaben.Berechnung);
  if (indikator.HatSignalgenerierung()) {
    TIndikator::TSignalParameter p;
    p.Entfernungssignal = static_cast<std::uint8_t>(signal[kSignalEntfernung]);
    p.Annaeherungssteigung = signal[kSignalSteigung];
    p.ExtremzoneUnten = static_cast<std::uint8_t>(signal[kSignalExtremzone]);
    indikator.SignalParameterSetzen(p);
  }
  return std::nullopt;
}

}  // namespace morvane
