#include "core/transaktionsbearbeitung.h"

#include <cmath>

#include "core/datumtext.h"
#include "core/wertpapier.h"
#include "core/zahltext.h"

namespace morvane {

namespace {

constexpr double kHoechsterKurs = 1e9;
constexpr double kHoechstesSplitVerhaeltnis = 100000;

// The number in `text` read with `dezimalen` decimals, when it is finite and
// passes `gueltig`; otherwise ETransaktionseingabe(meldung, feld).
template <class Pruefung>
double ZahlLesen(std::string_view text, int dezimalen, Pruefung gueltig, const char* meldung,
                 TTransaktionsfeld feld) {
  const std::optional<double> wert = TextZuZahl(text, dezimalen);
  if (!wert || !std::isfinite(*wert) || !gueltig(*wert)) throw ETransaktionseingabe(meldung, feld);
  return *wert;
}

Boersentag DatumLesen(std::string_view text) {
  const std::optional<Boersentag> tag = TextZuBoersentag(text);
  if (!tag) {
    throw ETransaktionseingabe(
        "Ungültiges Datum angegeben! Es muss ein Börsentag angegeben werden.",
        TTransaktionsfeld::Datum);
  }
  return *tag;
}

double BetragLesen(std::string_view text) {
  return ZahlLesen(
      text, 2, [](double) { return true; }, "Ungültigen Transaktionsbetrag angegeben!",
      TTransaktionsfeld::Betrag);
}

template <class THandelsArt>
std::unique_ptr<TTransaktion> HandelLesen(Boersentag datum, const TTransaktionsEingabe& e) {
  const double stueck = ZahlLesen(
      e.Stueck, 4, [](double x) { return x > 0; }, "Ungültige Stückzahl angegeben!",
      TTransaktionsfeld::Stueck);
  const double kurs = ZahlLesen(
      e.Kurs, 4, [](double x) { return x >= 0 && x <= kHoechsterKurs; },
      "Ungültigen Transaktionskurs angegeben!", TTransaktionsfeld::Kurs);
  return std::make_unique<THandelsArt>(datum, stueck, kurs, BetragLesen(e.Betrag));
}

double SplitTeilLesen(std::string_view text, TTransaktionsfeld feld) {
  return ZahlLesen(
      text, 4, [](double x) { return x > 0 && x <= kHoechstesSplitVerhaeltnis; },
      "Das angegebene Splitting-Verhältnis ist ungültig.", feld);
}

}  // namespace

std::unique_ptr<TTransaktion> TransaktionLesen(const TTransaktionsEingabe& eingabe) {
  const Boersentag datum = DatumLesen(eingabe.Datum);
  switch (eingabe.Art) {
    case TEingabeArt::Kauf:
      return HandelLesen<TTransaktionKauf>(datum, eingabe);
    case TEingabeArt::Verkauf:
      return HandelLesen<TTransaktionVerkauf>(datum, eingabe);
    case TEingabeArt::Sonstige:
      break;
  }
  return std::make_unique<TTransaktionSonstige>(datum, BetragLesen(eingabe.Betrag));
}

TTransaktionsEingabe EingabeAusTransaktion(const TTransaktion& t) {
  TTransaktionsEingabe e;
  e.Datum = BoersentagZuText(t.Datum);
  if (const auto* handel = Als<TTransaktionHandel>(t)) {
    e.Art = t.Art() == TTransaktionsArt::Kauf ? TEingabeArt::Kauf : TEingabeArt::Verkauf;
    e.Stueck = KursZuText(handel->Stueck, true);
    e.Kurs = KursZuText(handel->Kurs);
    e.Betrag = ZahlZuText(2, handel->Betrag);
  } else if (const auto* sonstige = Als<TTransaktionSonstige>(t)) {
    e.Art = TEingabeArt::Sonstige;
    e.Betrag = ZahlZuText(2, sonstige->Betrag);
  }
  return e;
}

int TransaktionEinfuegen(TWPTransaktionen& liste, const TTransaktion& t) {
  const int index = liste.Einfuegen(t);
  if (!liste.BestandGueltig()) {
    liste.Entfernen(index);
    throw ETransaktionsbearbeitung(
        "Die angegebene Transaktion kann nicht eingefügt werden, weil dadurch ein negativer "
        "Bestand auftreten würde!");
  }
  return index;
}

std::unique_ptr<TTransaktion> TransaktionEntfernen(TWPTransaktionen& liste, int i) {
  // Checked before removing, so a refused removal leaves the transaction at
  // its place among equal ones. A bad index is reported first.
  static_cast<void>(liste.Transaktion(i));
  if (!liste.BestandGueltigOhne(i)) {
    throw ETransaktionsbearbeitung(
        "Diese Transaktion darf nicht gelöscht werden, weil dadurch ein negativer Bestand "
        "auftreten würde!");
  }
  return liste.Entnehmen(i);
}

std::optional<std::string_view> EntfernenRueckfrage(const TTransaktion& t) {
  if (t.Art() != TTransaktionsArt::Split) return std::nullopt;
  return "Wollen Sie den Aktiensplit wirklich löschen und die Kursänderungen rückgängig machen?";
}

std::string TransaktionsZeile(const TTransaktion& t) {
  std::string zeile = BoersentagZuText(t.Datum) + "\t";
  if (const auto* handel = Als<TTransaktionHandel>(t)) {
    zeile += t.Art() == TTransaktionsArt::Kauf ? "Kauf\t" : "Verkauf\t";
    zeile += KursZuTextGruppiert(handel->Stueck, true) + "\t" + KursZuTextGruppiert(handel->Kurs) +
             "\t" + ZahlZuTextGruppiert(2, handel->Betrag);
  } else if (const auto* split = Als<TTransaktionSplit>(t)) {
    zeile += "Split\t" + KursZuTextGruppiert(split->Von, true) + " : " +
             KursZuTextGruppiert(split->Nach, true) + "\t\t";
  } else if (const auto* sonstige = Als<TTransaktionSonstige>(t)) {
    zeile += "Sonstige\t\t\t" + ZahlZuTextGruppiert(2, sonstige->Betrag);
  }
  return zeile;
}

void SplitsRueckgaengig(TKurse& kurse, const std::vector<TTransaktionSplit>& splits) {
  for (const TTransaktionSplit& s : splits)
    KurseSplitAnpassen(kurse, s.Datum, s.Nach, s.Von);
}

TSplitEingabe SplitLesen(std::string_view von, std::string_view nach, std::string_view datum) {
  TSplitEingabe e;
  e.Von = SplitTeilLesen(von, TTransaktionsfeld::Von);
  e.Nach = SplitTeilLesen(nach, TTransaktionsfeld::Nach);
  e.Datum = DatumLesen(datum);
  return e;
}

int TTransaktionsbearbeitung::Hinzufuegen(const TTransaktionsEingabe& eingabe) {
  return TransaktionEinfuegen(liste_, *TransaktionLesen(eingabe));
}

void TTransaktionsbearbeitung::Entfernen(int i) {
  const std::unique_ptr<TTransaktion> entfernt = TransaktionEntfernen(liste_, i);
  if (const auto* split = Als<TTransaktionSplit>(*entfernt)) entfernteSplits_.push_back(*split);
}

}  // namespace morvane
