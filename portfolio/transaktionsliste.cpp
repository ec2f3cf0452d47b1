#include <string>

#include "core/datumtext.h"
#include "portfolio/depotlisten.h"
#include "portfolio/listenzeilen.h"
#include "portfolio/transaktionsrechner.h"

namespace morvane {
namespace {

// Type, quantity, old/new holding and amount of the booked transaction.
std::string Buchungszellen(const TTransaktion& t, double vorher, double nachher,
                           std::string_view waehrung) {
  const std::string bestand = StueckText(vorher) + " / " + StueckText(nachher);
  switch (t.Art()) {
    case TTransaktionsArt::Kauf:
    case TTransaktionsArt::Verkauf: {
      const auto& handel = static_cast<const TTransaktionHandel&>(t);
      return Zeile({t.Art() == TTransaktionsArt::Kauf ? "Kauf" : "Verkauf",
                    StueckText(handel.Stueck), bestand, BetragText(handel.Betrag, waehrung)});
    }
    case TTransaktionsArt::Split: {
      const auto& split = static_cast<const TTransaktionSplit&>(t);
      return Zeile({"Split", StueckText(split.Von) + " : " + StueckText(split.Nach), bestand, ""});
    }
    case TTransaktionsArt::Sonstige:
      break;
  }
  return Zeile({"Sonstige", "", "",
                BetragText(static_cast<const TTransaktionSonstige&>(t).Betrag, waehrung)});
}

}  // namespace

TDepotListe WertpapierTransaktionen(const TWertpapier& wertpapier) {
  TDepotListe liste;
  liste.Titel = wertpapier.Bezeichnung;
  liste.Spalten = Spalten({"Datum", "Typ", "Stück", "alter/neuer Bestand", "Ausgaben/Einnahmen",
                           "Summe bisher", "realisierter Gewinn", "in %"});
  liste.Spalten[1].Ausrichtung = TAusrichtung::Links;
  const std::string_view w = wertpapier.Waehrung;
  TTransaktionsRechner rechner(wertpapier);
  double vorher = rechner.Bestand();
  while (rechner.Naechste()) {
    const TTransaktion& t = rechner.AktuelleTransaktion();
    std::string ertrag = "\t";
    if (const std::optional<TErtrag> e = rechner.LetzterErtrag())
      ertrag = Zeile({BetragText(e->Ertrag, w), ProzentText(e->Rendite)});
    liste.Zeilen.push_back(
        Zeile({BoersentagZuText(t.Datum), Buchungszellen(t, vorher, rechner.Bestand(), w),
               BetragText(rechner.Kasse(), w), ertrag}));
    vorher = rechner.Bestand();
  }
  if (liste.Zeilen.empty()) return liste;
  liste.Zeilen.emplace_back(kTrennzeile);
  liste.Zeilen.push_back(
      Zeile({"Gesamt:", "", StueckText(rechner.Bestand()), "", BetragText(rechner.Kasse(), w), "",
             BetragText(rechner.Realisiert(), w), ProzentText(rechner.RenditeRealisiert())}));
  liste.Zeilen.emplace_back(kSchlusszeile);
  return liste;
}

}  // namespace morvane
