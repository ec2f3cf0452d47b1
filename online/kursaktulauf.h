#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/datum.h"
#include "online/kursaktu.h"
#include "online/quellenmanager.h"
#include "online/quelletraeger.h"

namespace morvane {

struct TWahlEinstellungen;

// The provider's login service; the customer number follows.
inline constexpr std::string_view kSessionAdresse =
    "https://xml.onvista.de/session.xml?ID_CUST_XML=";

// Why a security got nothing, as the result list shows it.
inline constexpr std::string_view kKeinKurs = "Kursquellen haben keinen Kurs geliefert.";

// The dial-up values of the settings.
TWahlEinstellungen WahlEinstellungen(const TEinstellungen& einstellungen);

// One update run: loads and prepares the sources, distributes the securities
// over them, reads the text-file sources, fetches the internet pages pass by
// pass (a security that got nothing moves on to its next candidate source),
// merges what came into the store and collects the securities left without
// prices. The surroundings are locked from construction to destruction.
class TKursaktu {
 public:
  // `laufdatum` fills the date placeholders of the addresses (today when
  // not given).
  TKursaktu(TKursaktuKontext& kontext, TKursaktuUmgebung& umgebung,
            std::optional<TDatum> laufdatum = std::nullopt);
  ~TKursaktu();
  TKursaktu(const TKursaktu&) = delete;
  TKursaktu& operator=(const TKursaktu&) = delete;

  // False when the user aborted or no connection could be made.
  bool Ausfuehren(const std::vector<std::string>& ids, bool tageskurse, bool historisch);

  // The securities without prices, in the order they ran out of sources.
  std::vector<TWPOhneKurse> OhneKurse() const;
  bool KeineVerbindung() const { return keineVerbindung_; }

  // The login address; tests point it to a local server.
  std::string SessionAdresse{kSessionAdresse};

 private:
  void Vorbereiten(const std::vector<std::string>& ids, bool tageskurse, bool historisch);
  void Zuweisen(TWPTraeger wp);
  void TextdateiLauf();
  bool InternetLaeufe();
  bool Verbinden();
  // The requests of every carrier of the kind, carrier by carrier.
  using TAuftrag = std::pair<TQuelleTraeger*, TQuellAnfrage>;
  std::vector<TAuftrag> Auftraege(bool textdateien);
  void Textdatei(TAuftrag& auftrag);
  // Interprets a page (`abruf` set) or a text file's content.
  void Auswerten(TAuftrag& auftrag, std::string_view seite, const TSeitenabruf* abruf);
  // Merges every security that got records and reassigns the others (or,
  // at the end, lists them as without prices).
  void Neuverteilen(bool zumSchluss);
  void Mischen(const TWPTraeger& wp);
  void Protokoll(const std::string& zeile);

  // Locks the surroundings for the lifetime of the run.
  struct TSperre {
    explicit TSperre(TKursaktuUmgebung& u) : umgebung(u) { umgebung.Sperren(true); }
    ~TSperre() { umgebung.Sperren(false); }
    TSperre(const TSperre&) = delete;
    TSperre& operator=(const TSperre&) = delete;
    TKursaktuUmgebung& umgebung;
  };

  TKursaktuKontext& kontext_;
  TKursaktuUmgebung& umgebung_;
  TSperre sperre_;
  TDatum laufdatum_;
  std::unique_ptr<TQuellenManager> quellen_;
  std::vector<TQuelleTraeger> traeger_;
  std::vector<TWPTraeger> ohneKurse_;
  // Securities whose master data could not be loaded.
  std::vector<TWPOhneKurse> unlesbar_;
  int lauf_ = 1;
  bool keineVerbindung_ = false;
  bool protokollGestoert_ = false;
};

}  // namespace morvane
