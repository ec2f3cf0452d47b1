#include <algorithm>
#include <ostream>

#include "app/cli/befehle.h"
#include "core/datumtext.h"
#include "indicators/indanalyse.h"
#include "indicators/indvorlagen.h"
#include "store/einstellungen.h"

namespace morvane {
namespace {

// The user's indicator set computed over the whole price series of a security.
class TBerechnung {
 public:
  TBerechnung(const TKontext& k, const std::string& id) : einstellungen_(k.Programmverzeichnis) {
    IndEinstellungenEinstecken(einstellungen_);
    analyse_.emplace(IndVorlagen(einstellungen_));
    analyse_->Berechnen(k.Verwaltung.KurseLaden(id));
  }
  const TIndAnalyse& Analyse() const { return *analyse_; }
  // The entry named by the texts GRUPPE and INDEX; throws EAufruf when there is none.
  const TIndikator& Eintrag(const std::string& gruppe, const std::string& index) const {
    const int g = GanzzahlLesen(gruppe, "GRUPPE", 1, 3);
    const int anzahl = analyse_->Anzahl(g);
    return analyse_->Indikator(g, GanzzahlLesen(index, "INDEX", 0, anzahl - 1));
  }

 private:
  TEinstellungen einstellungen_;
  std::optional<TIndAnalyse> analyse_;
};

Boersentag BoersentagLesen(const std::string& text) {
  const auto tag = TextZuBoersentag(text);
  if (!tag) throw EAufruf("Ungültiges Datum oder kein Börsentag: " + text);
  return *tag;
}

std::string Wert(const TZeitreihe* reihe, Boersentag tag) {
  const auto wert = reihe ? reihe->Lesen(tag) : std::nullopt;
  return wert ? Zahl17(*wert) : "-";
}

void Signale(const TKontext& k, const TCliAufruf& a) {
  const Boersentag tag = BoersentagLesen(a.Arg(1));
  const TBerechnung b(k, a.Arg(0));
  for (int g = 1; g <= 3; ++g) {
    for (int i = 0; i < b.Analyse().Anzahl(g); ++i) {
      const TIndikator& ind = b.Analyse().Indikator(g, i);
      k.Aus << g << '\t' << i << '\t' << TextMaskiert(ind.Kurzbezeichnung()) << '\t'
            << Wert(ind.Signal(), tag) << '\n';
    }
  }
}

// First and last day on which one of the series has a value.
std::optional<std::pair<Boersentag, Boersentag>> Belegt(const TZeitreihe* a, const TZeitreihe* b) {
  std::optional<std::pair<Boersentag, Boersentag>> bereich;
  for (const TZeitreihe* reihe : {a, b}) {
    if (!reihe) continue;
    for (Boersentag t = reihe->Von(); t <= reihe->Bis(); ++t) {
      if (!reihe->Lesen(t)) continue;
      if (!bereich) bereich.emplace(t, t);
      bereich->first = std::min(bereich->first, t);
      bereich->second = std::max(bereich->second, t);
    }
  }
  return bereich;
}

void Reihen(const TKontext& k, const TCliAufruf& a) {
  const TBerechnung b(k, a.Arg(0));
  const TIndikator& ind = b.Eintrag(a.Arg(1), a.Arg(2));
  const auto bereich = Belegt(ind.Oszillator(), ind.Signal());
  if (!bereich) return;
  for (Boersentag t = bereich->first; t <= bereich->second; ++t) {
    k.Aus << BoersentagZuText(t) << '\t' << Wert(ind.Oszillator(), t) << '\t'
          << Wert(ind.Signal(), t) << '\n';
  }
}

void Info(const TKontext& k, const TCliAufruf& a) {
  const Boersentag tag = BoersentagLesen(a.Arg(3));
  const TBerechnung b(k, a.Arg(0));
  std::string text = b.Eintrag(a.Arg(1), a.Arg(2)).Info(tag);
  std::replace(text.begin(), text.end(), kInfoZeilenende, '\n');
  k.Aus << text << '\n';
}

}  // namespace

std::vector<TCliBefehl> Indikatorbefehle() {
  return {
      {"signale", {"signale ID DATUM", 2, 2, {}, {}}, Signale},
      {"reihen", {"reihen ID GRUPPE INDEX", 3, 3, {}, {}}, Reihen},
      {"info", {"info ID GRUPPE INDEX DATUM", 4, 4, {}, {}}, Info},
  };
}

}  // namespace morvane
