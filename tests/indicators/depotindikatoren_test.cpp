#include "indicators/depotindikatoren.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/wertpapier.h"
#include "core/zahltext.h"
#include "indicators/indanalyse.h"
#include "testhilfe/tempverzeichnis.h"
#include "testkurse.h"

namespace morvane {
namespace {

// A wavy series of `anzahl` trading days ending on `ende`.
TKurse Welle(int anzahl, Boersentag ende, double phase) {
  std::vector<std::array<double, 3>> hlc;
  for (int i = 0; i < anzahl; ++i) {
    const double c = 100 + 10 * std::sin(i * 0.21 + phase) + i * 0.05;
    hlc.push_back({c + 1, c - 1, c});
  }
  return test::Tageskurse(hlc, ende - anzahl + 1);
}

Kalendertag Kalender(Boersentag tag) {
  const TDatum d = DatumAusBoersentag(tag);
  return KalendertagAusDatum(d.Tag, d.Monat, d.Jahr);
}

TEST(DepotFenster, BehaeltHoechstens200SaetzeBisZumTag) {
  const Boersentag tag = test::Start() + 1200;
  TKurse kurz = Welle(160, tag + 10, 0);  // 150 records up to the day
  ASSERT_TRUE(KurseBisTag(kurz, Kalender(tag)));
  EXPECT_EQ(kurz.Anzahl(), 150);
  EXPECT_EQ(kurz.LetzterTag(), tag);
  TKurse lang = Welle(1000, tag, 0);
  ASSERT_TRUE(KurseBisTag(lang, Kalender(tag)));
  EXPECT_EQ(lang.Anzahl(), 200);
  EXPECT_EQ(lang.ErsterTag(), tag - 199);
  TKurse ohne = Welle(100, tag - 1, 0);
  EXPECT_FALSE(KurseBisTag(ohne, Kalender(tag)));
  EXPECT_EQ(ohne.Anzahl(), 100);
}

TEST(DepotFenster, IndikatorwahlZeilenUndIhreZuordnung) {
  TIndVorlagen vorlagen;
  const TIndListe& satz = vorlagen.Liste();
  const int c1 = satz.Anzahl(1), c2 = satz.Anzahl(2);
  const auto zeilen = IndikatorWahlZeilen(satz);
  ASSERT_EQ(zeilen.size(), static_cast<std::size_t>(3 + c1 + c2 + satz.Anzahl(3)));
  EXPECT_EQ(zeilen[0], "---------------------Zyklusanalyse-Indikatoren---------------------");
  for (int s = 0; s < static_cast<int>(zeilen.size()); ++s) {
    const auto wahl = IndikatorWahl(s, c1, c2);
    if (zeilen[static_cast<std::size_t>(s)].starts_with("---")) {
      EXPECT_FALSE(wahl) << s;
    } else {
      ASSERT_TRUE(wahl) << s;
      EXPECT_EQ(satz.Indikator(wahl->Gruppe, wahl->Index).Titel(),
                zeilen[static_cast<std::size_t>(s)]);
    }
  }
  EXPECT_EQ(IndikatorWahl(c1, c1, c2), (TIndWahl{1, c1 - 1}));
  EXPECT_EQ(IndikatorWahl(c1 + 2, c1, c2), (TIndWahl{2, 0}));
}

class DepotListen : public ::testing::Test {
 protected:
  void SetUp() override {
    Anlegen("Aktien/z.mv3", "Zeta", Welle(300, tag, 0));
    Anlegen("Aktien/a.mv3", "alpha", Welle(150, tag, 2.5));
    Anlegen("Aktien/o.mv3", "Ohne", Welle(50, tag - 3, 1));
    Anlegen("Renten/b.mv3", "Bund", Welle(1000, tag, 4));
  }
  void Anlegen(const std::string& datei, const std::string& name, TKurse kurse) {
    TWertpapier wp;
    wp.Bezeichnung = name;
    wp.Kurse = std::move(kurse);
    verwaltung.WertpapierSpeichern(verzeichnis.Pfad() + datei, wp);
  }
  // The expected signal of an entry computed directly over the last 200
  // records of the day.
  double Erwartet(const std::string& datei, TIndWahl wahl) {
    TKurse kurse = verwaltung.KurseLaden(verzeichnis.Pfad() + datei);
    EXPECT_TRUE(KurseBisTag(kurse, Kalender(tag)));
    TIndAnalyse analyse(vorlagen);
    analyse.Berechnen(kurse);
    return analyse.SignalAm(wahl.Gruppe, wahl.Index, tag);
  }

  const Boersentag tag = test::Start() + 1500;
  test::TTempVerzeichnis verzeichnis;
  TWPVerwaltung verwaltung{verzeichnis.Pfad()};
  TIndVorlagen vorlagen;
  const std::vector<std::string> kataloge = {"Aktien", "Renten"};
};

std::vector<std::string> Zellen(const std::string& zeile) {
  std::vector<std::string> zellen;
  std::size_t von = 0;
  for (std::size_t tab; (tab = zeile.find('\t', von)) != std::string::npos; von = tab + 1)
    zellen.push_back(zeile.substr(von, tab - von));
  zellen.push_back(zeile.substr(von));
  return zellen;
}

TEST_F(DepotListen, IndikatorsignaleJeSpalteSortiertUndGetrennt) {
  const TDepotIndListe liste = DepotIndikatorsignale(verwaltung, vorlagen, kataloge, Kalender(tag));
  const auto& s = vorlagen.Liste();
  ASSERT_EQ(liste.Spalten.size(),
            static_cast<std::size_t>(1 + s.Anzahl(1) + s.Anzahl(2) + s.Anzahl(3)));
  EXPECT_EQ(liste.Spalten[0], "Katalog / WP-Bezeichnung");
  EXPECT_EQ(liste.Spalten[1], "RSI");
  ASSERT_EQ(liste.Zeilen.size(), 6u);
  EXPECT_EQ(liste.Zeilen[1], "Aktien / Ohne");
  EXPECT_EQ(liste.Zeilen[3], "-1");
  EXPECT_EQ(liste.Zeilen[5], "-2");
  const auto zeta = Zellen(liste.Zeilen[2]);
  ASSERT_EQ(zeta.size(), liste.Spalten.size());
  EXPECT_EQ(zeta[0], "Aktien / Zeta");
  EXPECT_EQ(Zellen(liste.Zeilen[0])[0], "Aktien / alpha");
  EXPECT_EQ(Zellen(liste.Zeilen[4])[0], "Renten / Bund");
  const double rsi = Erwartet("Aktien/z.mv3", {1, 0});
  const double gesamt = Erwartet("Aktien/z.mv3", {1, s.Anzahl(1) - 1});
  EXPECT_NE(ZahlZuText(0, rsi), "0");
  EXPECT_EQ(zeta[1], ZahlZuText(0, rsi));
  EXPECT_EQ(zeta[static_cast<std::size_t>(s.Anzahl(1))], ZahlZuText(0, gesamt));
}

TEST_F(DepotListen, EinzelindikatorNachWertAbsteigend) {
  const int gesamt = vorlagen.Liste().Anzahl(1) - 1;
  for (TIndWahl wahl : {TIndWahl{1, 0}, TIndWahl{1, gesamt}}) {
    const TDepotIndListe liste =
        DepotEinzelindikator(verwaltung, vorlagen, kataloge, Kalender(tag), wahl);
    EXPECT_EQ(liste.Spalten, (std::vector<std::string>{"Katalog / WP-Bezeichnung", "Signal"}));
    ASSERT_EQ(liste.Zeilen.size(), 5u);
    EXPECT_EQ(liste.Zeilen[3], "Aktien / Ohne");
    EXPECT_EQ(liste.Zeilen[4], "-2");
    int vorher = 1000;
    for (int i = 0; i < 3; ++i) {
      const auto zellen = Zellen(liste.Zeilen[static_cast<std::size_t>(i)]);
      ASSERT_EQ(zellen.size(), 2u);
      const int wert = std::stoi(zellen[1]);
      EXPECT_LE(wert, vorher);
      vorher = wert;
      const std::string datei = zellen[0] == "Aktien / Zeta"    ? "Aktien/z.mv3"
                                : zellen[0] == "Aktien / alpha" ? "Aktien/a.mv3"
                                                                : "Renten/b.mv3";
      EXPECT_EQ(zellen[1], ZahlZuText(0, Erwartet(datei, wahl)) + " %") << zellen[0];
    }
  }
}

TEST_F(DepotListen, TagOhneKurseGibtNurNamen) {
  const Kalendertag danach = Kalender(tag) + 1;
  TDepotIndListe liste = DepotEinzelindikator(verwaltung, vorlagen, kataloge, danach, {1, 0});
  ASSERT_EQ(liste.Zeilen.size(), 5u);
  EXPECT_EQ(liste.Zeilen.back(), "-2");
  liste.Zeilen.pop_back();
  std::sort(liste.Zeilen.begin(), liste.Zeilen.end());
  EXPECT_EQ(liste.Zeilen, (std::vector<std::string>{"Aktien / Ohne", "Aktien / Zeta",
                                                    "Aktien / alpha", "Renten / Bund"}));
}

}  // namespace
}  // namespace morvane
