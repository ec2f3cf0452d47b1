#include "store/wpanlegen.h"

#include <array>
#include <utility>

#include "core/textkodierung.h"
#include "core/zahltext.h"
#include "store/wpverwaltung.h"

namespace morvane {
namespace {

// The symbol fields of a template entry by exchange code 1 … 8.
using TSymbol = std::string TWertpapierEintrag::*;
constexpr std::array<TSymbol, 8> kSymbole = {
    &TWertpapierEintrag::Berlin,    &TWertpapierEintrag::Duesseldorf,
    &TWertpapierEintrag::Frankfurt, &TWertpapierEintrag::Hamburg,
    &TWertpapierEintrag::Hannover,  &TWertpapierEintrag::Muenchen,
    &TWertpapierEintrag::Stuttgart, &TWertpapierEintrag::Xetra};

bool IstBuchstabe(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IstZiffer(char c) {
  return c >= '0' && c <= '9';
}

bool FilterLaesst(int filter, int boerse) {
  return filter == kFilterAlle || filter == boerse + 1;
}

bool Leer(std::string_view text) {
  return Trimmen(text).empty();
}

// NeueID reserved the file; a write that failed must not leave it behind as
// an empty security.
void FreigebenVersuchen(const TWPVerwaltung& verwaltung, const std::string& id) {
  try {
    verwaltung.WertpapierLoeschen(id);
  } catch (const Exception&) {
    // The write's failure is the one the user needs to see.
  }
}

}  // namespace

TWPStammdaten ZeilenStammdaten(const TAnlegeZeile& zeile) {
  const TWertpapierEintrag& eintrag = *zeile.Eintrag;
  TWPStammdaten s;
  s.Bezeichnung = eintrag.Name;
  s.WKN = eintrag.WKN;
  s.ISIN = eintrag.ISIN;
  s.Boerse = static_cast<std::uint8_t>(zeile.Boerse);
  s.Kommentar = eintrag.Bemerkung;
  if (zeile.Boerse > 0) {
    const std::string& symbol = eintrag.*kSymbole[static_cast<std::size_t>(zeile.Boerse) - 1];
    if (symbol != "x") {
      if (!s.Kommentar.empty()) s.Kommentar += "; ";
      s.Kommentar += symbol;
    }
  }
  s.WPTyp = eintrag.IstIndex ? 1 : 0;
  s.Waehrung = eintrag.IstIndex ? "Punkte" : "EUR";
  return s;
}

std::array<std::string, kZeilenSpalten> ZeilenSpalten(const TAnlegeZeile& zeile) {
  TWPStammdaten s = ZeilenStammdaten(zeile);
  return {std::move(s.Kommentar), BoersenName(zeile.Boerse), std::move(s.Bezeichnung),
          std::move(s.WKN), std::move(s.ISIN)};
}

std::vector<std::string> BoersenFilter() {
  std::vector<std::string> liste{"Alle"};
  for (const std::string_view name : kBoersenplaetze)
    liste.emplace_back(name);
  return liste;
}

TSuchregeln SuchregelnFuer(std::string_view text) {
  const std::size_t laenge = IstGueltigesUtf8(text) ? Utf8Laenge(text) : text.size();
  TSuchregeln regeln;
  regeln.ISIN = laenge > 6 && IstBuchstabe(text[0]) && IstBuchstabe(text[1]);
  regeln.WKN = laenge > 2 && IstZiffer(text[0]) && IstZiffer(text[1]) && IstZiffer(text[2]);
  regeln.Name = laenge > 2;
  return regeln;
}

TWertpapierVorlagen::TListe VorlagenFinden(TWertpapierVorlagen& vorlagen,
                                           std::optional<std::size_t> kategorie,
                                           std::string_view text) {
  TWertpapierVorlagen::TListe liste;
  if (kategorie) {
    vorlagen.InKategorie(*kategorie, liste);
    return liste;
  }
  const TSuchregeln regeln = SuchregelnFuer(text);
  if (regeln.ISIN) vorlagen.SucheISIN(text, liste);
  if (regeln.WKN) vorlagen.SucheWKN(text, liste);
  if (regeln.Name) vorlagen.SucheName(text, liste);
  return liste;
}

std::vector<TAnlegeZeile> AnlegeZeilen(const TWertpapierVorlagen::TListe& eintraege, int filter) {
  std::vector<TAnlegeZeile> zeilen;
  for (const TWertpapierEintrag* eintrag : eintraege) {
    if (OhneBoerse(*eintrag) && FilterLaesst(filter, 0)) zeilen.push_back({eintrag, 0});
    for (std::size_t i = 0; i < kSymbole.size(); ++i) {
      const int boerse = static_cast<int>(i) + 1;
      if (!(eintrag->*kSymbole[i]).empty() && FilterLaesst(filter, boerse))
        zeilen.push_back({eintrag, boerse});
    }
  }
  return zeilen;
}

bool AusListeAnlegbar(std::size_t markierteZeilen, std::string_view katalog) {
  return markierteZeilen > 0 && !Leer(katalog);
}

bool ManuellAnlegbar(std::string_view name, std::string_view isin, std::string_view wkn,
                     std::string_view katalog) {
  return !Leer(name) && !(Leer(isin) && Leer(wkn)) && !Leer(katalog);
}

std::vector<std::string> WertpapiereAnlegen(const TWPVerwaltung& verwaltung,
                                            const std::string& katalog,
                                            const std::vector<TWPStammdaten>& wertpapiere) {
  std::vector<std::string> ids;
  for (std::size_t i = 0; i < wertpapiere.size(); ++i) {
    TWPStammdaten stammdaten = wertpapiere[i];
    try {
      stammdaten.ID = verwaltung.NeueID(katalog, stammdaten.Bezeichnung);
      try {
        verwaltung.StammdatenAendern(stammdaten.ID, stammdaten);
      } catch (const Exception&) {
        FreigebenVersuchen(verwaltung, stammdaten.ID);
        throw;
      }
    } catch (const Exception& e) {
      std::string text = "Das Wertpapier '" + stammdaten.Bezeichnung + "' (Nr. " +
                         std::to_string(i + 1) + " von " + std::to_string(wertpapiere.size()) +
                         ") konnte nicht angelegt werden: " + e.Meldung();
      if (!ids.empty()) text += "\nBereits angelegt: " + std::to_string(ids.size()) + ".";
      throw EWPAnlegen(text);
    }
    ids.push_back(stammdaten.ID);
  }
  return ids;
}

}  // namespace morvane
