#include "online/kursaktulauf.h"

#include <filesystem>

#include "core/textkodierung.h"
#include "online/internetverbindung.h"
#include "online/konto.h"
#include "store/einstellungen.h"
#include "store/logbuch.h"
#include "store/wpverwaltung.h"

namespace morvane {
namespace {

constexpr std::size_t kAuszugZeichen = 200;

std::string Fehlerzeile(const char* art, const std::string& quelle, const ETextfehler& e) {
  return std::string(art) + quelle + "': " + e.what() + " (Position " +
         std::to_string(e.Position()) + ")";
}

// The first characters of a page as one line for the log book.
std::string Auszug(std::string_view seite) {
  std::string text = IstGueltigesUtf8(seite)
                         ? std::string(seite.substr(0, Utf8Offset(seite, kAuszugZeichen)))
                         : Win1252ZuUtf8(seite.substr(0, kAuszugZeichen));
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  }
  return text;
}

}  // namespace

TWahlEinstellungen WahlEinstellungen(const TEinstellungen& e) {
  TWahlEinstellungen w;
  w.DFUeVerbinden = e.DFUeVerbinden;
  w.DFUeEintrag = e.DFUeEintrag;
  w.Wahlwiederholungen = e.Wahlwiederholungen;
  w.Wahlpause = e.Wahlpause;
  w.DFUeTrennen = e.DFUeTrennen;
  return w;
}

TKursaktu::TKursaktu(TKursaktuKontext& kontext, TKursaktuUmgebung& umgebung,
                     std::optional<TDatum> laufdatum)
    : kontext_(kontext),
      umgebung_(umgebung),
      sperre_(umgebung),
      laufdatum_(laufdatum.value_or(DatumAusKalendertag(HeuteKalendertag()))),
      quellen_(std::make_unique<TQuellenManager>(kontext.Programmverzeichnis)) {
  for (const std::string& meldung : quellen_->Meldungen())
    umgebung_.Meldung(meldung);
  traeger_.reserve(quellen_->Quellen().size());
  for (const TQuelle& quelle : quellen_->Quellen()) {
    try {
      traeger_.emplace_back(quelle, laufdatum_);
    } catch (const EInlineError& e) {
      Protokoll(
          Fehlerzeile("Fehler in Internetadresse/Pfad bei Kursquelle '", quelle.Anzeigename(), e));
    } catch (const EScriptParseError& e) {
      Protokoll(Fehlerzeile("Fehler im Script bei Kursquelle '", quelle.Anzeigename(), e));
    }
  }
}

TKursaktu::~TKursaktu() = default;

bool TKursaktu::Ausfuehren(const std::vector<std::string>& ids, bool tageskurse, bool historisch) {
  umgebung_.Status("Bereite Kursaktualisierung vor ...");
  Vorbereiten(ids, tageskurse, historisch);
  TextdateiLauf();
  const bool vollstaendig = InternetLaeufe();
  Neuverteilen(true);
  return vollstaendig;
}

void TKursaktu::Vorbereiten(const std::vector<std::string>& ids, bool tageskurse, bool historisch) {
  lauf_ = 1;
  for (const std::string& id : ids) {
    TWPStammdaten stammdaten;
    try {
      stammdaten = kontext_.Verwaltung.StammdatenLaden(id);
    } catch (const Exception& e) {
      Protokoll(std::string("Kursaktu: ") + e.what());
      for (bool modus : {true, false}) {
        if (modus ? tageskurse : historisch)
          unlesbar_.push_back({id, kontext_.Verwaltung.KatalogAusID(id),
                               std::filesystem::path(id).stem().string(), modus, e.what()});
      }
      continue;
    }
    if (tageskurse) Zuweisen(TWPTraeger(id, stammdaten, true));
    if (historisch) Zuweisen(TWPTraeger(id, stammdaten, false));
  }
}

// Moves a security to the carrier of its next candidate that takes part in
// the run; without one it has no prices.
void TKursaktu::Zuweisen(TWPTraeger wp) {
  while (std::optional<std::string> name = wp.NaechsteQuelle()) {
    for (TQuelleTraeger& traeger : traeger_) {
      if (traeger.Anzeigename() == *name) {
        traeger.Aufnehmen(std::move(wp));
        return;
      }
    }
  }
  ohneKurse_.push_back(std::move(wp));
}

std::vector<TKursaktu::TAuftrag> TKursaktu::Auftraege(bool textdateien) {
  std::vector<TAuftrag> auftraege;
  for (TQuelleTraeger& traeger : traeger_) {
    if (traeger.IstTextdatei() != textdateien) continue;
    for (TQuellAnfrage& anfrage : traeger.Anfragen(SessionAdresse, kontext_.Konto))
      auftraege.emplace_back(&traeger, std::move(anfrage));
  }
  return auftraege;
}

bool TKursaktu::InternetLaeufe() {
  std::vector<TAuftrag> auftraege = Auftraege(false);
  if (auftraege.empty()) return true;
  if (!Verbinden()) return false;
  std::string seite;
  while (!auftraege.empty()) {
    const int n = static_cast<int>(auftraege.size());
    for (int i = 0; i < n; ++i) {
      TAuftrag& auftrag = auftraege[static_cast<std::size_t>(i)];
      umgebung_.Fortschritt(auftrag.first->Anzeigename(), n, i + 1, lauf_);
      seite.clear();
      const TSeitenabruf abruf =
          umgebung_.Abrufen(auftrag.first->Anfragetext(auftrag.second), kontext_.Konto.Agent,
                            [&seite](std::string_view stueck) { seite.append(stueck); });
      if (abruf.Ergebnis == TDownload::Abgebrochen) return false;
      if (abruf.Ergebnis == TDownload::Fertig) Auswerten(auftrag, seite, &abruf);
    }
    Neuverteilen(false);
    ++lauf_;
    auftraege = Auftraege(false);
  }
  return true;
}

bool TKursaktu::Verbinden() {
  TInternetVerbindung& verbindung = kontext_.Verbindung;
  const auto status = verbindung.OnStatus;
  const auto pumpe = verbindung.Pumpe;
  verbindung.OnStatus = [&](std::uint16_t versuch) {
    if (status) status(versuch);
    if (versuch >= 2)
      umgebung_.Status("Mit dem Internet verbinden (" + std::to_string(versuch) + ". Versuch) ...");
  };
  verbindung.Pumpe = [&] {
    if (pumpe) pumpe();
    umgebung_.Pumpe();
  };
  umgebung_.Status("Mit dem Internet verbinden ...");
  const bool verbunden = verbindung.Connect(WahlEinstellungen(kontext_.Einstellungen));
  verbindung.OnStatus = status;
  verbindung.Pumpe = pumpe;
  if (verbunden) return true;
  keineVerbindung_ = true;
  umgebung_.Meldung(
      "Es konnte keine Verbindung zum Internet hergestellt werden.\rBitte überprüfen Sie Ihr "
      "Modem und die Einstellungen im Menü Extras / Optionen / Internet-Verbindung und versuchen "
      "Sie es erneut.");
  Protokoll("Kursaktu: Fehler beim Aufbau der Internet-Verbindung (" + verbindung.Fehlertext() +
            ")");
  return false;
}

void TKursaktu::Auswerten(TAuftrag& auftrag, std::string_view seite, const TSeitenabruf* abruf) {
  TQuelleTraeger& traeger = *auftrag.first;
  if (auftrag.second.Art == TQuellAnfrage::TArt::Session) {
    if (!traeger.SessionLesen(seite))
      Protokoll("Kursquelle '" + traeger.Anzeigename() +
                "': keine Sitzungskennung in der Antwort des Anbieters");
    return;
  }
  int gelesen = 0;
  try {
    gelesen = traeger.Auswerten(seite, auftrag.second);
  } catch (const Exception& e) {
    Protokoll("Kursquelle '" + traeger.Anzeigename() + "': Fehler beim Auswerten: " + e.what());
    return;
  }
  if (gelesen > 0 || !abruf) return;
  Protokoll(
      "Kursquelle '" + traeger.Anzeigename() + "': keine Kurse in der Seite (Status " +
      std::to_string(abruf->Status) + ", " +
      (abruf->Inhaltstyp.empty() ? std::string("ohne Inhaltstyp") : Auszug(abruf->Inhaltstyp)) +
      "): " + Auszug(seite));
}

// The log book must not end the run: a log book that cannot be opened is
// reported once.
void TKursaktu::Protokoll(const std::string& zeile) {
  try {
    kontext_.Logbuch.Schreiben(zeile);
  } catch (const ELogbuch& e) {
    if (!protokollGestoert_) umgebung_.Meldung(e.what());
    protokollGestoert_ = true;
  }
}

}  // namespace morvane
