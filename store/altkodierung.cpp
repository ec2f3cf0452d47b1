#include "store/altkodierung.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "store/wpdateileser.h"

namespace morvane {

double Real6(TBinaerLeser& leser) {
  const std::string_view b = leser.Roh(6);
  const int exponent = static_cast<std::uint8_t>(b[0]);
  if (exponent == 0) return 0.0;
  std::uint64_t bruch = 0;
  for (int i = 5; i >= 1; --i)
    bruch = (bruch << 8) | static_cast<std::uint8_t>(b[i]);
  const bool negativ = (bruch >> 39) & 1;
  bruch &= (std::uint64_t{1} << 39) - 1;
  const double mantisse = 1.0 + std::ldexp(static_cast<double>(bruch), -39);
  const double wert = std::ldexp(mantisse, exponent - 129);
  return negativ ? -wert : wert;
}

std::string KurzText(TBinaerLeser& leser, std::size_t laenge) {
  const std::string_view feld = leser.Roh(laenge + 1);
  const std::size_t n = std::min<std::size_t>(static_cast<std::uint8_t>(feld[0]), laenge);
  return std::string(feld.substr(1, n));
}

void Ueberspringen(TBinaerLeser& leser, std::size_t anzahl) {
  leser.Roh(anzahl);
}

Boersentag AlterBoersentag(int tag, int monat, int jahr) {
  if (!IstGueltigesKalenderdatum(tag, monat, jahr)) return 0;
  return BoersentagAusDatum(tag, monat, jahr);
}

bool AlteTransaktionEinfuegen(std::string_view satz, const TAlteTransaktionsLage& lage,
                              TWPTransaktionen& liste) {
  const Boersentag datum = Int32Bei(satz, 0);
  switch (const std::uint8_t art = ByteBei(satz, 4)) {
    case aaKauf:
      liste.Einfuegen(TTransaktionKauf(datum, DoubleBei(satz, lage.Stueck),
                                       DoubleBei(satz, lage.Kurs), DoubleBei(satz, lage.Betrag)));
      return true;
    case aaVerkauf:
      liste.Einfuegen(TTransaktionVerkauf(datum, DoubleBei(satz, lage.Stueck),
                                          DoubleBei(satz, lage.Kurs),
                                          DoubleBei(satz, lage.Betrag)));
      return true;
    case aaSonstige:
      liste.Einfuegen(TTransaktionSonstige(datum, DoubleBei(satz, lage.Betrag)));
      return true;
    case aaSplit:
      return false;
    default:
      throw Exception(UngueltigerTransaktionstyp(art));
  }
}

std::int32_t SaetzeBisEnde(const TBinaerLeser& leser, std::size_t groesse) {
  const std::size_t anzahl = leser.Rest() / groesse;
  if (leser.Rest() % groesse != 0 || anzahl > std::numeric_limits<std::int32_t>::max()) {
    throw ELesefehler("Lesefehler: unerwartetes Dateiende");
  }
  return static_cast<std::int32_t>(anzahl);
}

void Version3Lesen(TBinaerLeser& leser, TLeseumfang umfang, TLesung& lesung,
                   void (*stammdaten)(TBinaerLeser&, TWPStammdaten&),
                   void (*transaktionen)(TBinaerLeser&, TWPTransaktionen&)) {
  TWertpapier& wertpapier = lesung.Wertpapier;
  stammdaten(leser, wertpapier);
  if (umfang == TLeseumfang::Stammdaten) return;
  transaktionen(leser, wertpapier.Transaktionen);
  if (umfang == TLeseumfang::Transaktionen) return;
  constexpr std::size_t kGroesse = 48;
  lesung.Verworfen = KurseLesen(leser, leser.Anzahl(kGroesse), kGroesse, wertpapier.Kurse,
                                [](std::string_view satz, TKurs& k) {
                                  PreiseLesen(satz, k);
                                  k.Umsatz = Int32Bei(satz, 44);
                                });
}

}  // namespace morvane
