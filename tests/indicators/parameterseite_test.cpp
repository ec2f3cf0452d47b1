#include "indicators/parameterseite.h"

#include <cmath>

#include <gtest/gtest.h>

#include "indicators/ind1gd.h"
#include "indicators/ind2gd.h"
#include "indicators/indbol.h"
#include "indicators/indcci.h"
#include "indicators/indcdo.h"
#include "indicators/indkst.h"
#include "indicators/indmac.h"
#include "indicators/indmom.h"
#include "indicators/indrsi.h"
#include "indicators/indsto.h"
#include "testhilfe/ausnahme.h"

namespace morvane {
namespace {

// The first failure for the texts, as "field: message", or "ok".
std::string Pruefe(const TIndikator& indikator, std::vector<std::string> texte) {
  const auto fehler = indikator.BerechnungPruefen(texte);
  if (!fehler) return "ok";
  return std::to_string(fehler->Feld) + ": " + fehler->Meldung;
}

std::string Erwartet(int feld, std::string_view meldung) {
  return std::to_string(feld) + ": " + std::string(meldung);
}

TEST(Feldlesen, GanzzahlDezimalzahlAuswahl) {
  const TEingabefeld wort = WordFeld("x", "m");
  EXPECT_EQ(FeldLesen(wort, " 17 "), 17.0);
  EXPECT_EQ(FeldLesen(wort, "65535"), 65535.0);
  for (const char* falsch : {"", "0", "65536", "-3", "1,5", "12a", "1 000", "99999999999"}) {
    EXPECT_FALSE(FeldLesen(wort, falsch)) << falsch;
  }
  TEingabefeld dezimal;
  dezimal.Art = TFeldart::Dezimalzahl;
  dezimal.Dezimalen = 2;
  dezimal.Maximum = HUGE_VAL;
  EXPECT_EQ(FeldLesen(dezimal, "1,259"), 1.25);
  EXPECT_EQ(FeldLesen(dezimal, "0.5"), 0.5);
  EXPECT_FALSE(FeldLesen(dezimal, "-0,01"));
  EXPECT_FALSE(FeldLesen(dezimal, "inf"));
  EXPECT_EQ(FeldText(dezimal, 1.0), "1,00");
  const TEingabefeld auswahl = GewichtungsFeld("Gewichtung", false);
  EXPECT_EQ(FeldLesen(auswahl, "1"), 1.0);
  EXPECT_FALSE(FeldLesen(auswahl, "2"));
  EXPECT_FALSE(FeldLesen(auswahl, "-1"));
}

TEST(Berechnungsseite, EinGleitenderDurchschnitt) {
  TInd1GD gd;
  const auto seite = gd.Berechnungsseite();
  ASSERT_EQ(seite.Felder.size(), 3u);
  EXPECT_EQ(seite.Felder[0].Beschriftung, "Berechnungszeitraum:");
  EXPECT_EQ(seite.Felder[0].Einheit, "Tage");
  EXPECT_EQ(seite.Felder[1].Auswahl.size(), 3u);
  EXPECT_EQ(gd.BerechnungTexte(), (std::vector<std::string>{"30", "0", "15"}));
  EXPECT_EQ(Pruefe(gd, {"0", "2", "0"}),
            Erwartet(0,
                     "Als Berechnungszeitraum für den gleitenden Durchschnitt muss eine Zahl "
                     "angegeben werden, die größer oder gleich 1 ist."));
  EXPECT_EQ(Pruefe(gd, {"31", "2", "0"}), Erwartet(0, kMeldungExponentiell));
  EXPECT_EQ(Pruefe(gd, {"31", "1", "256"}), Erwartet(2, kMeldungEmpfindlichkeit));
  EXPECT_EQ(Pruefe(gd, {"30", "2", "255"}), "ok");

  const std::vector<std::string> gut = {"12", "1", "3"};
  EXPECT_FALSE(gd.BerechnungUebernehmen(gut));
  EXPECT_EQ(gd.Param.Zeitraum, 12);
  EXPECT_EQ(gd.Param.Gewichtungsart, 1);
  EXPECT_EQ(gd.Param.Empfindlichkeit, 3);
  // A failing page changes nothing.
  const std::vector<std::string> schlecht = {"40", "1", "x"};
  EXPECT_TRUE(gd.BerechnungUebernehmen(schlecht));
  EXPECT_EQ(gd.Param.Zeitraum, 12);
  const std::vector<std::string> zuWenig = {"40"};
  EXPECT_THROW_MSG(gd.BerechnungPruefen(zuWenig), std::invalid_argument,
                   "Anzahl der Feldtexte passt nicht zur Berechnungsseite");
}

TEST(Berechnungsseite, ZweiDurchschnitteMacCdo) {
  TInd2GD zwei;
  EXPECT_EQ(Pruefe(zwei, {"10", "x", "0", "0"}), Erwartet(1, kMeldungZeitraum));
  EXPECT_EQ(Pruefe(zwei, {"10", "31", "2", "0"}), Erwartet(1, kMeldungExponentiell));
  EXPECT_EQ(Pruefe(zwei, {"20", "20", "0", "0"}), Erwartet(0, kMeldungKurzLang));
  EXPECT_EQ(Pruefe(zwei, {"10", "20", "0", "0"}), Erwartet(3, kMeldungEmpfindlichkeit));
  EXPECT_EQ(Pruefe(zwei, {"10", "20", "2", "45"}), "ok");

  TIndMAC mac;
  EXPECT_EQ(Pruefe(mac, {"60", "50", "0", "0"}), Erwartet(2, kMeldungZeitraum));
  EXPECT_EQ(Pruefe(mac, {"60", "50", "20", "0"}), Erwartet(0, kMeldungKurzLang));
  EXPECT_EQ(Pruefe(mac, {"25", "50", "20", "65536"}), Erwartet(3, kMeldungEmpfindlichkeit));
  EXPECT_EQ(Pruefe(mac, {"25", "50", "20", "65535"}), "ok");

  TIndCDO cdo;
  // The CDO period is checked with the other periods, before the sensitivity.
  EXPECT_EQ(Pruefe(cdo, {"60", "50", "50", "0", "0", "0"}), Erwartet(4, kMeldungZeitraum));
  EXPECT_EQ(Pruefe(cdo, {"60", "50", "50", "0", "50", "0"}), Erwartet(0, kMeldungKurzLang));
  EXPECT_EQ(Pruefe(cdo, {"10", "50", "50", "0", "50", "0"}), Erwartet(3, kMeldungEmpfindlichkeit));
  EXPECT_EQ(Pruefe(cdo, {"10", "50", "50", "500", "50", "0"}),
            Erwartet(5,
                     "Als Glättung des Oszillators muss eine Zahl angegeben werden, die größer "
                     "oder gleich 1 ist."));
  EXPECT_EQ(Pruefe(cdo, cdo.BerechnungTexte()), "ok");
}

TEST(Berechnungsseite, Oszillatoren) {
  EXPECT_EQ(Pruefe(TIndRSI(), {"0"}), Erwartet(0, kMeldungZeitraum));
  EXPECT_EQ(Pruefe(TIndSTO(), {"20", "0"}), Erwartet(1, kMeldungGlaettungszeitraum));
  EXPECT_EQ(Pruefe(TIndMOM(), {"20", "256"}), Erwartet(1, kMeldungEmpfindlichkeit));

  TIndKST kst;
  std::vector<std::string> texte = kst.BerechnungTexte();
  ASSERT_EQ(texte.size(), 14u);
  EXPECT_EQ(kst.Berechnungsseite().Felder[4].Ueberschrift, "Glättung der RoC:");
  texte[9] = "0";  // a weight of 0 is allowed
  EXPECT_EQ(Pruefe(kst, texte), "ok");
  texte[10] = "-1";
  texte[13] = "0";
  EXPECT_EQ(Pruefe(kst, texte),
            Erwartet(10, "Der Gewichtungs-Faktor der RoC darf nicht negativ sein."));
  texte[7] = "";
  EXPECT_EQ(Pruefe(kst, texte),
            Erwartet(7,
                     "Als Glättung der RoC muss eine Zahl angegeben werden, die größer oder "
                     "gleich 1 ist."));

  TIndBOL bol;
  EXPECT_EQ(bol.BerechnungTexte(), (std::vector<std::string>{"20", "0", "20", "1,00", "20"}));
  EXPECT_EQ(Pruefe(bol, {"20", "0", "20", "-1", "0"}),
            Erwartet(3, "Der Gewichtungs-Faktor für die Bandbreite darf nicht negativ sein."));
  EXPECT_EQ(Pruefe(bol, {"20", "0", "0", "-1", "0"}),
            Erwartet(2,
                     "Als Berechnungszeitraum für die Standardabweichung muss eine Zahl "
                     "angegeben werden, die größer oder gleich 1 ist."));
  const std::vector<std::string> faktor = {"20", "1", "20", "2,499", "20"};
  EXPECT_FALSE(bol.BerechnungUebernehmen(faktor));
  EXPECT_EQ(bol.Param.Bandfaktor, 2.49);
  EXPECT_EQ(bol.Param.Gewichtungsart, 1);

  TIndCCI cci;
  EXPECT_EQ(cci.Berechnungsseite().Felder[3].Vorsatz, "1 /");
  EXPECT_EQ(Pruefe(cci, {"50", "50", "0", "15"}),
            Erwartet(2,
                     "Als Glättung des CCI muss eine Zahl angegeben werden, die größer oder "
                     "gleich 1 ist."));
  EXPECT_EQ(Pruefe(cci, {"50", "50", "100", "0"}), Erwartet(3, kMeldungEmpfindlichkeit));
}

}  // namespace
}  // namespace morvane
