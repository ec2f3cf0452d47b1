#include "indicators/indikator.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <stdexcept>

#include "core/textkodierung.h"
#include "core/zahltext.h"

namespace morvane {

void TIndikator::NameSetzen(std::string_view bezeichnung, std::string_view kurzbezeichnung) {
  bezeichnung_ = bezeichnung;
  kurzbezeichnung_ = kurzbezeichnung.substr(0, Utf8Offset(kurzbezeichnung, 3));
}

void TIndikator::NamenAusTypname(std::string_view typname) {
  const auto klammer = typname.find('(');
  if (klammer == std::string_view::npos) {
    NameSetzen(typname, {});
    return;
  }
  std::string_view name = typname.substr(0, klammer);
  if (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  std::string_view code = typname.substr(klammer + 1);
  code = code.substr(0, code.find(')'));
  NameSetzen(name, code);
}

std::string TIndikator::Titel() const {
  if (kurzbezeichnung_.empty()) return bezeichnung_;
  return bezeichnung_ + " (" + kurzbezeichnung_ + ")";
}

TIndikator::TSignalParameter TIndikator::SignalParameter() const {
  return {Entfernungssignal, ExtremzoneUnten, Annaeherungssteigung};
}

void TIndikator::SignalParameterSetzen(const TSignalParameter& parameter) {
  Entfernungssignal = parameter.Entfernungssignal;
  ExtremzoneUnten = parameter.ExtremzoneUnten;
  Annaeherungssteigung = parameter.Annaeherungssteigung;
}

void TIndikator::Zuweisen(const TIndikator& quelle) {
  bezeichnung_ = quelle.bezeichnung_;
  kurzbezeichnung_ = quelle.kurzbezeichnung_;
  Gewichtung = quelle.Gewichtung;
  SignalParameterSetzen(quelle.SignalParameter());
}

void TIndikator::Speichern(TBinaerSchreiber& datei) const {
  datei.Text(bezeichnung_);
  // The code: a length byte and three character bytes.
  std::string code = Utf8ZuWin1252(kurzbezeichnung_);
  code.resize(std::min<std::size_t>(code.size(), 3));
  datei.Byte(static_cast<std::uint8_t>(code.size()));
  code.resize(3, '\0');
  datei.Roh(code);
  datei.Byte(Gewichtung);
  datei.Byte(Entfernungssignal);
  datei.Double(Annaeherungssteigung);
  datei.Byte(ExtremzoneUnten);
}

TIndikator::TBasisdaten TIndikator::BasisLesen(TBinaerLeser& datei) {
  TBasisdaten daten;
  daten.Bezeichnung = datei.Text();
  const std::size_t laenge = std::min<std::size_t>(datei.Byte(), 3);
  daten.Kurzbezeichnung = Win1252ZuUtf8(datei.Roh(3).substr(0, laenge));
  daten.Gewichtung = datei.Byte();
  daten.Entfernungssignal = datei.Byte();
  daten.Annaeherungssteigung = datei.Double();
  daten.ExtremzoneUnten = datei.Byte();
  return daten;
}

void TIndikator::BasisUebernehmen(const TBasisdaten& daten) {
  bezeichnung_ = daten.Bezeichnung;
  kurzbezeichnung_ = daten.Kurzbezeichnung;
  Gewichtung = daten.Gewichtung;
  Entfernungssignal = daten.Entfernungssignal;
  Annaeherungssteigung = daten.Annaeherungssteigung;
  ExtremzoneUnten = daten.ExtremzoneUnten;
}

void TIndikator::Laden(TBinaerLeser& datei) {
  BasisUebernehmen(BasisLesen(datei));
}

std::optional<TEingabefehler> TIndikator::BerechnungPruefen(
    std::span<const std::string> texte) const {
  std::vector<double> werte;
  return SeitePruefen(Berechnungsseite(), texte, werte);
}

std::optional<TEingabefehler> TIndikator::BerechnungUebernehmen(
    std::span<const std::string> texte) {
  std::vector<double> werte;
  if (auto fehler = SeitePruefen(Berechnungsseite(), texte, werte)) return fehler;
  BerechnungSetzen(werte);
  return std::nullopt;
}

void TIndikator::Berechnen(const TKurse& kurse) {
  auto freigeben = [this] {
    oszillator_.reset();
    signal_.reset();
    SerienFreigeben();
  };
  freigeben();
  try {
    Rechnen(kurse);
  } catch (...) {
    freigeben();
    throw;
  }
}

double TIndikator::SignalAm(Boersentag datum) const {
  if (!signal_) return 0;
  return signal_->Lesen(datum).value_or(0.0);
}

void TIndikator::SignalBerechnen() {
  signal_.reset();
  if (!oszillator_) return;
  signal_ = Signalmodell(*oszillator_, ExtremzoneUnten, Entfernungssignal, Annaeherungssteigung);
}

namespace {

// ja where c holds, else nein, picked bit for bit: the compiler would make a
// jump of a plain ?: where one side needs a division.
double Auswahl(bool c, double ja, double nein) {
  const std::uint64_t maske = 0 - static_cast<std::uint64_t>(c);
  return std::bit_cast<double>((std::bit_cast<std::uint64_t>(ja) & maske) |
                               (std::bit_cast<std::uint64_t>(nein) & ~maske));
}

// The signal model's walk along the oscillator, one present value after the
// other. Whether the oscillator stays beyond a bound changes seldom; whether
// it turns follows the prices and cannot be guessed ahead, so at that point
// both outcomes are worked out and one is picked rather than jumped to.
class TSignalweg {
 public:
  TSignalweg(double L, double E, double S) : L_(L), E_(E), S_(S), grenzeOben_(100 - L) {}

  double Schritt(double x) {
    double s = 0;
    if (x <= grenzeOben_ && x >= L_) {
      s = 0;
    } else if (x < L_) {
      // A new low of the excursion, or the approach from the last one.
      s = Weiter(x <= P_, x, Entfernung(L_ - x), std::min(100.0, (x - Q_) * S_ + R_));
    } else {
      s = Weiter(!(x < P_), x, -Entfernung(x - grenzeOben_), std::max(-100.0, R_ - S_ * (Q_ - x)));
    }
    P_ = x;
    return s;
  }

 private:
  double Entfernung(double abstand) const { return abstand * E_ / L_; }

  double Weiter(bool extrem, double x, double entfernungssignal, double annaeherung) {
    if (ohneZone_ && extrem) DivisionDurchNull();
    Q_ = Auswahl(extrem, x, Q_);
    R_ = Auswahl(extrem, entfernungssignal, R_);
    return Auswahl(extrem, entfernungssignal, annaeherung);
  }

  double L_;
  double E_;
  double S_;
  double grenzeOben_;
  bool ohneZone_ = L_ == 0;
  double P_ = 50;  // previous oscillator value
  double Q_ = 0;   // extreme oscillator value of the current excursion
  double R_ = 0;   // signal at that extreme
};

}  // namespace

TZeitreihe Signalmodell(const TZeitreihe& oszillator, double L, double E, double S) {
  const auto werte = oszillator.Werte();
  const auto belegt = oszillator.Belegt();
  // An empty oscillator gives its range back without a value.
  if (werte.empty()) return TZeitreihe(oszillator.Von(), oszillator.Bis());
  return TZeitreihe::Aufbauen(
      oszillator.Von(), oszillator.Bis(),
      [werte, belegt, weg = TSignalweg(L, E, S)](std::size_t i) mutable -> std::optional<double> {
        if (!belegt[i]) return std::nullopt;
        return weg.Schritt(werte[i]);
      });
}

std::string InfoZeile(std::string_view bezeichnung, const TZeitreihe* reihe, Boersentag datum,
                      int dezimalen, std::string_view einheit) {
  std::string zeile(bezeichnung);
  zeile += ": ";
  const std::optional<double> wert = reihe ? reihe->Lesen(datum) : std::nullopt;
  if (!wert) return zeile + "-";
  return zeile + ZahlZuText(dezimalen, *wert) + std::string(einheit);
}

std::string TIndikator::InfoSignalOszillator(Boersentag datum) const {
  return "Signal: " + ZahlZuText(0, SignalAm(datum)) + " %" + kInfoZeilenende +
         InfoZeile("Oszillator", Oszillator(), datum, 1, " Punkte");
}

std::string TIndikator::Info(Boersentag datum) const {
  return InfoSignalOszillator(datum);
}

void TIndikator::Zeichnen(TGrafikfenster& f, TIndikatorChart& chart) {
  TIndikatorZeichnen z(f, chart, *this);
  Darstellen(z);
}

void TIndikator::Darstellen(TIndikatorZeichnen& z) {
  if (z.SignalAngezeigt()) z.SignalverlaufZeichnen();
}

}  // namespace morvane
