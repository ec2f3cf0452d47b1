#include "store/wpdateileser.h"

#include <optional>

#include "core/datei.h"

namespace morvane {

TWertpapier TWPDateiLeser::AusDaten(std::string_view daten, const std::string& pfad,
                                    TLeseumfang umfang) const {
  return std::move(Lesung(daten, pfad, umfang).Wertpapier);
}

TLesung TWPDateiLeser::Lesung(std::string_view daten, const std::string& pfad,
                              TLeseumfang umfang) const {
  TLesung lesung;
  try {
    TBinaerLeser leser(daten);
    Lesen(leser, umfang, lesung);
    if (umfang == TLeseumfang::Alles) lesung.Ungelesen = leser.Rest();
  } catch (const Exception& e) {
    Werfen("Konnte Datei '" + pfad + "' nicht öffnen: " + e.Meldung());
  }
  lesung.Wertpapier.ID = pfad;
  return lesung;
}

TWertpapier TWPDateiLeser::Laden(const std::string& pfad, TLeseumfang umfang) const {
  std::optional<TDateiInhalt> datei;
  try {
    datei.emplace(pfad);
  } catch (const Exception& e) {
    Werfen("Konnte Datei '" + pfad + "' nicht öffnen: " + e.Meldung());
  }
  return AusDaten(datei->Daten(), pfad, umfang);
}

TWertpapier TWPDateiLeser::WertpapierLaden(const std::string& pfad) const {
  return Laden(pfad, TLeseumfang::Alles);
}

TWPStammdaten TWPDateiLeser::StammdatenLaden(const std::string& pfad) const {
  return Laden(pfad, TLeseumfang::Stammdaten);
}

TWPTransaktionen TWPDateiLeser::TransaktionenLaden(const std::string& pfad) const {
  return std::move(Laden(pfad, TLeseumfang::Transaktionen).Transaktionen);
}

TKurse TWPDateiLeser::KurseLaden(const std::string& pfad) const {
  return std::move(Laden(pfad, TLeseumfang::Alles).Kurse);
}

void TWPDateiLeser::KopfPruefen(TBinaerLeser& leser, std::string_view kopf,
                                std::string_view fehler) const {
  // A file too short for the header is no security file of this version either.
  if (leser.Rest() < kopf.size() || leser.Roh(kopf.size()) != kopf) {
    throw Exception(std::string(fehler));
  }
}

std::string UngueltigerTransaktionstyp(int code) {
  return "Ungültiger Transaktionstyp '" + std::to_string(code) + "'.";
}

void GebuehrenLesen(TBinaerLeser& leser, TWPStammdaten& s) {
  s.KaufAbs = leser.Double();
  s.KaufRel = leser.Double();
  s.KaufMin = leser.Double();
  s.VerkaufAbs = leser.Double();
  s.VerkaufRel = leser.Double();
  s.VerkaufMin = leser.Double();
}

}  // namespace morvane
