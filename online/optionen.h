#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/exception.h"
#include "online/zeitplaner.h"

namespace morvane {

class TEinstellungen;

MORVANE_EXCEPTION(EOptionen, Exception);

// The options dialog's controls as the user left them: numbers as typed,
// the schedule as edited copies.
struct TOptionenEingabe {
  std::string Datenverzeichnis;
  std::string Timeout;
  bool Protokollieren = false;
  bool AutoUpdate = false;
  // Kept in konto.cfg, not in the settings: see UpdateAdresseSchreiben.
  std::string UpdateAdresse;
  bool ZeitplanAktiv = false;
  std::vector<TZeitpunkt> Zeitpunkte;
  bool DFUeVerbinden = false;
  // Empty when no entry is chosen.
  std::string DFUeEintrag;
  std::string Wahlwiederholungen;
  std::string Wahlpause;
  bool DFUeTrennen = false;
  std::string ProxyAdresse;
  std::string ProxyPort;
  std::string ProxyKennung;
  std::string ProxyPasswort;

  friend bool operator==(const TOptionenEingabe&, const TOptionenEingabe&) = default;
};

enum class TOptionenSeite { Programm, Kursaktualisierung, Internet };
enum class TOptionenFeld { Timeout, UpdateAdresse, DFUeListe, Wahlwiederholungen, Wahlpause };

// A refused input: the message, the tab to show and the control to focus.
struct TOptionenFehler {
  std::string Meldung;
  TOptionenSeite Seite;
  TOptionenFeld Feld;

  friend bool operator==(const TOptionenFehler&, const TOptionenFehler&) = default;
};

// Which controls are enabled.
struct TOptionenFreigaben {
  bool Zeitplan = false;    // the list and "Hinzufügen..."
  bool Bearbeiten = false;  // "Bearbeiten..." and "Löschen"
  bool DFUeVerbinden = false;
  bool DFUeFelder = false;  // phone book, redials, pause, "trennen"
  bool Eigenschaften = false;

  friend bool operator==(const TOptionenFreigaben&, const TOptionenFreigaben&) = default;
};

// The settings and the schedule as the dialog shows them on opening, with the
// update address of konto.cfg in the settings' program directory (empty, that
// is the default, when that file cannot be read).
TOptionenEingabe OptionenAus(const TEinstellungen& einstellungen, const TZeitplaner& zeitplaner);

// The checks of OK in their order; the first fault, or none. The choice of a
// phone-book entry is required only where dial-up networking is installed,
// since elsewhere dial on demand cannot be switched on.
std::optional<TOptionenFehler> OptionenPruefen(const TOptionenEingabe& eingabe,
                                               bool dfueInstalliert);

// Writes checked input back: the directory trimmed and given a trailing "/"
// unless empty, the numbers, the flags, the schedule in list order and the
// proxy texts as typed. Raises EOptionen, changing nothing, for a number
// OptionenPruefen refuses.
void OptionenSchreiben(const TOptionenEingabe& eingabe, TEinstellungen& einstellungen,
                       TZeitplaner& zeitplaner);

// Stores the update address (blanks around it dropped; empty means the
// default) in konto.cfg of the program directory, keeping the account values
// there; writes nothing when it is unchanged. Raises EKonto.
void UpdateAdresseSchreiben(const std::string& programmverzeichnis, std::string_view adresse);

TOptionenFreigaben OptionenFreigaben(const TOptionenEingabe& eingabe, bool zeileGewaehlt,
                                     bool dfueInstalliert);

// One check box of the time-point dialog: a catalog of the store.
struct TKatalogWahl {
  std::string Name;
  bool Gewaehlt = false;

  friend bool operator==(const TKatalogWahl&, const TKatalogWahl&) = default;
};

// The store's catalogs in the given order, each ticked when the time point
// names it. Names the store no longer holds are not offered and so drop out
// on OK.
std::vector<TKatalogWahl> KatalogWahlen(const std::vector<std::string>& vorhanden,
                                        const std::vector<std::string>& gewaehlt);

}  // namespace morvane
