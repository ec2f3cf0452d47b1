#include "indicators/indgesamt.h"

#include <stdexcept>

#include "core/zahltext.h"

namespace morvane {

namespace {
constexpr std::array<std::string_view, 4> kGesamtKuerzel = {"", "Z-Ø", "T-Ø", "I-Ø"};
}

TIndGesamt::TIndGesamt(TIndGruppe* liste, int gruppe) : Liste(liste) {
  if (gruppe < 1 || gruppe > 3) throw std::invalid_argument("Ungültige Indikatorgruppe");
  Gruppe = static_cast<std::uint8_t>(gruppe);
  NameSetzen("Gesamtsignal der " + std::string(kGruppentext[gruppe]), kGesamtKuerzel[gruppe]);
  Gewichtung = 0;
}

std::span<const std::unique_ptr<TIndikator>> TIndGesamt::Mitglieder() const {
  if (!Liste || Liste->empty()) return {};
  return std::span(*Liste).first(Liste->size() - 1);
}

void TIndGesamt::Rechnen(const TKurse& kurse) {
  const auto mitglieder = Mitglieder();
  if (mitglieder.empty() || kurse.Anzahl() == 0) return;
  int summe = 0;
  for (const auto& m : mitglieder)
    summe += m->Gewichtung;
  if (summe == 0) return;
  std::vector<float> gewicht;
  for (const auto& m : mitglieder) {
    gewicht.push_back(static_cast<float>(static_cast<double>(m->Gewichtung) / summe));
  }
  // The members' signal arrays, each placed against the price range; a date
  // a member has no signal for counts with 0 as SignalAm gives it.
  struct TQuelle {
    std::span<const double> Werte;
    std::span<const std::uint8_t> Belegt;
    std::int64_t Anfang = 0;  // the member's first slot in the range's slots
  };
  const Boersentag von = kurse.ErsterTag();
  std::vector<TQuelle> quellen;
  for (const auto& m : mitglieder) {
    const TZeitreihe* s = m->Signal();
    quellen.push_back(s ? TQuelle{s->Werte(), s->Belegt(), std::int64_t{s->Von()} - von}
                        : TQuelle{});
  }
  signal_ =
      TZeitreihe::Aufbauen(von, kurse.LetzterTag(), [&](std::size_t i) -> std::optional<double> {
        double wert = 0;
        for (std::size_t k = 0; k < quellen.size(); ++k) {
          const TQuelle& q = quellen[k];
          const auto j = static_cast<std::size_t>(static_cast<std::int64_t>(i) - q.Anfang);
          wert += gewicht[k] * (j < q.Belegt.size() && q.Belegt[j] ? q.Werte[j] : 0.0);
        }
        return wert;
      });
}

TBerechnungsseite TIndGesamt::Berechnungsseite() const {
  TBerechnungsseite seite;
  const auto mitglieder = Mitglieder();
  if (!mitglieder.empty()) seite.Ueberschrift = "Gewichtung der Indikatoren:";
  for (const auto& m : mitglieder) {
    TEingabefeld feld;
    feld.Beschriftung = m->Bezeichnung();
    feld.Minimum = 0;
    feld.Maximum = 100;
    feld.Meldung = "Als Gewichtung muss eine ganze Zahl zwischen 0 und 100 angegeben werden.";
    seite.Felder.push_back(std::move(feld));
  }
  return seite;
}

std::vector<std::string> TIndGesamt::BerechnungTexte() const {
  std::vector<std::string> texte;
  for (const auto& m : Mitglieder())
    texte.push_back(ZahlZuTextGanz(m->Gewichtung));
  return texte;
}

void TIndGesamt::BerechnungSetzen(std::span<const double> werte) {
  const auto mitglieder = Mitglieder();
  for (std::size_t k = 0; k < mitglieder.size() && k < werte.size(); ++k) {
    mitglieder[k]->Gewichtung = static_cast<std::uint8_t>(werte[k]);
  }
}

std::string TIndGesamt::Info(Boersentag datum) const {
  const std::string wert = ZahlZuText(0, SignalAm(datum)) + " %";
  return (Gruppe == 3 ? "Trendintensität: " : "Signal: ") + wert;
}

void TIndGesamt::Darstellen(TIndikatorZeichnen& z) {
  if (Anzeige == 0) return;
  if (Gruppe == 3)
    z.IntensitaetZeichnen();
  else
    z.SignalverlaufZeichnen();
}

}  // namespace morvane
