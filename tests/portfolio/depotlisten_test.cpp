#include "portfolio/depotlisten.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <utility>

#include "core/datum.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::StartsWith;
using ::testing::UnorderedElementsAre;
using Zeilen = std::vector<std::string>;

const Boersentag kMo = BoersentagAusDatum(5, 1, 1998);  // Monday 05.01.1998
const Boersentag kDi = kMo + 1, kMi = kMo + 2, kDo = kMo + 3, kFr = kMo + 4;
const Kalendertag kSamstag = KalendertagAusDatum(10, 1, 1998);

template <class... T>
std::vector<std::string> Z(T&&... zeilen) {
  return {std::string(std::forward<T>(zeilen))...};
}

// Securities with prices and transactions, set up in a few lines.
struct TBau {
  TWertpapier wp;
  TBau(std::string bezeichnung, std::string waehrung = "EUR") {
    wp.Bezeichnung = std::move(bezeichnung);
    wp.Waehrung = std::move(waehrung);
  }
  TBau& Schluss(Boersentag tag, double schluss) {
    TKurs k;
    k.Datum = tag;
    k.Schluss = schluss;
    wp.Kurse.Setze(k, TSetzModus::Ersetzen);
    return *this;
  }
  TBau& Kauf(Boersentag tag, double stueck, double betrag) {
    wp.Transaktionen.Einfuegen(TTransaktionKauf(tag, stueck, betrag / stueck, betrag));
    return *this;
  }
  TBau& Verkauf(Boersentag tag, double stueck, double betrag) {
    wp.Transaktionen.Einfuegen(TTransaktionVerkauf(tag, stueck, betrag / stueck, betrag));
    return *this;
  }
  TBau& Sonstige(Boersentag tag, double betrag) {
    wp.Transaktionen.Einfuegen(TTransaktionSonstige(tag, betrag));
    return *this;
  }
  TBau& Split(Boersentag tag, double von, double nach) {
    wp.Transaktionen.Einfuegen(TTransaktionSplit(tag, von, nach));
    return *this;
  }
};

// A small depot in three catalogs, written to a data directory of its own.
// Evaluated on Saturday 10.01.1998, that is with Friday's closes.
class Depot : public ::testing::Test {
 protected:
  test::TTempVerzeichnis verzeichnis;
  TWPVerwaltung verwaltung{verzeichnis.Pfad()};
  // Unsorted on purpose: the catalogs are taken in sorted order.
  const std::vector<std::string> alle = {"USA", "Fonds", "Aktien"};

  void Speichern(const std::string& datei, const TBau& bau) {
    verwaltung.WertpapierSpeichern(verzeichnis.Pfad() + datei, bau.wp);
  }

  void SetUp() override {
    // Thursday has an opening price but no close.
    TBau alpha("Alpha AG");
    alpha.Schluss(kMo, 100).Schluss(kDi, 110).Schluss(kMi, 99).Schluss(kFr, 150);
    TKurs nurEroeffnung;
    nurEroeffnung.Datum = kDo;
    nurEroeffnung.Eroeffnung = 120;
    alpha.wp.Kurse.Setze(nurEroeffnung, TSetzModus::Ersetzen);
    alpha.Kauf(kMo, 10, 1000).Verkauf(kMi, 4, 600).Sonstige(kDo, 25);
    Speichern("Aktien/Alpha.mv3", alpha);

    // No price on Friday.
    TBau beta("beta");
    beta.wp.VerkaufAbs = 5;
    beta.wp.VerkaufRel = 0.01;
    Speichern("Aktien/beta.mv3", beta.Schluss(kMo, 100).Schluss(kDo, 110).Kauf(kDi, 20, 2000));

    // Bought and sold again, never priced.
    Speichern("Aktien/Delta.mv3", TBau("Delta").Kauf(kMo, 2, 200).Verkauf(kDi, 2, 250));

    // Currency spelled in lower case; the sale lies after the evaluation day.
    Speichern("Fonds/Indexfonds.mv3", TBau("Indexfonds", "eur")
                                          .Schluss(kMi, 100)
                                          .Schluss(kFr, 110)
                                          .Kauf(kMo, 3, 300)
                                          .Verkauf(kMo + 5, 3, 400));

    // Never held: its only transaction is a split.
    Speichern("Fonds/Oelfonds.mv3",
              TBau("Ölfonds").Schluss(kDo, 25).Schluss(kFr, 20).Split(kMi, 1, 2));

    // The minimum fee sets the break-even price.
    TBau gamma("Gamma Inc", "USD");
    gamma.wp.VerkaufRel = 0.001;
    gamma.wp.VerkaufMin = 10;
    Speichern("USA/Gamma.mv3", gamma.Schluss(kMo, 40).Schluss(kFr, 50).Kauf(kMo, 5, 500));
  }
};

TEST_F(Depot, OverviewValuesEveryHoldingAtFridaysClose) {
  int zuletzt = 0;
  int gesamt = 0;
  const TDepotListe liste =
      DepotUebersicht(verwaltung, alle, kSamstag, false, [&](int erledigt, int anzahl) {
        EXPECT_EQ(erledigt, zuletzt + 1);
        zuletzt = erledigt;
        gesamt = anzahl;
      });
  EXPECT_EQ(zuletzt, 6);
  EXPECT_EQ(gesamt, 6);
  EXPECT_EQ(liste.Titel, "Depot-Übersicht am 10.01.1998");
  ASSERT_EQ(liste.Spalten.size(), 7u);
  EXPECT_EQ(liste.Spalten[0], (TListenSpalte{"Katalog / WP-Bezeichnung", TAusrichtung::Links}));
  EXPECT_EQ(liste.Spalten[3], (TListenSpalte{"GV-Grenze", TAusrichtung::Rechts}));
  EXPECT_THAT(
      liste.Zeilen,
      ElementsAreArray(
          Z("Aktien / Alpha AG\t6\t150,00 EUR\t100,00 EUR\t900,00 EUR\t300,00 EUR\t50,00 %",
            "Aktien / beta\t20\t\t101,26 EUR\t?\t?\t?",  //
            "Aktien / Delta\t0\t\t\t0,00 EUR",           //
            "-1", "Fonds / Indexfonds\t3\t110,00 eur\t100,00 eur\t330,00 eur\t30,00 eur\t10,00 %",
            "Fonds / Ölfonds\t0\t20,00 EUR\t\t0,00 EUR\t0,00 EUR\t0,00 %",  //
            "-1", "USA / Gamma Inc\t5\t50,00 USD\t102,00 USD\t250,00 USD\t-260,00 USD\t-52,00 %",
            "-1",  //
            "\t\t\t\t1 230,00 EUR\t330,00 EUR\t36,67 %",
            "\t\t\t\t250,00 USD\t-260,00 USD\t-52,00 %",  //
            "-2")));
}

TEST_F(Depot, OverviewCanLeaveOutSecuritiesNotHeld) {
  const TDepotListe liste = DepotUebersicht(verwaltung, {"Fonds", "Aktien"}, kSamstag, true);
  EXPECT_THAT(
      liste.Zeilen,
      ElementsAreArray(
          Z("Aktien / Alpha AG\t6\t150,00 EUR\t100,00 EUR\t900,00 EUR\t300,00 EUR\t50,00 %",
            "Aktien / beta\t20\t\t101,26 EUR\t?\t?\t?",  //
            "-1", "Fonds / Indexfonds\t3\t110,00 eur\t100,00 eur\t330,00 eur\t30,00 eur\t10,00 %",
            "-1",  //
            "\t\t\t\t1 230,00 EUR\t330,00 EUR\t36,67 %", "-2")));
}

TEST_F(Depot, GainsListEverySecurityThatWasHeld) {
  const TDepotListe liste = DepotGewinne(verwaltung, alle, kSamstag);
  EXPECT_EQ(liste.Titel, "Depot-Gewinne am 10.01.1998");
  EXPECT_EQ(liste.Spalten.size(), 7u);
  EXPECT_THAT(
      liste.Zeilen,
      ElementsAreArray(Z(
          "Aktien / Alpha AG\t-375,00 EUR\t900,00 EUR\t225,00 EUR\t300,00 EUR\t525,00 EUR\t52,50 %",
          "Aktien / beta\t-2 000,00 EUR\t?\t0,00 EUR\t?\t0,00 EUR\t0,00 %",
          "Aktien / Delta\t50,00 EUR\t0,00 EUR\t50,00 EUR\t\t50,00 EUR\t25,00 %",  //
          "-1",
          "Fonds / Indexfonds\t-300,00 eur\t330,00 eur\t0,00 eur\t30,00 eur\t30,00 eur\t10,00 %",
          "-1",
          "USA / Gamma Inc\t-500,00 USD\t250,00 USD\t0,00 USD\t-260,00 USD\t-260,00 USD\t-52,00 %",
          "-1", "\t-2 625,00 EUR\t1 230,00 EUR\t275,00 EUR\t330,00 EUR\t605,00 EUR\t17,29 %",
          "\t-500,00 USD\t250,00 USD\t0,00 USD\t-260,00 USD\t-260,00 USD\t-52,00 %",  //
          "-2")));
}

TEST_F(Depot, VolatilityOverTheLastDaysUpToFriday) {
  const TDepotListe liste = Volatilitaet(verwaltung, alle, kSamstag, 3);
  EXPECT_EQ(liste.Titel, "Volatilität der Wertpapiere am 10.01.1998");
  EXPECT_EQ(liste.Spalten.size(), 2u);
  // Alpha: Tue 110, Wed 99, (Thu without close), Fri 150.
  EXPECT_THAT(liste.Zeilen, ElementsAreArray(Z("Aktien / Alpha AG\t30,758 %",  //
                                               "Aktien / beta",                //
                                               "Aktien / Delta",               //
                                               "-1",                           //
                                               "Fonds / Indexfonds\t10,000 %",
                                               "Fonds / Ölfonds\t20,000 %",  //
                                               "-1",                         //
                                               "USA / Gamma Inc",            //
                                               "-1",                         //
                                               "6 Wertpapiere\t20,253 %",    //
                                               "-2")));
}

TEST_F(Depot, VolatilityFooterCountsTheSecurities) {
  EXPECT_THAT(Volatilitaet(verwaltung, {"Fonds", "USA"}, kSamstag, 3).Zeilen,
              ElementsAre("Fonds / Indexfonds\t10,000 %", "Fonds / Ölfonds\t20,000 %", "-1",
                          "USA / Gamma Inc", "-1", "3 Wertpapiere\t15,000 %", "-2"));
  // One security and no volatility computed: no mean either.
  EXPECT_THAT(Volatilitaet(verwaltung, {"USA"}, kSamstag, 3).Zeilen,
              ElementsAre("USA / Gamma Inc", "-1", "1 Wertpapier", "-2"));
  // Over five days Gamma's Monday close counts too.
  EXPECT_THAT(Volatilitaet(verwaltung, {"USA"}, kSamstag, 4).Zeilen,
              ElementsAre("USA / Gamma Inc\t25,000 %", "-1", "1 Wertpapier\t25,000 %", "-2"));
  EXPECT_TRUE(Volatilitaet(verwaltung, {}, kSamstag, 3).Zeilen.empty());
}

TEST_F(Depot, EmptySelectionStillClosesTheTotals) {
  EXPECT_THAT(DepotUebersicht(verwaltung, {}, kSamstag, false).Zeilen, ElementsAre("-1", "-2"));
  EXPECT_THAT(DepotGewinne(verwaltung, {"Leer"}, kSamstag).Zeilen, ElementsAre("-1", "-2"));
}

TEST_F(Depot, UnreadableSecuritiesAreLeftOutAndNamed) {
  const std::string leer = verzeichnis.Pfad() + "USA/Leer.mv3";
  const std::string muell = verzeichnis.Pfad() + "Fonds/Muell.mv2";
  { std::ofstream{leer}; }
  std::ofstream(muell) << "kein Wertpapier";
  const auto grund = [](const std::string& id) {
    return "Die ID '" + id + "' verweist auf keine gültige Wertpapier-Datei.";
  };
  int gesamt = 0;
  const TDepotListe uebersicht = DepotUebersicht(verwaltung, {"Fonds", "USA"}, kSamstag, true,
                                                 [&](int, int anzahl) { gesamt = anzahl; });
  EXPECT_EQ(gesamt, 5);  // the progress counts what was found
  EXPECT_THAT(uebersicht.Zeilen,
              ElementsAre(StartsWith("Fonds / Indexfonds\t"), "-1", StartsWith("USA / Gamma Inc\t"),
                          "-1", StartsWith("\t"), StartsWith("\t"), "-2"));
  EXPECT_THAT(uebersicht.Uebersprungen, UnorderedElementsAre(grund(leer), grund(muell)));
  // The volatility footer counts only the securities listed.
  const TDepotListe volatilitaet = Volatilitaet(verwaltung, {"USA"}, kSamstag, 3);
  EXPECT_THAT(volatilitaet.Zeilen, ElementsAre("USA / Gamma Inc", "-1", "1 Wertpapier", "-2"));
  EXPECT_THAT(volatilitaet.Uebersprungen, ElementsAre(grund(leer)));
}

TEST(WertpapierTransaktionen, RunningFiguresPerBookingAndTotal) {
  TBau alpha("Alpha AG");
  alpha.Kauf(kMo, 10, 1000).Verkauf(kMi, 4, 600).Sonstige(kDo, 25).Split(kFr, 1, 10);
  const TDepotListe liste = WertpapierTransaktionen(alpha.wp);
  EXPECT_EQ(liste.Titel, "Alpha AG");
  ASSERT_EQ(liste.Spalten.size(), 8u);
  EXPECT_EQ(liste.Spalten[1], (TListenSpalte{"Typ", TAusrichtung::Links}));
  EXPECT_EQ(liste.Spalten[3].Titel, "alter/neuer Bestand");
  EXPECT_THAT(
      liste.Zeilen,
      ElementsAre("05.01.1998\tKauf\t10\t0 / 10\t1 000,00 EUR\t-1 000,00 EUR\t\t",
                  "07.01.1998\tVerkauf\t4\t10 / 6\t600,00 EUR\t-400,00 EUR\t200,00 EUR\t50,00 %",
                  // The return of other income is taken on the cost basis held.
                  "08.01.1998\tSonstige\t\t\t25,00 EUR\t-375,00 EUR\t25,00 EUR\t4,17 %",
                  "09.01.1998\tSplit\t1 : 10\t6 / 60\t\t-375,00 EUR\t\t",  //
                  "-1",                                                    //
                  "Gesamt:\t\t60\t\t-375,00 EUR\t\t225,00 EUR\t22,50 %",   //
                  "-2"));
  EXPECT_TRUE(WertpapierTransaktionen(TWertpapier()).Zeilen.empty());
}

TEST(Volatilitaet, PeriodOneUsesTheCloseOfTheDayBefore) {
  TKurse kurse;
  for (auto [tag, schluss] : {std::pair{kMi, 100.0}, {kDo, 25.0}, {kFr, 20.0}}) {
    TKurs k;
    k.Datum = tag;
    k.Schluss = schluss;
    kurse.Setze(k, TSetzModus::Ersetzen);
  }
  EXPECT_DOUBLE_EQ(*MittlereTagesaenderung(kurse, kFr, 1), 0.2);
  EXPECT_DOUBLE_EQ(*MittlereTagesaenderung(kurse, kFr, 2), (0.75 + 0.2) / 2);
  EXPECT_FALSE(MittlereTagesaenderung(kurse, kMi, 5).has_value());  // one close only
  EXPECT_FALSE(MittlereTagesaenderung(TKurse(), kFr, 5).has_value());
}

TEST(Volatilitaet, PeriodMustBePositive) {
  const TWPVerwaltung verwaltung("/nicht/vorhanden");
  for (int zeitraum : {0, -1}) {
    SCOPED_TRACE(zeitraum);
    EXPECT_THROW_MSG(Volatilitaet(verwaltung, {"A"}, kSamstag, zeitraum), EDepotListe,
                     "Ungültigen Berechnungszeitraum eingegeben!");
  }
}

TEST(ListenAuswahl, ReadsDateAndPeriodAsTyped) {
  EXPECT_EQ(ListenDatumLesen("10.1.98"), kSamstag);
  EXPECT_EQ(BerechnungszeitraumLesen(kStandardZeitraum), 150);
  EXPECT_EQ(BerechnungszeitraumLesen(" 1 "), 1);
  const char* const kDatum = "Ungültiges Datum eingegeben!";
  const char* const kZeitraum = "Ungültigen Berechnungszeitraum eingegeben!";
  const auto datum = [](const char* text) { (void)ListenDatumLesen(text); };
  const auto zeitraum = [](const char* text) { (void)BerechnungszeitraumLesen(text); };
  struct Fall {
    const char* text;
    void (*lesen)(const char*);
    const char* meldung;
    const char* grund;
  };
  const Fall faelle[] = {
      {"31.2.1998", datum, kDatum, "February has no 31st"},
      {"1.1.5000", datum, kDatum, "beyond the last trading day"},
      {"", datum, kDatum, "empty"},
      {"0", zeitraum, kZeitraum, "a period has at least one day"},
      {"-5", zeitraum, kZeitraum, "negative"},
      {"1,5", zeitraum, kZeitraum, "not a whole number"},
      {"zehn", zeitraum, kZeitraum, "not a number"},
      {"", zeitraum, kZeitraum, "empty"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string("\"") + f.text + "\": " + f.grund);
    EXPECT_THROW_MSG(f.lesen(f.text), EDepotListe, f.meldung);
  }
}

TEST(ListenAuswahl, OffersTheCatalogsSortedByName) {
  test::TTempVerzeichnis verzeichnis;
  for (const char* name : {"fonds", "Zertifikate", "Aktien", "Öl"})
    std::filesystem::create_directory(verzeichnis.Pfad() + name);
  { std::ofstream(verzeichnis.Pfad() + "morvane.cfg") << "x"; }
  EXPECT_THAT(AuswahlKataloge(TWPVerwaltung(verzeichnis.Pfad())),
              ElementsAre("Aktien", "fonds", "Öl", "Zertifikate"));
}

}  // namespace
}  // namespace morvane
