#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/binaer.h"
#include "core/datum.h"
#include "core/kurse.h"
#include "core/zeitreihe.h"
#include "indicators/bausteine.h"
#include "indicators/indikatorzeichnen.h"
#include "indicators/parameterseite.h"

namespace morvane {

// Names of the three indicator groups, indexed by group number 1..3 (index 0
// is empty).
inline constexpr std::array<std::string_view, 4> kGruppentext = {
    "", "Zyklusanalyse-Indikatoren", "Trendfolge-Indikatoren", "Trendintensitäts-Indikatoren"};

// Base of every indicator. An indicator is computed over one security's prices
// and owns the series it produced: an oscillator on a 0..100 point scale and a
// signal from -100 % (sell) to +100 % (buy) derived from it by the signal
// model (for the trend-intensity kinds the signal series holds the intensity).
// Parameters are plain fields; the kinds add theirs.
class TIndikator {
 public:
  virtual ~TIndikator() = default;
  TIndikator(const TIndikator&) = delete;
  TIndikator& operator=(const TIndikator&) = delete;

  // Display in the chart: 0 hidden, 1 lines, 2 lines and signal, 3 signal only.
  // Not stored.
  std::uint8_t Anzeige = 0;
  // Weight in the group's aggregate signal, 0..100.
  std::uint8_t Gewichtung = 10;
  // The indicator this one was copied from; not owned.
  const TIndikator* Vorlage = nullptr;
  // Maximum distance signal in %, 0..100.
  std::uint8_t Entfernungssignal = 0;
  // Slope of the approach signal in % per oscillator point, 0..1000.
  double Annaeherungssteigung = 5.33;
  // Lower extreme-zone bound in points, 0..50; the upper one is 100 minus it.
  std::uint8_t ExtremzoneUnten = 50;

  const std::string& Bezeichnung() const { return bezeichnung_; }
  const std::string& Kurzbezeichnung() const { return kurzbezeichnung_; }
  // Sets name and code; the code is cut to 3 characters.
  void NameSetzen(std::string_view bezeichnung, std::string_view kurzbezeichnung);
  // Name, followed by " (" code ")" when there is a code.
  std::string Titel() const;

  struct TSignalParameter {
    std::uint8_t Entfernungssignal = 0;
    std::uint8_t ExtremzoneUnten = 0;
    double Annaeherungssteigung = 0;
  };
  TSignalParameter SignalParameter() const;
  void SignalParameterSetzen(const TSignalParameter& parameter);

  // Copies the stored fields and parameters from another indicator (its kind's
  // parameters only when it is of the same kind). Series are not copied.
  virtual void Zuweisen(const TIndikator& quelle);
  // A new indicator of the same kind with the parameters of this one and
  // Vorlage pointing here; none for an aggregate.
  virtual std::unique_ptr<TIndikator> Kopieren() const = 0;

  // The parameter record: the base part, then the kind's parameters.
  virtual void Speichern(TBinaerSchreiber& datei) const;
  // Reads the same record. A short record raises the reader's error and leaves
  // the indicator unchanged.
  virtual void Laden(TBinaerLeser& datei);

  // Class key ("IndRSI") and type name of the kind; empty for an aggregate.
  virtual std::string_view Schluessel() const = 0;
  virtual std::string_view Typname() const = 0;
  // Whether the signal model applies (and the dialog has its signal page).
  virtual bool HatSignalgenerierung() const { return true; }

  // The "Im Chart anzeigen" check boxes: captions and current states.
  virtual std::vector<std::string> AllgemeinFelder() const { return {}; }
  virtual std::vector<bool> AllgemeinWerte() const { return {}; }
  // Takes the states back (one per check box; others are ignored).
  virtual void AllgemeinUebernehmen(const std::vector<bool>& werte) { (void)werte; }
  bool AllgemeinPruefen() const { return true; }

  // The "Berechnung" page: its description and the texts it opens with.
  virtual TBerechnungsseite Berechnungsseite() const { return {}; }
  virtual std::vector<std::string> BerechnungTexte() const { return {}; }
  // First field whose text is invalid, with its message; none when all are good.
  std::optional<TEingabefehler> BerechnungPruefen(std::span<const std::string> texte) const;
  // Checks the texts and, only when all are valid, takes them over.
  std::optional<TEingabefehler> BerechnungUebernehmen(std::span<const std::string> texte);

  // Discards all series and computes them anew. When the computation fails the
  // indicator is left without series and the error passes on.
  void Berechnen(const TKurse& kurse);

  // Text of the values at one date for the chart's info area (lines separated
  // by CR).
  virtual std::string Info(Boersentag datum) const;

  // Draws the indicator into the chart's price plot, as one pass of its own
  // (see Darstellen).
  void Zeichnen(TGrafikfenster& f, TIndikatorChart& chart);

  // The signal at the date, 0 when there is none.
  double SignalAm(Boersentag datum) const;
  const TZeitreihe* Oszillator() const { return Zeiger(oszillator_); }
  const TZeitreihe* Signal() const { return Zeiger(signal_); }

  // Builds Signal from Oszillator by the signal model.
  void SignalBerechnen();

 protected:
  TIndikator() = default;
  // Name and code from a type name of the form "name (code)".
  void NamenAusTypname(std::string_view typname);

  // The kind's own computation; the base has freed every series before.
  virtual void Rechnen(const TKurse& kurse) = 0;
  // Frees the kind's own series.
  virtual void SerienFreigeben() {}
  // Takes over the values of a checked "Berechnung" page.
  virtual void BerechnungSetzen(std::span<const double> werte) { (void)werte; }
  // What Zeichnen shows. The base draws the signal line (Anzeige 2 or 3); the
  // kinds add their own lines after it.
  virtual void Darstellen(TIndikatorZeichnen& z);

  // The base part of the parameter record, read apart from the object so that a
  // short record changes nothing.
  struct TBasisdaten {
    std::string Bezeichnung;
    std::string Kurzbezeichnung;
    std::uint8_t Gewichtung = 0;
    std::uint8_t Entfernungssignal = 0;
    double Annaeherungssteigung = 0;
    std::uint8_t ExtremzoneUnten = 0;
  };
  static TBasisdaten BasisLesen(TBinaerLeser& datei);
  void BasisUebernehmen(const TBasisdaten& daten);

  // The two common Info lines ("Signal: ..." and "Oszillator: ...").
  std::string InfoSignalOszillator(Boersentag datum) const;

  static const TZeitreihe* Zeiger(const std::optional<TZeitreihe>& reihe) {
    return reihe ? &*reihe : nullptr;
  }

  std::optional<TZeitreihe> oszillator_;
  std::optional<TZeitreihe> signal_;

 private:
  std::string bezeichnung_;
  std::string kurzbezeichnung_;
};

// The signal model over an oscillator: neutral zone 0, distance signals in the
// extreme zones, approach signals after a turn (L lower bound, E maximum
// distance signal, S approach slope).
TZeitreihe Signalmodell(const TZeitreihe& oszillator, double L, double E, double S);

// "Bezeichnung: " + value with `dezimalen` decimals + einheit, or
// "Bezeichnung: -" when there is no value.
std::string InfoZeile(std::string_view bezeichnung, const TZeitreihe* reihe, Boersentag datum,
                      int dezimalen, std::string_view einheit = {});

// Separator of the Info lines.
inline constexpr char kInfoZeilenende = '\r';

}  // namespace morvane
