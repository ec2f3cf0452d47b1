#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "online/download.h"

namespace morvane {

class TEinstellungen;
class TInternetVerbindung;
class TLogbuch;
class TWPVerwaltung;
struct TKonto;

// A security that got no prices in an update run.
struct TWPOhneKurse {
  std::string ID;
  std::string Katalog;
  std::string Bezeichnung;
  bool Tageskurse = true;  // the mode in which it failed
  // "Kursquellen haben keinen Kurs geliefert."
  std::string Grund;
  friend bool operator==(const TWPOhneKurse&, const TWPOhneKurse&) = default;
};

// One fetched page as the surroundings hand it back.
struct TSeitenabruf {
  TDownload::TErgebnis Ergebnis = TDownload::Fehlgeschlagen;
  int Status = 0;          // HTTP status of the answer, 0 when none came
  std::string Inhaltstyp;  // its Content-Type
};

// Fetches one request through `download` with `agent` as the User-Agent and
// hands back how it ended, with the answer's status and content type.
TSeitenabruf SeiteAbrufen(TDownload& download, const std::string& anfrage, const std::string& agent,
                          const std::function<void(std::string_view)>& senke);

// What an update run needs from its surroundings: the GUI gives it the
// progress window and message boxes, the command line the console, the
// scheduler the log book alone.
class TKursaktuUmgebung {
 public:
  virtual ~TKursaktuUmgebung() = default;
  // The progress window's first line ("Bereite Kursaktualisierung vor ...",
  // "Mit dem Internet verbinden ...").
  virtual void Status(const std::string& text) = 0;
  // The source being fetched and "Adresse i von n (Lauf k)".
  virtual void Fortschritt(const std::string& quelle, int anzahl, int nummer, int lauf) = 0;
  // Fetches one request ("URL", or "URL\tuser\tpassword") into `senke`,
  // sending `agent` as the User-Agent.
  virtual TSeitenabruf Abrufen(const std::string& anfrage, const std::string& agent,
                               const std::function<void(std::string_view)>& senke) = 0;
  // A message the user must see (a message box in the GUI).
  virtual void Meldung(const std::string& text) = 0;
  // Keeps the surroundings responsive while waiting (dialling).
  virtual void Pumpe() {}
  // The main window is disabled for the run and enabled again afterwards.
  virtual void Sperren(bool /*gesperrt*/) {}
};

// The environment of every run: store, settings, log book, connection,
// account values and the program directory with the source files.
struct TKursaktuKontext {
  TWPVerwaltung& Verwaltung;
  TEinstellungen& Einstellungen;
  TLogbuch& Logbuch;
  TInternetVerbindung& Verbindung;
  const TKonto& Konto;
  std::string Programmverzeichnis;
};

// How a top-level update ended.
enum class TAktuAusgang {
  Erfolgreich,           // "Kursaktualisierung erfolgreich durchgeführt."
  MitUpdateErfolgreich,  // "Kursaktualisierung und Update erfolgreich durchgeführt."
  OhneKurse,             // the result list is to be shown
};

struct TAktuErgebnis {
  TAktuAusgang Ausgang = TAktuAusgang::OhneKurse;
  // False when the user aborted or no connection could be made.
  bool Vollstaendig = true;
  bool KeineVerbindung = false;
  // Sorted by "Katalog / Bezeichnung".
  std::vector<TWPOhneKurse> OhneKurse;
};

// The program's online update of the source files: true on success (only
// then the top-level update runs a second time). Empty when not available.
using TProgrammUpdate = std::function<bool()>;

// The top-level update: one run over `ids` (security IDs of the store) with
// the given modes, the second run after a successful program update when
// AutoUpdate is set, hanging up at the end. The caller shows the outcome.
TAktuErgebnis KursaktuMitUpdate(TKursaktuKontext& kontext, TKursaktuUmgebung& umgebung,
                                const std::vector<std::string>& ids, bool tageskurse,
                                bool historisch, const TProgrammUpdate& programmUpdate = {});

// The text shown for an outcome other than OhneKurse.
std::string AusgangText(TAktuAusgang ausgang);

// The IDs of every security of the named catalogs, catalog by catalog in the
// store's order.
std::vector<std::string> KatalogIDs(const TWPVerwaltung& verwaltung,
                                    const std::vector<std::string>& kataloge);

// The lines of the result list: "Katalog / Bezeichnung\tGrund", sorted.
std::vector<std::string> OhneKurseZeilen(const std::vector<TWPOhneKurse>& liste);

}  // namespace morvane
