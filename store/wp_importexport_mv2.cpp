#include "store/wp_importexport_mv2.h"

#include <string_view>
#include <vector>

#include "core/gebuehren.h"
#include "core/textkodierung.h"
#include "store/altkodierung.h"

namespace morvane {
namespace {

constexpr std::string_view kKopf = "Morvane 2.0  Wertpapier-Datei\x1A";

struct THandel {
  Boersentag Datum;
  bool Kauf;
  double Stueck;
};

Boersentag DatumBei(std::string_view satz) {
  return AlterBoersentag(WordBei(satz, 0), WordBei(satz, 2), WordBei(satz, 4));
}

std::vector<THandel> HandelLesen(TBinaerLeser& leser) {
  std::vector<THandel> handel;
  SaetzeLesen(leser, 11, [&](std::string_view satz) {
    handel.push_back({DatumBei(satz), ByteBei(satz, 6) != 0, double(Int32Bei(satz, 7))});
  });
  return handel;
}

void KursAusSatz(std::string_view satz, TKurs& k) {
  TBinaerLeser werte(satz.substr(6));
  k.Datum = DatumBei(satz);
  k.Kassakurs = Real6(werte);
  k.Eroeffnung = k.Kassakurs;
  k.Hoch = Real6(werte);
  k.Tief = Real6(werte);
  k.Schluss = Real6(werte);
  k.Umsatz = werte.Int32();
}

void TransaktionenEinfuegen(const std::vector<THandel>& handel, TWertpapier& wertpapier) {
  for (const THandel& h : handel) {
    const TKurs* tageskurs = wertpapier.Kurse.Suche(h.Datum);
    const double kurs = tageskurs ? tageskurs->Kassakurs : 0.0;
    if (h.Kauf) {
      wertpapier.Transaktionen.Einfuegen(
          TTransaktionKauf(h.Datum, h.Stueck, kurs, KaufBetrag(wertpapier, kurs, h.Stueck)));
    } else {
      wertpapier.Transaktionen.Einfuegen(
          TTransaktionVerkauf(h.Datum, h.Stueck, kurs, VerkaufBetrag(wertpapier, kurs, h.Stueck)));
    }
  }
}

}  // namespace

void TWP_ImportExport_MV2::Lesen(TBinaerLeser& leser, TLeseumfang umfang, TLesung& lesung) const {
  TWertpapier& wertpapier = lesung.Wertpapier;
  KopfPruefen(leser, kKopf, "Keine Morvane 2 Wertpapier-Datei");
  wertpapier.Bezeichnung = Win1252ZuUtf8(KurzText(leser, 255));
  wertpapier.Boerse = 8;
  if (umfang == TLeseumfang::Stammdaten) return;
  const std::vector<THandel> handel = HandelLesen(leser);
  constexpr std::size_t kKursGroesse = 34;
  lesung.Verworfen = KurseLesen(leser, SaetzeBisEnde(leser, kKursGroesse), kKursGroesse,
                                wertpapier.Kurse, KursAusSatz);
  TransaktionenEinfuegen(handel, wertpapier);
}

void TWP_ImportExport_MV2::Werfen(const std::string& meldung) const {
  throw EWP_ImportExport_MV2(meldung);
}

}  // namespace morvane
