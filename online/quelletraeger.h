#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/datum.h"
#include "online/inlineparser.h"
#include "online/quelle.h"
#include "online/scriptparser.h"
#include "online/wptraeger.h"

namespace morvane {

struct TKonto;

// One request of a source carrier in a pass.
struct TQuellAnfrage {
  enum class TArt { Session, Wertpapier, Einzelseite };
  TArt Art = TArt::Einzelseite;
  std::string Text;  // "URL\tuser\tpassword" of the login
  int WP = -1;       // the security of a per-security request
};

// One price source in an update run: its parsed address template and script
// and the securities assigned to it in the current pass.
class TQuelleTraeger {
 public:
  // Parses template and script; raises EInlineError or EScriptParseError.
  // `quelle` must outlive the carrier.
  TQuelleTraeger(const TQuelle& quelle, const TDatum& laufdatum);

  const TQuelle& Quelle() const { return *quelle_; }
  const std::string& Anzeigename() const { return anzeigename_; }
  bool IstTextdatei() const { return quelle_->IstTextdatei(); }

  std::vector<TWPTraeger>& WPs() { return wps_; }
  void Aufnehmen(TWPTraeger wp) { wps_.push_back(std::move(wp)); }

  // The requests of this pass in order: the login first when the template
  // needs a session and this carrier has not logged in during the run (the
  // account goes into the request as "URL\tname\tpassword"), then one per
  // security whose address is not empty, or one page for all of them.
  std::vector<TQuellAnfrage> Anfragen(const std::string& sessionAdresse, const TKonto& konto);
  // What to fetch for a request (a URL or a file path), expanded when it is
  // issued so that it carries the session identifier of the login before it.
  std::string Anfragetext(const TQuellAnfrage& anfrage) const;

  // Runs the script over a fetched page and hands each record to the
  // securities it belongs to; returns how many records the script read.
  int Auswerten(std::string_view seite, const TQuellAnfrage& anfrage);
  // Takes the session identifier from the login answer; false when it holds
  // none (the identifier then stays as it was).
  bool SessionLesen(std::string_view antwort);

 private:
  void Zuordnen(const TQuellAnfrage& anfrage, const std::string& kennung, const TKurs& kurs);

  const TQuelle* quelle_;
  std::string anzeigename_;
  TInlineParser vorlage_;
  TScriptParser script_;
  std::vector<TWPTraeger> wps_;
  bool angemeldet_ = false;
};

}  // namespace morvane
