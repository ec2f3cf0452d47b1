#include "store/wp_importexport_mv30.h"

#include <cmath>
#include <string_view>

#include "core/textkodierung.h"
#include "store/altkodierung.h"

namespace morvane {
namespace {

constexpr std::string_view kKopf = "Morvane 3.0d Wertpapier-Datei\x1A";

std::string Text(TBinaerLeser& leser, std::size_t laenge) {
  return Win1252ZuUtf8(KurzText(leser, laenge));
}

void StammdatenLesen(TBinaerLeser& leser, TWPStammdaten& s) {
  s.Bezeichnung = Text(leser, 255);
  s.WKN = Text(leser, 10);
  Ueberspringen(leser, 8);
  s.Kommentar = Text(leser, 255);
  s.WPTyp = leser.Byte() == 1 ? 0 : 2;
  Ueberspringen(leser, 8 + 4 + 8 + 24 + 4);
  KurzText(leser, 6);
  Ueberspringen(leser, 4);
  s.Waehrung = Text(leser, 6);
  Ueberspringen(leser, 256 + 8 + 8 + 4 + 1 + 256 + 51 + 256 + 51 + 48);
  GebuehrenLesen(leser, s);
  s.Boerse = 8;
}

void TransaktionenLesen(TBinaerLeser& leser, TWPTransaktionen& liste) {
  constexpr TAlteTransaktionsLage kLage{8, 16, 24};
  SaetzeLesen(leser, 32, [&](std::string_view satz) {
    if (!AlteTransaktionEinfuegen(satz, kLage, liste)) {
      const TSplitVerhaeltnis v = SplitAusFaktor(DoubleBei(satz, 8));
      liste.Einfuegen(TTransaktionSplit(Int32Bei(satz, 0), v.Von, v.Nach));
    }
  });
}

}  // namespace

TSplitVerhaeltnis SplitAusFaktor(double faktor) {
  for (int i = 1; i <= 100; ++i) {
    const double vielfaches = i * faktor;
    const double ganz = std::round(vielfaches);
    if (std::fabs(vielfaches - ganz) <= 1e-7) return {static_cast<double>(i), ganz};
  }
  return {1.0, faktor};
}

void TWP_ImportExport_MV30::Lesen(TBinaerLeser& leser, TLeseumfang umfang, TLesung& lesung) const {
  KopfPruefen(leser, kKopf, "Keine Morvane 3.0 Wertpapier-Datei");
  Version3Lesen(leser, umfang, lesung, StammdatenLesen, TransaktionenLesen);
}

void TWP_ImportExport_MV30::Werfen(const std::string& meldung) const {
  throw EWP_ImportExport_MV30(meldung);
}

}  // namespace morvane
