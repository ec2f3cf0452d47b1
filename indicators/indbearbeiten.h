#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "indicators/indikator.h"
#include "indicators/parameterseite.h"

namespace morvane {

// The parameter dialog of one indicator as data: what its controls open with,
// how the texts the user typed are checked (in the order the messages are to
// be given) and how they are taken over. The dialog only moves texts.

enum class TParameterSeite { Allgemein = 0, Berechnung = 1, Signalgenerierung = 2 };

// The "Signalgenerierung" page: maximum distance signal, approach slope and
// the lower extreme zone, in this order.
TBerechnungsseite Signalseite();
inline constexpr int kSignalEntfernung = 0;
inline constexpr int kSignalSteigung = 1;
inline constexpr int kSignalExtremzone = 2;

// The read-only upper extreme zone while the lower one is typed: 100 minus
// the value when the text is an integer 0..50, else empty.
std::string ExtremzoneObenText(std::string_view unten);

// The texts and states of all controls of the dialog.
struct TParameterEingaben {
  std::string Bezeichnung;
  std::string Kurzbezeichnung;
  std::vector<bool> Kaestchen;          // "Im Chart anzeigen"
  std::vector<std::string> Berechnung;  // one per field of Berechnungsseite()
  std::vector<std::string> Signal;      // one per field of Signalseite(); empty without
  friend bool operator==(const TParameterEingaben&, const TParameterEingaben&) = default;
};

struct TParameterFehler {
  TParameterSeite Seite = TParameterSeite::Allgemein;
  int Feld = -1;  // field of that page to focus, -1 for none
  std::string Meldung;
  friend bool operator==(const TParameterFehler&, const TParameterFehler&) = default;
};

// What the dialog opens with for `indikator`.
TParameterEingaben ParameterEingaben(const TIndikator& indikator);

// What the dialog shows as the type: the kind's type name; an aggregate,
// which has none, is named as such.
std::string TypText(const TIndikator& indikator);

// Name and code are editable only for a kind (not for an aggregate).
inline bool NameAenderbar(const TIndikator& indikator) {
  return !indikator.Schluessel().empty();
}

// Checks the inputs page by page; the first failure is returned and the
// indicator is left unchanged. Otherwise everything is taken over.
std::optional<TParameterFehler> ParameterUebernehmen(TIndikator& indikator,
                                                     const TParameterEingaben& eingaben);

}  // namespace morvane
