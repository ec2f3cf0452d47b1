#include "store/wp_importexport_mv31.h"

#include <array>
#include <string_view>
#include <utility>

#include "store/altkodierung.h"

namespace morvane {
namespace {

constexpr std::string_view kKopf = "Morvane 3.1b Wertpapier-Datei\x1A";
// Stood for "let the update choose a source".
constexpr std::string_view kAutomatisch = "(Automatisch)";

// A source name read into `ziel`; a chosen source marks the sources manual.
void QuelleSetzen(TBinaerLeser& leser, std::string& ziel, TWPStammdaten& s) {
  std::string name = leser.Text();
  if (name == kAutomatisch) name.clear();
  if (!name.empty()) s.KursquellenManuell = true;
  ziel = std::move(name);
}

void StammdatenLesen(TBinaerLeser& leser, TWPStammdaten& s) {
  s.Bezeichnung = leser.Text();
  s.WKN = leser.Text();
  s.Boerse = BoerseAusName(leser.Text());
  Ueberspringen(leser, 8);
  s.Kommentar = leser.Text();
  const std::uint8_t art = leser.Byte();
  s.WPTyp = (art == 1 || art == 2 || art == 4 || art == 5) ? 0 : 2;
  Ueberspringen(leser, 8 + 4 + 8 + 24 + 4);
  leser.Text();
  Ueberspringen(leser, 4);
  s.Waehrung = leser.Text();
  Ueberspringen(leser, 256 + 8 + 8 + 4 + 1);
  s.KursquellenManuell = false;
  for (std::size_t i = 0; i < 3; ++i) {
    QuelleSetzen(leser, s.QuelleAktuell[i], s);
    s.IDAktuell[i] = leser.Text();
  }
  for (std::size_t i = 0; i < 3; ++i) {
    QuelleSetzen(leser, s.QuelleHistorisch[i], s);
    s.IDHistorisch[i] = leser.Text();
  }
  leser.Text();
  Ueberspringen(leser, 48);
  GebuehrenLesen(leser, s);
}

void TransaktionenLesen(TBinaerLeser& leser, TWPTransaktionen& liste) {
  constexpr TAlteTransaktionsLage kLage{8, 24, 32};
  SaetzeLesen(leser, 40, [&](std::string_view satz) {
    if (!AlteTransaktionEinfuegen(satz, kLage, liste)) {
      liste.Einfuegen(
          TTransaktionSplit(Int32Bei(satz, 0), DoubleBei(satz, 8), DoubleBei(satz, 16)));
    }
  });
}

}  // namespace

std::uint8_t BoerseAusName(const std::string& name) {
  static constexpr std::array<std::pair<std::string_view, std::uint8_t>, 9> kBoersen = {{
      {"Berlin", 1},
      {"Bremen", 1},
      {"Düsseldorf", 2},
      {"Frankfurt", 3},
      {"Hamburg", 4},
      {"Hannover", 5},
      {"München", 6},
      {"Stuttgart", 7},
      {"Xetra", 8},
  }};
  for (const auto& [text, code] : kBoersen) {
    if (name == text) return code;
  }
  return 0;
}

void TWP_ImportExport_MV31::Lesen(TBinaerLeser& leser, TLeseumfang umfang, TLesung& lesung) const {
  KopfPruefen(leser, kKopf, "Keine Morvane 3.1 Wertpapier-Datei");
  Version3Lesen(leser, umfang, lesung, StammdatenLesen, TransaktionenLesen);
}

void TWP_ImportExport_MV31::Werfen(const std::string& meldung) const {
  throw EWP_ImportExport_MV31(meldung);
}

}  // namespace morvane
