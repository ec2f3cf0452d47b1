// Parameter records of the indicator kinds as they come from a settings file:
// the first byte picks the kind, the rest is its record. A record that reads
// must write back to the same bytes, and the indicator must compute over a
// small price series whatever the parameters (only the division error of the
// formulas may come out).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/binaer.h"
#include "core/datum.h"
#include "core/kurse.h"
#include "indicators/indikatortypen.h"

using namespace morvane;

namespace {

const TKurse& Kurse() {
  static const TKurse kurse = [] {
    TKurse k;
    const Boersentag start = BoersentagAusDatum(5, 1, 1998);
    for (int i = 0; i < 60; ++i) {
      if (i % 17 == 5) continue;  // holidays
      TKurs kurs{start + i};
      kurs.Schluss = i % 11 == 3 ? 0 : 20 + (i * 7 % 13) * 0.25;
      kurs.Hoch = 25;
      kurs.Tief = 19;
      k.Setze(kurs, TSetzModus::Ersetzen);
    }
    return k;
  }();
  return kurse;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  if (groesse < 1) return 0;
  const auto typen = Indikatortypen();
  auto indikator = typen[daten[0] % typen.size()].Erzeugen();
  const std::string_view datensatz(reinterpret_cast<const char*>(daten) + 1, groesse - 1);
  TBinaerLeser leser(datensatz);
  try {
    indikator->Laden(leser);
  } catch (const ELesefehler&) {
    return 0;
  }
  TBinaerSchreiber schreiber;
  indikator->Speichern(schreiber);
  auto zweiter = typen[daten[0] % typen.size()].Erzeugen();
  TBinaerLeser nochmal(schreiber.Daten());
  zweiter->Laden(nochmal);
  TBinaerSchreiber wieder;
  zweiter->Speichern(wieder);
  if (wieder.Daten() != schreiber.Daten()) std::abort();
  try {
    indikator->Berechnen(Kurse());
    for (Boersentag d = Kurse().ErsterTag(); d <= Kurse().LetzterTag(); ++d) {
      (void)indikator->Info(d);
    }
  } catch (const EIndikator&) {
  }
  return 0;
}
