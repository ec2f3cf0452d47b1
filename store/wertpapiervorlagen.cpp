#include "store/wertpapiervorlagen.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/datei.h"
#include "core/textkodierung.h"
#include "core/zahltext.h"
#include "store/grossbuchstaben.h"
#include "store/logbuch.h"

namespace morvane {
namespace {

constexpr std::string_view kKopfzeile = "Morvane 3.5  Wertpapier-Vorlagen";
constexpr std::string_view kSpalten =
    "ISIN\tWKN\tKürzel\tWährung\tName\tBemerkung\tIstIndex\tIstFonds\tBerlin\tDüsseldorf\t"
    "Frankfurt\tHamburg\tHannover\tMünchen\tStuttgart\tXetra\t";
constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kLese = "Lese Wertpapier-Vorlagen ...";
constexpr std::size_t kMeldeSchritt = 1000;

// The sixteen fixed columns in file order; null marks the two flag columns.
using TTextfeld = std::string TWertpapierEintrag::*;
constexpr std::size_t kFesteSpalten = 16;
constexpr std::size_t kSpalteIstIndex = 6;
constexpr std::size_t kSpalteIstFonds = 7;
const std::array<TTextfeld, kFesteSpalten> kTextfelder = {&TWertpapierEintrag::ISIN,
                                                          &TWertpapierEintrag::WKN,
                                                          &TWertpapierEintrag::Kuerzel,
                                                          &TWertpapierEintrag::Waehrung,
                                                          &TWertpapierEintrag::Name,
                                                          &TWertpapierEintrag::Bemerkung,
                                                          nullptr,
                                                          nullptr,
                                                          &TWertpapierEintrag::Berlin,
                                                          &TWertpapierEintrag::Duesseldorf,
                                                          &TWertpapierEintrag::Frankfurt,
                                                          &TWertpapierEintrag::Hamburg,
                                                          &TWertpapierEintrag::Hannover,
                                                          &TWertpapierEintrag::Muenchen,
                                                          &TWertpapierEintrag::Stuttgart,
                                                          &TWertpapierEintrag::Xetra};

// Takes the next line off `rest` (without its "\n").
std::string_view NaechsteZeile(std::string_view& rest) {
  const std::size_t ende = rest.find('\n');
  std::string_view zeile = rest.substr(0, ende);
  rest.remove_prefix(ende == std::string_view::npos ? rest.size() : ende + 1);
  return zeile;
}

// Takes the next tab-separated field off `rest`.
std::string_view NaechsteSpalte(std::string_view& rest) {
  const std::size_t ende = rest.find('\t');
  std::string_view feld = rest.substr(0, ende);
  rest.remove_prefix(ende == std::string_view::npos ? rest.size() : ende + 1);
  return feld;
}

bool IstUeberspringbar(std::string_view getrimmt) {
  return getrimmt.empty() || getrimmt.starts_with("//");
}

// The fields of an entry line. Trailing blanks and control characters go (a
// missing trailing field is empty anyway), but a leading tab stays: it is the
// separator after an empty ISIN, and dropping it would shift every column.
std::string_view Eintragsfelder(std::string_view zeile) {
  while (!zeile.empty() && static_cast<unsigned char>(zeile.back()) <= ' ')
    zeile.remove_suffix(1);
  while (!zeile.empty() && static_cast<unsigned char>(zeile.front()) <= ' ' &&
         zeile.front() != '\t') {
    zeile.remove_prefix(1);
  }
  return zeile;
}

// Appends the entries of `schluessel` whose key passes `passt`; linear, over
// keys that are in capitals already.
template <class TSchluesselListe, class TPruefung>
void Suchen(const TSchluesselListe& schluessel, TWertpapierVorlagen::TListe& liste,
            TPruefung passt) {
  for (const auto& [text, eintrag] : schluessel) {
    if (passt(std::string_view(text))) liste.push_back(eintrag);
  }
}

}  // namespace

bool OhneBoerse(const TWertpapierEintrag& e) {
  return e.Berlin.empty() && e.Duesseldorf.empty() && e.Frankfurt.empty() && e.Hamburg.empty() &&
         e.Hannover.empty() && e.Muenchen.empty() && e.Stuttgart.empty() && e.Xetra.empty();
}

TWertpapierVorlagen::TWertpapierVorlagen(std::string pfad, TLogbuch* logbuch)
    : pfad_(std::move(pfad)), logbuch_(logbuch) {}

void TWertpapierVorlagen::Melden(const std::string& text) const {
  if (fortschritt_) fortschritt_(text);
}

void TWertpapierVorlagen::Fehler(const std::string& meldung) const {
  if (logbuch_) {
    try {
      logbuch_->Schreiben(meldung);
    } catch (const Exception&) {
      // The user sees the message anyway; a log book that cannot be opened
      // must not hide it.
    }
  }
  throw EWertpapierVorlagen(meldung);
}

void TWertpapierVorlagen::Laden(bool nurKopf) {
  if (zustand_ == TZustand::Alles || (nurKopf && zustand_ == TZustand::Kopf)) return;
  Melden(std::string(kLese));
  struct TEnde {
    const TWertpapierVorlagen& vorlagen;
    ~TEnde() { vorlagen.Melden(std::string()); }
  } ende{*this};

  std::string text;
  try {
    text = ExternZuUtf8(DateiLesen(pfad_));
  } catch (const Exception& e) {
    Fehler("Konnte Datei '" + pfad_ + "' nicht öffnen: " + e.Meldung());
  }
  try {
    Einlesen(text, nurKopf);
  } catch (const Exception& e) {
    Fehler("Fehler beim Lesen der Datei '" + pfad_ + "': " + e.Meldung());
  }
}

void TWertpapierVorlagen::Einlesen(std::string_view text, bool nurKopf) {
  if (text.starts_with(kBom)) text.remove_prefix(kBom.size());
  const std::string_view spaltenzeile = Kopfzeilen(text);
  // A second pass for the entries keeps the categories read with the head.
  if (zustand_ == TZustand::Nichts) {
    KategorienAnlegen(spaltenzeile);
    zustand_ = TZustand::Kopf;
  }
  if (nurKopf) return;
  EintraegeLesen(text);
  zustand_ = TZustand::Alles;
}

std::string_view TWertpapierVorlagen::Kopfzeilen(std::string_view& rest) {
  std::string_view erste = NaechsteZeile(rest);
  if (erste.ends_with('\r')) erste.remove_suffix(1);
  if (erste != kKopfzeile) throw EWertpapierVorlagen("Keine Morvane 3.5 Wertpapier-Vorlagen Datei");
  while (!rest.empty()) {
    const std::string_view zeile = Trimmen(NaechsteZeile(rest));
    if (IstUeberspringbar(zeile)) continue;
    if (!zeile.starts_with(kSpalten)) break;
    return zeile;
  }
  throw EWertpapierVorlagen("Ungültiges Spaltenformat");
}

void TWertpapierVorlagen::KategorienAnlegen(std::string_view spaltenzeile) {
  std::string_view namen = spaltenzeile.substr(kSpalten.size());
  kategorien_.clear();
  while (!namen.empty())
    kategorien_.push_back({std::string(NaechsteSpalte(namen)), {}});
}

void TWertpapierVorlagen::EintraegeLesen(std::string_view rest) {
  // Entries left from an attempt that failed are dropped, not doubled.
  eintraege_.clear();
  nachISIN_.clear();
  nachWKN_.clear();
  nachName_.clear();
  for (auto& kategorie : kategorien_)
    kategorie.Eintraege.clear();

  const std::size_t zeilen =
      static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\n')) + 1;
  nachISIN_.reserve(zeilen);
  nachWKN_.reserve(zeilen);
  nachName_.reserve(zeilen);
  while (!rest.empty()) {
    const std::string_view zeile = NaechsteZeile(rest);
    if (IstUeberspringbar(Trimmen(zeile))) continue;
    EintragAufnehmen(Eintragsfelder(zeile));
    if (eintraege_.size() % kMeldeSchritt == 0) {
      Melden(std::string(kLese) + " " + std::to_string(eintraege_.size()));
    }
  }
}

void TWertpapierVorlagen::EintragAufnehmen(std::string_view felder) {
  TWertpapierEintrag& eintrag = eintraege_.emplace_back();
  for (std::size_t spalte = 0; spalte < kFesteSpalten; ++spalte) {
    const std::string_view feld = NaechsteSpalte(felder);
    if (spalte == kSpalteIstIndex) {
      eintrag.IstIndex = !feld.empty();
    } else if (spalte == kSpalteIstFonds) {
      eintrag.IstFonds = !feld.empty();
    } else {
      eintrag.*kTextfelder[spalte] = feld;
    }
  }
  for (auto& kategorie : kategorien_) {
    if (felder.empty()) break;
    if (!NaechsteSpalte(felder).empty()) kategorie.Eintraege.push_back(&eintrag);
  }
  if (!eintrag.ISIN.empty()) nachISIN_.push_back({Grossbuchstaben(eintrag.ISIN), &eintrag});
  if (!eintrag.WKN.empty()) nachWKN_.push_back({Grossbuchstaben(eintrag.WKN), &eintrag});
  if (!eintrag.Name.empty()) nachName_.push_back({Grossbuchstaben(eintrag.Name), &eintrag});
}

void TWertpapierVorlagen::Kategorien(std::vector<std::string>& liste) {
  Laden(true);
  liste.clear();
  for (const auto& kategorie : kategorien_)
    liste.push_back(kategorie.Name);
}

void TWertpapierVorlagen::InKategorie(std::size_t k, TListe& liste) {
  Laden(false);
  if (k >= kategorien_.size()) return;
  const TListe& eintraege = kategorien_[k].Eintraege;
  liste.insert(liste.end(), eintraege.begin(), eintraege.end());
}

void TWertpapierVorlagen::SucheISIN(std::string_view text, TListe& liste) {
  Laden(false);
  const std::string suche = Grossbuchstaben(text);
  Suchen(nachISIN_, liste, [&](std::string_view s) { return s.starts_with(suche); });
}

void TWertpapierVorlagen::SucheWKN(std::string_view text, TListe& liste) {
  Laden(false);
  const std::string suche = Grossbuchstaben(text);
  Suchen(nachWKN_, liste, [&](std::string_view s) { return s.starts_with(suche); });
}

void TWertpapierVorlagen::SucheName(std::string_view text, TListe& liste) {
  Laden(false);
  const std::string suche = Grossbuchstaben(text);
  Suchen(nachName_, liste, [&](std::string_view s) { return s.find(suche) != s.npos; });
}

const std::deque<TWertpapierEintrag>& TWertpapierVorlagen::Eintraege() {
  Laden(false);
  return eintraege_;
}

}  // namespace morvane
