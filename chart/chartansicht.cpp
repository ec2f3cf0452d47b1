#include "chart/chartansicht.h"

namespace morvane {
namespace {

bool Schalter(TBinaerLeser& leser) {
  return leser.Byte() != 0;
}

void Fueller(TBinaerSchreiber& schreiber, int anzahl) {
  for (int i = 0; i < anzahl; ++i)
    schreiber.Byte(0);
}

}  // namespace

void TChartAnsicht::Schreibe(TBinaerSchreiber& s) const {
  s.Byte(static_cast<std::uint8_t>(Charttyp));
  s.Byte(LinienKurs);
  s.Byte(PFKurs);
  Fueller(s, 3);
  s.Double(Umkehrminimum);
  s.Byte(UmsatzAnzeigen);
  s.Byte(UmsatzHoehe);
  s.Byte(UmsatzAbschneiden);
  Fueller(s, 1);
  s.Word(UmsatzExtremwert);
  s.Word(Tage);
  s.Byte(AlleTage);
  s.Byte(Wochentag);
  s.Byte(Monatsbalken);
  s.Byte(Jahresbalken);
  s.Byte(TageOhneKursWeglassen);
  Fueller(s, 1);
  s.Byte(Logarithmisch);
  s.Byte(GraphStrecken);
  s.Byte(Punkteraster);
  s.Byte(KaufVerkauf);
  s.Byte(GVGrenze);
  s.Byte(Indikatoren);
  s.Byte(Infobereich);
}

void TChartAnsicht::Lies(TBinaerLeser& l) {
  // All 35 bytes are taken first, so a short input changes nothing.
  TBinaerLeser satz(l.Roh(kChartAnsichtGroesse));
  Charttyp = static_cast<TCharttyp>(satz.Byte());
  LinienKurs = satz.Byte();
  PFKurs = satz.Byte();
  satz.Roh(3);
  Umkehrminimum = satz.Double();
  UmsatzAnzeigen = Schalter(satz);
  UmsatzHoehe = satz.Byte();
  UmsatzAbschneiden = Schalter(satz);
  satz.Roh(1);
  UmsatzExtremwert = satz.Word();
  Tage = satz.Word();
  AlleTage = Schalter(satz);
  Wochentag = Schalter(satz);
  Monatsbalken = Schalter(satz);
  Jahresbalken = Schalter(satz);
  TageOhneKursWeglassen = Schalter(satz);
  satz.Roh(1);
  Logarithmisch = Schalter(satz);
  GraphStrecken = Schalter(satz);
  Punkteraster = Schalter(satz);
  KaufVerkauf = Schalter(satz);
  GVGrenze = Schalter(satz);
  Indikatoren = Schalter(satz);
  Infobereich = Schalter(satz);
}

}  // namespace morvane
