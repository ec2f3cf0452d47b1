#include "online/quelletraeger.h"

#include "online/interpreter.h"
#include "online/konto.h"
#include "online/sessionantwort.h"

namespace morvane {

TQuelleTraeger::TQuelleTraeger(const TQuelle& quelle, const TDatum& laufdatum)
    : quelle_(&quelle),
      anzeigename_(quelle.Anzeigename()),
      vorlage_(quelle.UrlVorlage, laufdatum),
      script_(quelle.Script) {}

std::vector<TQuellAnfrage> TQuelleTraeger::Anfragen(const std::string& sessionAdresse,
                                                    const TKonto& konto) {
  std::vector<TQuellAnfrage> anfragen;
  if (wps_.empty()) return anfragen;
  using TArt = TQuellAnfrage::TArt;
  if (vorlage_.BrauchtSession() && !angemeldet_ && !IstTextdatei()) {
    angemeldet_ = true;
    anfragen.push_back({TArt::Session,
                        sessionAdresse + konto.OnvistaNummer + '\t' + konto.OnvistaName + '\t' +
                            konto.OnvistaPasswort,
                        -1});
  }
  // An address that expands to nothing (a date placeholder without a date)
  // is not asked for.
  const auto nehmen = [&](const TQuellAnfrage& anfrage) {
    if (!Anfragetext(anfrage).empty()) anfragen.push_back(anfrage);
  };
  if (!vorlage_.ProWertpapier()) {
    nehmen({TArt::Einzelseite, {}, -1});
    return anfragen;
  }
  for (std::size_t i = 0; i < wps_.size(); ++i)
    nehmen({TArt::Wertpapier, {}, static_cast<int>(i)});
  return anfragen;
}

std::string TQuelleTraeger::Anfragetext(const TQuellAnfrage& anfrage) const {
  switch (anfrage.Art) {
    case TQuellAnfrage::TArt::Session:
      return anfrage.Text;
    case TQuellAnfrage::TArt::Wertpapier: {
      const TWPTraeger& wp = wps_.at(static_cast<std::size_t>(anfrage.WP));
      return vorlage_.Expandieren(wp.Stammdaten(), wp.AnfrageKennung());
    }
    case TQuellAnfrage::TArt::Einzelseite:
      break;
  }
  return vorlage_.Expandieren();
}

bool TQuelleTraeger::SessionLesen(std::string_view antwort) {
  std::optional<std::string> id = SessionIDLesen(antwort);
  if (id) vorlage_.SessionIDSetzen(std::move(*id));
  return id.has_value();
}

int TQuelleTraeger::Auswerten(std::string_view seite, const TQuellAnfrage& anfrage) {
  int gelesen = 0;
  TInterpreter interpreter(script_, seite, quelle_->IstHtml(),
                           [&](const std::string& kennung, const TKurs& kurs) {
                             ++gelesen;
                             Zuordnen(anfrage, kennung, kurs);
                           });
  interpreter.Ausfuehren();
  return gelesen;
}

// A page of one security takes records without identifier or with its own;
// a page for all hands each record to the securities of that identifier, or
// to the only one when neither side names one.
void TQuelleTraeger::Zuordnen(const TQuellAnfrage& anfrage, const std::string& kennung,
                              const TKurs& kurs) {
  if (anfrage.Art == TQuellAnfrage::TArt::Wertpapier) {
    TWPTraeger& wp = wps_.at(static_cast<std::size_t>(anfrage.WP));
    if (kennung.empty() || kennung == wp.SatzKennung()) wp.Nehmen(kurs);
    return;
  }
  if (wps_.size() == 1 && kennung.empty() && wps_[0].SatzKennung().empty()) {
    wps_[0].Nehmen(kurs);
    return;
  }
  if (kennung.empty()) return;
  for (TWPTraeger& wp : wps_) {
    if (wp.SatzKennung() == kennung) wp.Nehmen(kurs);
  }
}

}  // namespace morvane
