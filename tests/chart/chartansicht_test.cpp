#include <gtest/gtest.h>

#include "chart/chartansicht.h"
#include "chart/chartansichteingaben.h"
#include "chart/chartvorlagen.h"
#include "store/einstellungen.h"
#include "testhilfe/ausnahme.h"

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

TEST(ChartAnsicht, JedesByteLandetInSeinemFeld) {
  // Every field gets a value of its own; the fillers are zero.
  std::string bytes(kChartAnsichtGroesse, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<char>(i + 1);
  for (std::size_t fueller : {3u, 4u, 5u, 17u, 27u})
    bytes[fueller] = 0;
  TChartAnsicht a;
  TBinaerLeser leser(bytes);
  a.Lies(leser);
  EXPECT_TRUE(leser.AmEnde());
  EXPECT_EQ(a.PFKurs, 3);
  EXPECT_EQ(a.UmsatzHoehe, 16);
  EXPECT_EQ(a.UmsatzExtremwert, 19 + 20 * 256);
  EXPECT_EQ(a.Tage, 21 + 22 * 256);  // no range check
  EXPECT_TRUE(a.Infobereich);
  // Flags are read as "not zero" and written as 1.
  std::string erwartet = bytes;
  for (std::size_t flag : {14u, 16u, 22u, 23u, 24u, 25u, 26u, 28u, 29u, 30u, 31u, 32u, 33u, 34u}) {
    erwartet[flag] = 1;
  }
  EXPECT_EQ(Bytes(a), erwartet);

  TChartAnsicht b;
  TBinaerLeser kurz(std::string_view(bytes).substr(0, 34));
  EXPECT_THROW_MSG(b.Lies(kurz), ELesefehler, "Lesefehler: unerwartetes Dateiende");
  EXPECT_EQ(b, TChartAnsicht{});
}

// A type byte that names no chart type survives reading and writing: saving
// the settings again changes nothing.
TEST(ChartAnsicht, UnbekannterCharttypBleibtErhalten) {
  for (std::uint8_t byte : {0, 1, 5, 6, 255}) {
    std::string bytes = Bytes(TChartAnsicht{});
    bytes[0] = static_cast<char>(byte);
    TChartAnsicht a;
    TBinaerLeser leser(bytes);
    a.Lies(leser);
    EXPECT_EQ(IstBekannt(a.Charttyp), byte >= 1 && byte <= 5) << int{byte};
    EXPECT_EQ(Bytes(a), bytes) << int{byte};
  }
  TChartAnsicht a;
  a.Charttyp = TCharttyp::Equivolume;
  EXPECT_EQ(Bytes(a)[0], '\x05');
}

TEST(ChartVorlagen, DreiStandardvorlagen) {
  const TChartVorlagen v;
  EXPECT_EQ(VorlagenListe(v)[0], "1: Linienchart");
  EXPECT_EQ(VorlagenListe(v)[2], "3: Kerzenchart");
  EXPECT_EQ(v.Ansicht(1)->Tage, 200);
  EXPECT_TRUE(v.Ansicht(1)->Indikatoren);
  EXPECT_TRUE(v.Ansicht(2)->Infobereich);
  EXPECT_FALSE(v.Ansicht(3)->Infobereich);
  EXPECT_FALSE(v.Ansicht(4));
  EXPECT_THROW_MSG(v.Name(0), EChartVorlagen, "Ungültige Vorlagennummer 0");
  EXPECT_THROW_MSG(v.Ansicht(11), EChartVorlagen, "Ungültige Vorlagennummer 11");
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
  ansicht.Charttyp = TCharttyp::PointFigure;
  v.SetzeVorlage(10, "P&F Wochen", ansicht);
  v.SetzeVorlage(2, "", ansicht);
  ansicht.Charttyp = TCharttyp::Linie;  // the template holds its own copy
  TBinaerSchreiber s;
  v.Schreibe(s);
  EXPECT_EQ(s.Daten().size(), 10u + 2 * 35 + 2 + 2 + 10);

  TChartVorlagen w;
  TBinaerLeser leser(s.Daten());
  w.Lies(leser);
  EXPECT_EQ(w.Name(10), "P&F Wochen");
  EXPECT_EQ(w.Ansicht(10)->Charttyp, TCharttyp::PointFigure);
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
  ChartAnsicht(e).Charttyp = TCharttyp::Balken;
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
  EXPECT_EQ(ChartAnsicht(spaeter).Charttyp, TCharttyp::Balken);
  EXPECT_EQ(ChartVorlagen(spaeter).Name(7), "Logarithmisch");
  EXPECT_TRUE(ChartVorlagen(spaeter).Ansicht(7)->Logarithmisch);
  EXPECT_EQ(ChartVorlagen(spaeter).Name(1), "Linienchart");
  EXPECT_EQ(spaeter.Dateiinhalt(), daten);
}

}  // namespace
}  // namespace morvane
