// Files of the older versions, built from their byte layouts and read through
// the store.
#include <gtest/gtest.h>

#include "core/datum.h"
#include "core/gebuehren.h"
#include "dateibau.h"
#include "store/altkodierung.h"
#include "store/wp_importexport_mv1.h"
#include "store/wp_importexport_mv2.h"
#include "store/wp_importexport_mv30.h"
#include "store/wp_importexport_mv31.h"
#include "store/wpverwaltung.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

using test::TDateiBau;

const Boersentag kMo = BoersentagAusDatum(5, 1, 1998);

// Appends a 3.0/3.1 price list with one record per given day.
void AlteKurse(TDateiBau& b, std::initializer_list<Boersentag> tage) {
  b.Int32(static_cast<std::int32_t>(tage.size()));
  for (Boersentag t : tage) {
    b.Int32(t).Double(100).Double(99).Double(101).Double(102).Double(98).Int32(5000);
  }
}

TDateiBau Mv31(std::string_view boerse, std::uint8_t art, std::string_view quelle) {
  TDateiBau b;
  b.Roh("Morvane 3.1b Wertpapier-Datei\x1A");
  b.Text("Rheinmetall").Text("703000").Text(boerse).Null(8).Text("alt\r\nneu");
  b.Byte(art).Null(8 + 4 + 8 + 24 + 4).Text("DEM").Null(4).Text("EUR");
  b.Null(256 + 8 + 8 + 4 + 1);
  for (int i = 0; i < 6; ++i)
    b.Text(i == 4 ? quelle : "(Automatisch)").Text("id" + std::to_string(i));
  b.Text("egal").Null(48);
  for (double gebuehr : {1.0, 0.01, 2.0, 3.0, 0.02, 4.0})
    b.Double(gebuehr);
  return b;
}

TDateiBau Mv30Stammdaten(std::uint8_t art) {
  TDateiBau b;
  b.Roh("Morvane 3.0d Wertpapier-Datei\x1A");
  b.KurzText("Siemens", 255).KurzText("723610", 10).Null(8).KurzText("Kommentar", 255);
  b.Byte(art).Null(8 + 4 + 8 + 24 + 4).KurzText("DM", 6).Null(4).KurzText("EUR", 6);
  b.Null(256 + 8 + 8 + 4 + 1 + 256 + 51 + 256 + 51 + 48);
  for (double gebuehr : {1.0, 0.01, 2.0, 3.0, 0.02, 4.0})
    b.Double(gebuehr);
  return b;
}

TDateiBau Mv2(std::initializer_list<std::array<int, 5>> handel) {
  TDateiBau b;
  b.Roh("Morvane 2.0  Wertpapier-Datei\x1A").KurzText("Bayer", 255);
  b.Int32(static_cast<std::int32_t>(handel.size()));
  for (const auto& [tag, monat, jahr, kauf, stueck] : handel) {
    b.Word(tag).Word(monat).Word(jahr).Byte(kauf).Int32(stueck);
  }
  // Monday 5 and Saturday 10 January 1998.
  b.Word(5).Word(1).Word(1998).Real6(40.5).Real6(41.25).Real6(39.75).Real6(40).Int32(700);
  b.Word(10).Word(1).Word(1998).Real6(42).Real6(43).Real6(41).Real6(42.5).Int32(800);
  return b;
}

TDateiBau Mv1() {
  TDateiBau b;
  b.Roh(
      "Morvane 1\xF9"
      "0  Wertpapier-Datei\x1A");
  b.KurzText(
       "M\x81nchener R\x81"
       "ck",
       30)
      .Null(18);  // "ü" in the DOS code page
  b.Real6(250.5).Int32(KalendertagAusDatum(5, 1, 1998));
  b.Real6(251).Int32(KalendertagAusDatum(6, 1, 1998));
  b.Real6(1).Int32(-5);  // a day no series keeps
  return b;
}

class AlteFormate : public ::testing::Test {
 protected:
  test::TTempVerzeichnis verzeichnis;
  TWPVerwaltung store{verzeichnis.Pfad()};

  std::string Anlegen(const TDateiBau& b, const std::string& name = "alt.MV2") {
    const std::string id = verzeichnis.Pfad() + "Alt/" + name;
    test::DateiAnlegen(id, b.Daten());
    return id;
  }
};

TEST(Real6, DecodesExponentFractionAndSign) {
  const std::string bytes(
      "\x81\0\0\0\0\0"
      "\x82\0\0\0\0\xA0"
      "\0\x12\x34\0\0\0"
      "\x7F\0\0\0\0\x40",
      24);
  TBinaerLeser leser(bytes);
  EXPECT_EQ(Real6(leser), 1.0);
  EXPECT_EQ(Real6(leser), -2.5);
  EXPECT_EQ(Real6(leser), 0.0);  // exponent 0 is zero whatever the fraction
  EXPECT_EQ(Real6(leser), 0.375);
}

TEST_F(AlteFormate, Version31MapsExchangesKindsAndSources) {
  TDateiBau b = Mv31(
      "M\xFC"
      "nchen",
      4, "(Automatisch)");  // Windows-1252
  b.Int32(4);
  b.Int32(kMo).Byte(1).Null(3).Double(10).Null(8).Double(100).Double(1005);
  b.Int32(kMo + 1).Byte(4).Null(3).Double(1).Double(2).Null(16);
  b.Int32(kMo + 2).Byte(2).Null(3).Double(5).Null(8).Double(60).Double(295);
  b.Int32(kMo + 3).Byte(3).Null(3).Null(24).Double(7.5);
  AlteKurse(b, {kMo, kMo + 1});
  const TWertpapier w = store.WertpapierLaden(Anlegen(b));

  EXPECT_EQ(w.Bezeichnung, "Rheinmetall");
  EXPECT_EQ(w.WKN, "703000");
  EXPECT_EQ(w.Boerse, 6);
  EXPECT_EQ(w.Kommentar, "alt\r\nneu");
  EXPECT_EQ(w.WPTyp, 0);
  EXPECT_EQ(w.Waehrung, "EUR");
  EXPECT_EQ(w.Katalog, "Alt");
  EXPECT_FALSE(w.KursquellenManuell);
  EXPECT_EQ(w.QuelleAktuell, (std::array<std::string, 3>{}));
  EXPECT_EQ(w.QuelleHistorisch, (std::array<std::string, 3>{}));
  EXPECT_EQ(w.IDHistorisch[2], "id5");
  EXPECT_EQ(w.VerkaufRel, 0.02);
  EXPECT_EQ(w.VerkaufMin, 4.0);
  ASSERT_EQ(w.Transaktionen.Anzahl(), 4);
  EXPECT_EQ(w.Transaktionen.Transaktion(0), TTransaktionKauf(kMo, 10, 100, 1005));
  EXPECT_EQ(w.Transaktionen.Transaktion(1), TTransaktionSplit(kMo + 1, 1, 2));
  EXPECT_EQ(w.Transaktionen.Transaktion(2), TTransaktionVerkauf(kMo + 2, 5, 60, 295));
  EXPECT_EQ(w.Transaktionen.Transaktion(3), TTransaktionSonstige(kMo + 3, 7.5));
  ASSERT_EQ(w.Kurse.Anzahl(), 2);
  EXPECT_EQ(*w.Kurse.Kurs(1), (TKurs{kMo + 1, 100, 99, 101, 102, 98, 5000}));
}

TEST_F(AlteFormate, Version31NamedSourceMarksSourcesManual) {
  for (auto [name, code] : {std::pair{"Bremen", 1}, {"Xetra", 8}, {"xetra", 0}, {"NYSE", 0}}) {
    EXPECT_EQ(BoerseAusName(name), code) << name;
  }
  TDateiBau b = Mv31("Xetra", 3, "Yahoo");
  b.Int32(0);
  AlteKurse(b, {});
  const TWPStammdaten s = store.StammdatenLaden(Anlegen(b));
  EXPECT_TRUE(s.KursquellenManuell);
  EXPECT_EQ(s.QuelleHistorisch[1], "Yahoo");
  EXPECT_EQ(s.WPTyp, 2);
  EXPECT_EQ(s.Boerse, 8);
}

TEST_F(AlteFormate, Version31UnknownTransactionKindFails) {
  TDateiBau b = Mv31("", 1, "");
  b.Int32(1).Int32(kMo).Byte(7).Null(35);
  AlteKurse(b, {});
  TWP_ImportExport_MV31 leser;
  const std::string id = Anlegen(b);
  EXPECT_THROW_MSG(leser.WertpapierLaden(id), EWP_ImportExport_MV31,
                   "Konnte Datei '" + id + "' nicht öffnen: Ungültiger Transaktionstyp '7'.");
}

TEST(SplitAusFaktor, FindsTheSmallestWholeMultiple) {
  const auto pruefen = [](double faktor, double von, double nach) {
    const TSplitVerhaeltnis v = SplitAusFaktor(faktor);
    EXPECT_EQ(v.Von, von) << faktor;
    EXPECT_DOUBLE_EQ(v.Nach, nach) << faktor;
  };
  pruefen(2.5, 2, 5);
  pruefen(0.4, 5, 2);
  pruefen(10, 1, 10);
  pruefen(1.0 / 3, 3, 1);
  pruefen(0.0123456, 1, 0.0123456);
}

TEST_F(AlteFormate, Version30ReadsMasterDataSplitsAndPrices) {
  TDateiBau b = Mv30Stammdaten(1);
  b.Int32(3);
  b.Int32(kMo).Byte(1).Null(3).Double(10).Double(50).Double(505);
  b.Int32(kMo + 2).Byte(4).Null(3).Double(0.4).Null(16);
  b.Int32(kMo + 3).Byte(3).Null(3).Null(16).Double(-3);
  AlteKurse(b, {kMo});
  const TWertpapier w = store.WertpapierLaden(Anlegen(b, "s.mvt"));

  EXPECT_EQ(w.Bezeichnung, "Siemens");
  EXPECT_EQ(w.WKN, "723610");
  EXPECT_EQ(w.Kommentar, "Kommentar");
  EXPECT_EQ(w.Waehrung, "EUR");
  EXPECT_EQ(w.Boerse, 8);
  EXPECT_EQ(w.WPTyp, 0);
  EXPECT_EQ(w.KaufAbs, 1.0);
  ASSERT_EQ(w.Transaktionen.Anzahl(), 3);
  EXPECT_EQ(w.Transaktionen.Transaktion(0), TTransaktionKauf(kMo, 10, 50, 505));
  EXPECT_EQ(w.Transaktionen.Transaktion(1), TTransaktionSplit(kMo + 2, 5, 2));
  EXPECT_EQ(w.Transaktionen.Transaktion(2), TTransaktionSonstige(kMo + 3, -3));
  EXPECT_EQ(w.Kurse.Anzahl(), 1);
  EXPECT_EQ(Mv30Stammdaten(2).Daten().size(), Mv30Stammdaten(1).Daten().size());
}

TEST_F(AlteFormate, Version2TakesPriceAndAmountFromTheFixingOfTheDay) {
  const TDateiBau b = Mv2({{5, 1, 1998, 1, 100}, {6, 1, 1998, 1, 7}, {9, 1, 1998, 0, 40}});
  const std::string id = Anlegen(b);
  const TWertpapier w = store.WertpapierLaden(id);

  EXPECT_EQ(w.Bezeichnung, "Bayer");
  EXPECT_EQ(w.Boerse, 8);
  ASSERT_EQ(w.Kurse.Anzahl(), 2);
  EXPECT_EQ(*w.Kurse.Kurs(0), (TKurs{kMo, 40.5, 40.5, 40, 41.25, 39.75, 700}));
  // Saturday 10 January counts as Friday 9 January.
  EXPECT_EQ(w.Kurse.Kurs(1)->Datum, kMo + 4);
  ASSERT_EQ(w.Transaktionen.Anzahl(), 3);
  EXPECT_EQ(w.Transaktionen.Transaktion(0), TTransaktionKauf(kMo, 100, 40.5, 4050));
  EXPECT_EQ(w.Transaktionen.Transaktion(1), TTransaktionKauf(kMo + 1, 7, 0, 0));
  EXPECT_EQ(w.Transaktionen.Transaktion(2), TTransaktionVerkauf(kMo + 4, 40, 42, 1680));
  EXPECT_EQ(store.TransaktionenLaden(id), w.Transaktionen);
}

TEST_F(AlteFormate, Version1ConvertsTheDosNameAndCalendarDays) {
  const std::string id = Anlegen(Mv1(), "m.mv2");
  const TWertpapier w = store.WertpapierLaden(id);
  EXPECT_EQ(w.Bezeichnung, "Münchener Rück");
  EXPECT_EQ(w.Boerse, 8);
  EXPECT_EQ(w.Transaktionen.Anzahl(), 0);
  ASSERT_EQ(w.Kurse.Anzahl(), 2);
  EXPECT_EQ(*w.Kurse.Kurs(1), (TKurs{kMo + 1, 251, 0, 251, 0, 0, 0}));
  EXPECT_EQ(store.TransaktionenLaden(id).Anzahl(), 0);
}

TEST_F(AlteFormate, FileEndingInsideAPriceRecordFailsAsAWhole) {
  std::string v1 = Mv1().Daten();
  std::string v2 = Mv2({}).Daten();
  TWP_ImportExport_MV1 mv1;
  TWP_ImportExport_MV2 mv2;
  for (const std::string& id : {Anlegen(TDateiBau().Roh(v1.substr(0, v1.size() - 3)), "1.mv3"),
                                Anlegen(TDateiBau().Roh(v2.substr(0, v2.size() - 1)), "2.mv3")}) {
    EXPECT_THROW_MSG(store.KurseLaden(id), EWPVerwaltung,
                     "Die ID '" + id + "' verweist auf keine gültige Wertpapier-Datei.");
  }
  const std::string kurz = "' nicht öffnen: Lesefehler: unerwartetes Dateiende";
  EXPECT_THROW_MSG(mv1.KurseLaden(verzeichnis.Pfad() + "Alt/1.mv3"), EWP_ImportExport_MV1,
                   "Konnte Datei '" + verzeichnis.Pfad() + "Alt/1.mv3" + kurz);
  EXPECT_THROW_MSG(mv2.KurseLaden(verzeichnis.Pfad() + "Alt/2.mv3"), EWP_ImportExport_MV2,
                   "Konnte Datei '" + verzeichnis.Pfad() + "Alt/2.mv3" + kurz);
}

TEST_F(AlteFormate, EachReaderRefusesTheOthersHeaders) {
  const std::string id = Anlegen(Mv1());
  EXPECT_THROW_MSG(TWP_ImportExport_MV30().StammdatenLaden(id), EWP_ImportExport_MV30,
                   "Konnte Datei '" + id + "' nicht öffnen: Keine Morvane 3.0 Wertpapier-Datei");
  EXPECT_THROW_MSG(TWP_ImportExport_MV2().StammdatenLaden(id), EWP_ImportExport_MV2,
                   "Konnte Datei '" + id + "' nicht öffnen: Keine Morvane 2 Wertpapier-Datei");
  const std::string id2 = Anlegen(Mv2({}), "b.mv2");
  EXPECT_THROW_MSG(TWP_ImportExport_MV1().StammdatenLaden(id2), EWP_ImportExport_MV1,
                   "Konnte Datei '" + id2 + "' nicht öffnen: Keine Morvane 1 Wertpapier-Datei");
}

// Truncations and flipped bytes of old files through the whole reader chain.
TEST_F(AlteFormate, DamagedOldFilesNeverCrashTheChain) {
  TDateiBau b31 = Mv31("Xetra", 1, "");
  b31.Int32(1).Int32(kMo).Byte(1).Null(3).Double(10).Null(8).Double(100).Double(1005);
  AlteKurse(b31, {kMo});
  for (const std::string& daten :
       {b31.Daten(), Mv2({{5, 1, 1998, 1, 100}}).Daten(), Mv1().Daten()}) {
    const std::string id = Anlegen(TDateiBau().Roh(daten), "k.mv3");
    const auto laden = [&](std::string_view inhalt) {
      test::DateiAnlegen(id, inhalt);
      try {
        store.WertpapierLaden(id);
      } catch (const EWPVerwaltung& e) {
        ASSERT_EQ(e.Meldung(), "Die ID '" + id + "' verweist auf keine gültige Wertpapier-Datei.");
      }
    };
    for (std::size_t n = 0; n < daten.size(); ++n)
      laden(daten.substr(0, n));
    for (std::size_t i = 0; i < daten.size(); ++i) {
      std::string kaputt = daten;
      kaputt[i] = static_cast<char>(kaputt[i] ^ 0x5A);
      laden(kaputt);
    }
  }
}

TEST(Gebuehren, LargerOfProportionalAndMinimumFee) {
  TWPStammdaten s;
  s.KaufAbs = 5;
  s.KaufRel = 0.01;
  s.KaufMin = 10;
  s.VerkaufAbs = 1;
  s.VerkaufRel = 0.02;
  s.VerkaufMin = 20;
  EXPECT_DOUBLE_EQ(KaufBetrag(s, 10, 10), 110);        // minimum 10 beats 1 + 5
  EXPECT_DOUBLE_EQ(KaufBetrag(s, 100, 100), 10105);    // 100 + 5 beats the minimum
  EXPECT_DOUBLE_EQ(VerkaufBetrag(s, 10, 10), 80);      // minimum 20
  EXPECT_DOUBLE_EQ(VerkaufBetrag(s, 100, 100), 9799);  // 200 + 1
  EXPECT_EQ(KaufBetrag(TWPStammdaten(), 0, 50), 0);
}

}  // namespace
}  // namespace morvane
