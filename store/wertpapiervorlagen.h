#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/exception.h"

namespace morvane {

MORVANE_EXCEPTION(EWertpapierVorlagen, Exception);

class TLogbuch;

// One known security of the templates file.
struct TWertpapierEintrag {
  std::string ISIN;
  std::string WKN;
  std::string Kuerzel;
  std::string Waehrung;
  std::string Name;
  std::string Bemerkung;
  bool IstIndex = false;
  bool IstFonds = false;
  // The security's identifier at each exchange; empty: not traded there.
  std::string Berlin;
  std::string Duesseldorf;
  std::string Frankfurt;
  std::string Hamburg;
  std::string Hannover;
  std::string Muenchen;
  std::string Stuttgart;
  std::string Xetra;
};

// True when the entry is traded at none of the eight exchanges.
bool OhneBoerse(const TWertpapierEintrag& eintrag);

// The security templates file Werte35.mvw, read on first use and never written.
//
// Every operation that needs the file reads it then (the category names need
// only its head). A file that cannot be opened or read raises
// EWertpapierVorlagen, after the message has gone to the log book; the next
// call tries again.
class TWertpapierVorlagen {
 public:
  using TFortschritt = std::function<void(const std::string&)>;
  // Entries belong to this object and live as long as it does.
  using TListe = std::vector<const TWertpapierEintrag*>;

  // `logbuch` may be null; it must outlive this object.
  TWertpapierVorlagen(std::string pfad, TLogbuch* logbuch);

  // Receives "Lese Wertpapier-Vorlagen ..." while reading and an empty text at
  // its end.
  void SetzeFortschritt(TFortschritt fortschritt) { fortschritt_ = std::move(fortschritt); }

  // Replaces the list's content with the category names, in column order.
  void Kategorien(std::vector<std::string>& liste);
  // Appends the entries of category k (0-based); nothing for an unknown k.
  void InKategorie(std::size_t k, TListe& liste);
  // Append the entries whose ISIN / WKN begins with `text` and whose name
  // contains it, without regard to case, in file order.
  void SucheISIN(std::string_view text, TListe& liste);
  void SucheWKN(std::string_view text, TListe& liste);
  void SucheName(std::string_view text, TListe& liste);

  // All entries in file order.
  const std::deque<TWertpapierEintrag>& Eintraege();

  const std::string& Pfad() const { return pfad_; }

 private:
  struct TSchluessel {
    std::string Text;  // in capitals
    const TWertpapierEintrag* Eintrag;
  };
  struct TKategorie {
    std::string Name;
    TListe Eintraege;
  };
  enum class TZustand { Nichts, Kopf, Alles };

  void Laden(bool nurKopf);
  void Einlesen(std::string_view text, bool nurKopf);
  std::string_view Kopfzeilen(std::string_view& rest);
  void KategorienAnlegen(std::string_view spaltenzeile);
  void EintraegeLesen(std::string_view rest);
  void EintragAufnehmen(std::string_view zeile);
  void Melden(const std::string& text) const;
  [[noreturn]] void Fehler(const std::string& meldung) const;

  std::string pfad_;
  TLogbuch* logbuch_;
  TFortschritt fortschritt_;
  TZustand zustand_ = TZustand::Nichts;
  std::deque<TWertpapierEintrag> eintraege_;
  std::vector<TSchluessel> nachISIN_;
  std::vector<TSchluessel> nachWKN_;
  std::vector<TSchluessel> nachName_;
  std::vector<TKategorie> kategorien_;
};

}  // namespace morvane
