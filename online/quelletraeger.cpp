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
  if (!vorlage_.ProWertpapier()) {
    anfragen.push_back({TArt::Einzelseite, vorlage_.Expandieren(), -1});
    return anfragen;
  }
  for (std::size_t i = 0; i < wps_.size(); ++i) {
    std::string text = vorlage_.Expandieren(wps_[i].Stammdaten(), wps_[i].AnfrageKennung());
    if (!text.empty()) anfragen.push_back({TArt::Wertpapier, std::move(text), static_cast<int>(i)});
  }
  return anfragen;
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
