#include <gtest/gtest.h>

#include "chart/chartansicht.h"
#include "chart/chartansichteingaben.h"
#include "chart/chartvorlagen.h"
#include "store/einstellungen.h"

namespace morvane {
namespace {

std::string Bytes(const TChartAnsicht& ansicht) {
  TBinaerSchreiber s;
  ansicht.Schreibe(s);
  return s.Entnehmen();
}

TEST(ChartAnsicht, StandardansichtIst35BytesGenauSo) {
  const std::string erwartet(
      "\x03\x04\x04\x00\x00\x00"
      "\x00\x00\x00\x00\x00\x00\xD0\x3F"
      "\x01\x1E\x01\x00\xFA\x00\x32\x00\x00\x00\x01\x01\x01\x00\x00\x01\x01\x01\x01\x00\x00",
      35);
  EXPECT_EQ(Bytes(TChartAnsicht{}), erwartet);

  // The settings file writes the same bytes while no chart block is plugged.
  TEinstellungen ohne("/nicht/vorhanden");
  TEinstellungen mit("/nicht/vorhanden");
  ChartEinstellungenEinstecken(mit);
  for (int slot = 1; slot <= kAnzahlChartVorlagen; ++slot)
    ChartVorlagen(mit).Loesche(slot);
  EXPECT_EQ(ohne.Dateiinhalt(), mit.Dateiinhalt());
}

TEST(ChartAnsicht, JedesFeldUeberstehtSchreibenUndLesen) {
  TChartAnsicht a;
  a.Charttyp = 5;
  a.LinienKurs = 1;
  a.PFKurs = 2;
  a.Umkehrminimum = 1.23;
  a.UmsatzAnzeigen = false;
  a.UmsatzHoehe = 70;
  a.UmsatzAbschneiden = false;
  a.UmsatzExtremwert = 999;
  a.Tage = 50000;
  a.AlleTage = true;
  a.Wochentag = true;
  a.Monatsbalken = false;
  a.Jahresbalken = false;
  a.TageOhneKursWeglassen = false;
  a.Logarithmisch = true;
  a.GraphStrecken = false;
  a.Punkteraster = false;
  a.KaufVerkauf = false;
  a.GVGrenze = false;
  a.Indikatoren = true;
  a.Infobereich = true;
  const std::string bytes = Bytes(a);
  ASSERT_EQ(bytes.size(), kChartAnsichtGroesse);
  TChartAnsicht b;
  TBinaerLeser leser(bytes);
  b.Lies(leser);
  EXPECT_EQ(a, b);
  EXPECT_TRUE(leser.AmEnde());

  // Values are taken without range checks; a short record changes nothing.
  std::string roh = bytes;
  roh[20] = 3;
  roh[21] = 0;
  TBinaerLeser roher(roh);
  b.Lies(roher);
  EXPECT_EQ(b.Tage, 3);
  TChartAnsicht c;
  TBinaerLeser kurz(std::string_view(bytes).substr(0, 34));
  EXPECT_THROW(c.Lies(kurz), ELesefehler);
  EXPECT_EQ(c, TChartAnsicht{});
}

TEST(ChartVorlagen, DreiStandardvorlagen) {
  const TChartVorlagen v;
  EXPECT_EQ(v.Name(1), "Linienchart");
  EXPECT_EQ(v.Ansicht(1)->Charttyp, 1);
  EXPECT_EQ(v.Ansicht(1)->Tage, 200);
  EXPECT_TRUE(v.Ansicht(1)->Indikatoren);
  EXPECT_TRUE(v.Ansicht(1)->Infobereich);
  EXPECT_EQ(v.Name(2), "Balkenchart");
  EXPECT_EQ(v.Ansicht(2)->Charttyp, 2);
  EXPECT_FALSE(v.Ansicht(2)->Indikatoren);
  EXPECT_TRUE(v.Ansicht(2)->Infobereich);
  EXPECT_EQ(v.Name(3), "Kerzenchart");
  EXPECT_FALSE(v.Ansicht(3)->Infobereich);
  EXPECT_EQ(v.Ansicht(3)->UmsatzHoehe, 30);
  for (int slot = 4; slot <= 10; ++slot) {
    EXPECT_EQ(v.Name(slot), "");
    EXPECT_FALSE(v.Ansicht(slot));
  }
  EXPECT_THROW(v.Name(0), EChartVorlagen);
  EXPECT_THROW(v.Ansicht(11), EChartVorlagen);
}

TEST(ChartVorlagen, BlockMitLeerenUndBelegtenSlots) {
  const std::string nullen(10, '\0');
  TBinaerLeser alleLeer(nullen);
  TChartVorlagen v;
  v.Lies(alleLeer);
  EXPECT_TRUE(alleLeer.AmEnde());
  for (int slot = 1; slot <= 10; ++slot) {
    EXPECT_FALSE(v.Ansicht(slot));
    EXPECT_EQ(v.Name(slot), "");
  }
  const auto liste = VorlagenListe(v);
  ASSERT_EQ(liste.size(), 10u);
  EXPECT_EQ(liste[0], "1: (nicht verwendet)");
  EXPECT_EQ(liste[9], "0: (nicht verwendet)");

  TChartAnsicht ansicht;
  ansicht.Charttyp = 4;
  v.SetzeVorlage(10, "P&F Wochen", ansicht);
  v.SetzeVorlage(2, "", ansicht);
  ansicht.Charttyp = 1;  // the template holds its own copy
  TBinaerSchreiber s;
  v.Schreibe(s);
  EXPECT_EQ(s.Daten().size(), 10u + 2 * 35 + 2 + 2 + 10);

  TChartVorlagen w;
  TBinaerLeser leser(s.Daten());
  w.Lies(leser);
  EXPECT_EQ(w.Name(10), "P&F Wochen");
  EXPECT_EQ(w.Ansicht(10)->Charttyp, 4);
  EXPECT_TRUE(w.Ansicht(2));
  EXPECT_FALSE(w.Ansicht(1));
  EXPECT_EQ(w.Name(1), "");
  EXPECT_EQ(VorlagenListe(w)[9], "0: P&F Wochen");
  EXPECT_EQ(VorlagenListe(w)[1], "2: ");
  EXPECT_EQ(ErsteFreieVorlage(w), 1);

  w.Loesche(10);
  EXPECT_FALSE(w.Ansicht(10));
  EXPECT_EQ(VorlagenBezeichnung(w, 10), "");
  EXPECT_EQ(VorlagenListe(w)[9], "0: (nicht verwendet)");
}

TEST(ChartVorlagen, AuswahlImVorlagendialog) {
  TChartVorlagen v;
  EXPECT_EQ(ErsteFreieVorlage(v), 4);
  EXPECT_EQ(VorlagenBezeichnung(v, 2), "Balkenchart");
  for (int slot = 1; slot <= 10; ++slot)
    v.SetzeVorlage(slot, "V", TChartAnsicht{});
  EXPECT_EQ(ErsteFreieVorlage(v), 1);
  EXPECT_EQ(VorlagenBeschriftung(10), "0");
  EXPECT_EQ(VorlagenBeschriftung(9), "9");
}

TEST(ChartVorlagen, EinstellungsdateiMitAnsichtUndVorlagen) {
  TEinstellungen e("/nicht/vorhanden");
  ChartEinstellungenEinstecken(e);
  ChartAnsicht(e).Charttyp = 2;
  ChartAnsicht(e).Tage = 1000;
  TChartAnsicht eigene;
  eigene.Logarithmisch = true;
  ChartVorlagen(e).SetzeVorlage(7, "Logarithmisch", eigene);
  const std::string daten = e.Dateiinhalt();

  // Loaded first and plugged afterwards gives the same as plugged first.
  TEinstellungen spaeter("/nicht/vorhanden");
  ASSERT_TRUE(spaeter.LadenAus(daten));
  ChartEinstellungenEinstecken(spaeter);
  EXPECT_EQ(ChartAnsicht(spaeter).Tage, 1000);
  EXPECT_EQ(ChartAnsicht(spaeter).Charttyp, 2);
  EXPECT_EQ(ChartVorlagen(spaeter).Name(7), "Logarithmisch");
  EXPECT_TRUE(ChartVorlagen(spaeter).Ansicht(7)->Logarithmisch);
  EXPECT_EQ(ChartVorlagen(spaeter).Name(1), "Linienchart");
  EXPECT_EQ(spaeter.Dateiinhalt(), daten);
}

}  // namespace
}  // namespace morvane
