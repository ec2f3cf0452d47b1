#include <gtest/gtest.h>

#include <string>

#include "indicators/indanalyse.h"
#include "indicators/indgesamt.h"
#include "indicators/indikatortypen.h"
#include "indicators/indliste.h"
#include "indicators/indvorlagen.h"
#include "store/einstellungen.h"
#include "testhilfe/ausnahme.h"
#include "testkurse.h"

namespace morvane {
namespace {

std::string Schluessel(const TIndListe& liste, int gruppe) {
  std::string text;
  for (int i = 0; i < liste.Anzahl(gruppe); ++i) {
    std::string_view s = liste.Indikator(gruppe, i).Schluessel();
    text += s.empty() ? std::string("*") : std::string(s) + ",";
  }
  return text;
}

std::string Block(const TIndListe& liste) {
  TBinaerSchreiber s;
  liste.Speichern(s);
  return s.Entnehmen();
}

TEST(IndSatz, StandardsatzInGruppenreihenfolgeMitGesamtAmEnde) {
  TIndVorlagen vorlagen;
  EXPECT_EQ(Schluessel(vorlagen.Liste(), 1), "IndRSI,IndSTO,IndMOM,IndKST,IndBOL,IndCCI,*");
  // Group 2 starts with the four moving-average kinds; further kinds follow
  // in their fixed places once registered.
  EXPECT_EQ(Schluessel(vorlagen.Liste(), 2).rfind("Ind1GD,Ind2GD,IndMAC,IndCDO,", 0), 0u);
  std::size_t gesamt = 0;
  for (int g = 1; g <= 3; ++g) {
    const auto& letzter = dynamic_cast<const TIndGesamt&>(
        vorlagen.Liste().Indikator(g, vorlagen.Liste().Anzahl(g) - 1));
    EXPECT_EQ(letzter.Gruppe, g);
    gesamt += static_cast<std::size_t>(vorlagen.Liste().Anzahl(g));
  }
  EXPECT_EQ(gesamt, Indikatortypen().size() + 3);
  const auto zeilen = Indikatortypen(1);
  ASSERT_EQ(zeilen.size(), 6u);
  EXPECT_EQ(zeilen[0].substr(zeilen[0].find('\t')), "\tIndRSI");
}

TEST(IndSatz, RsiInGruppe2UndGeloeschteGruppeUeberstehenSpeichern) {
  TIndListe liste;
  StandardsatzEinfuegen(liste);
  auto rsi = ErzeugeIndikator("IndRSI");
  rsi->NameSetzen("Mein RSI", "MRS");
  rsi->Gewichtung = 77;
  liste.Einfuegen(2, 1, std::move(rsi));
  liste.Leeren(1);
  EXPECT_EQ(liste.Anzahl(1), 1);
  const std::string block = Block(liste);

  TIndListe gelesen;
  TBinaerLeser leser(block);
  gelesen.Laden(leser);
  EXPECT_TRUE(leser.AmEnde());
  EXPECT_EQ(Schluessel(gelesen, 1), "*");
  EXPECT_EQ(Schluessel(gelesen, 2), Schluessel(liste, 2));
  EXPECT_EQ(gelesen.Indikator(2, 1).Titel(), "Mein RSI (MRS)");
  EXPECT_EQ(gelesen.Indikator(2, 1).Gewichtung, 77);
  EXPECT_EQ(Block(gelesen), block);
  // The aggregate of group 2 works over the list it was read into.
  auto& gesamt = dynamic_cast<TIndGesamt&>(gelesen.Indikator(2, gelesen.Anzahl(2) - 1));
  EXPECT_EQ(gesamt.Liste->front().get(), &gelesen.Indikator(2, 0));
  // Group 1 holds only its aggregate, which then has no series.
  gelesen.Indikator(1, 0).Berechnen(test::Schlusskurse({1, 2, 3, 4, 5}));
  EXPECT_EQ(gelesen.Indikator(1, 0).Signal(), nullptr);
}

TEST(IndSatz, UnbekannterSchluesselBehaeltGelesenesUndMeldetFehler) {
  TBinaerSchreiber datei;
  datei.Int32(1);
  datei.Word(6);
  datei.Roh("IndMOM");
  ErzeugeIndikator("IndMOM")->Speichern(datei);
  datei.Int32(1);
  datei.Word(6);
  datei.Roh("IndXYZ");
  datei.Roh(std::string(30, '\0'));
  TIndListe gelesen;
  TBinaerLeser leser(datei.Daten());
  EXPECT_THROW_MSG(gelesen.Laden(leser), EIndikatorsatz,
                   "Unbekannter Indikatortyp 'IndXYZ' im Indikatorsatz");
  EXPECT_EQ(Schluessel(gelesen, 1), "IndMOM,*");
  EXPECT_EQ(Schluessel(gelesen, 2), "*");
  EXPECT_EQ(Schluessel(gelesen, 3), "*");
}

TEST(IndSatz, ListeEinfuegenLoeschenTauschenNieUeberDasGesamt) {
  TIndListe liste;
  liste.Einfuegen(3, 0, ErzeugeIndikator("IndRSI"));
  liste.Einfuegen(3, 0, ErzeugeIndikator("IndMOM"));
  EXPECT_EQ(Schluessel(liste, 3), "IndMOM,IndRSI,*");
  liste.Tauschen(3, 0, 1);
  EXPECT_EQ(Schluessel(liste, 3), "IndRSI,IndMOM,*");
  EXPECT_THROW_MSG(liste.Tauschen(3, 1, 2), std::out_of_range,
                   "Kein Indikator der Gruppe an dieser Stelle");
  EXPECT_THROW_MSG(liste.Loeschen(3, 2), std::out_of_range,
                   "Kein Indikator der Gruppe an dieser Stelle");
  EXPECT_THROW_MSG(liste.Einfuegen(3, 3, ErzeugeIndikator("IndRSI")), std::out_of_range,
                   "Einfügestelle außerhalb der Gruppe");
  liste.Loeschen(3, 0);
  EXPECT_EQ(Schluessel(liste, 3), "IndMOM,*");
  // A copy holds new objects pointing at their originals.
  TIndListe kopie(liste);
  EXPECT_EQ(kopie.Indikator(3, 0).Vorlage, &liste.Indikator(3, 0));
}

TEST(IndSatz, EinstellungsdateiBehaeltDenSatz) {
  TEinstellungen einstellungen("/nicht/vorhanden/");
  IndEinstellungenEinstecken(einstellungen);
  TIndVorlagen& vorlagen = IndVorlagen(einstellungen);
  auto liste = vorlagen.Kopie();
  liste->Einfuegen(2, 0, ErzeugeIndikator("IndRSI"));
  liste->Loeschen(1, 0);
  vorlagen.Ersetzen(std::move(liste));
  const std::string datei = einstellungen.Dateiinhalt();

  // Read with the block plugged in before and after the file.
  TEinstellungen vorher("/nicht/vorhanden/");
  IndEinstellungenEinstecken(vorher);
  ASSERT_TRUE(vorher.LadenAus(datei));
  EXPECT_EQ(vorher.Dateiinhalt(), datei);
  EXPECT_EQ(IndVorlagen(vorher).Liste().Indikator(2, 0).Schluessel(), "IndRSI");
  TEinstellungen nachher("/nicht/vorhanden/");
  ASSERT_TRUE(nachher.LadenAus(datei));
  EXPECT_EQ(nachher.Dateiinhalt(), datei);
  IndEinstellungenEinstecken(nachher);
  EXPECT_EQ(Schluessel(IndVorlagen(nachher).Liste(), 1),
            Schluessel(IndVorlagen(einstellungen).Liste(), 1));
  EXPECT_EQ(nachher.Dateiinhalt(), datei);
}

TEST(IndSatz, DateiendeDirektHinterDemSatzBehaeltIhnGanz) {
  TEinstellungen einstellungen("/nicht/vorhanden/");
  IndEinstellungenEinstecken(einstellungen);
  std::string datei = einstellungen.Dateiinhalt();
  datei.resize(datei.size() - 3);  // the print settings are missing
  TEinstellungen gelesen("/nicht/vorhanden/");
  ASSERT_TRUE(gelesen.LadenAus(datei));
  IndEinstellungenEinstecken(gelesen);
  EXPECT_EQ(Block(IndVorlagen(gelesen).Liste()), Block(IndVorlagen(einstellungen).Liste()));
  EXPECT_EQ(gelesen.Ladefehler().size(), 1u);
}

// The default set plus a momentum in group 3 (group 3 may hold no
// registered kind of its own).
TIndVorlagen MitGruppe3() {
  TIndVorlagen vorlagen;
  auto liste = vorlagen.Kopie();
  liste->Einfuegen(3, 0, ErzeugeIndikator("IndMOM"));
  vorlagen.Ersetzen(std::move(liste));
  return vorlagen;
}

class Anzeige : public ::testing::Test {
 protected:
  TIndVorlagen vorlagen = MitGruppe3();
  TIndAnalyse analyse{vorlagen};
  int Gesamt(int g) const { return analyse.Anzahl(g) - 1; }
  int Modus(int g, int i) const { return analyse.Indikator(g, i).Anzeige; }
};

TEST_F(Anzeige, KlickfolgenJeGruppe) {
  for (int m : {1, 2, 0, 1}) {
    analyse.Umschalten(false, 1, 0);
    EXPECT_EQ(Modus(1, 0), m);
  }
  for (int m : {3, 0}) {
    analyse.Umschalten(false, 1, Gesamt(1));
    EXPECT_EQ(Modus(1, Gesamt(1)), m);
    EXPECT_EQ(Modus(1, 0), 0);
  }
  for (int m : {2, 0, 2}) {
    analyse.Umschalten(false, 3, 0);
    EXPECT_EQ(Modus(3, 0), m);
  }
  EXPECT_EQ(analyse.AnzahlAngezeigt(), 1);
  // A signal-only entry goes back to hidden.
  analyse.Indikator(2, 0).Anzeige = 3;
  analyse.Umschalten(false, 2, 0);
  EXPECT_EQ(Modus(2, 0), 0);
  EXPECT_EQ(analyse.AnzahlAngezeigt(), 0);
}

TEST_F(Anzeige, MitStrgNurNochSignaleDerAnderen) {
  analyse.Umschalten(false, 1, 0);
  analyse.Umschalten(false, 1, 0);  // lines and signal
  analyse.Umschalten(true, 2, 1);
  EXPECT_EQ(Modus(1, 0), 3);
  EXPECT_EQ(Modus(2, 1), 3);
  analyse.Umschalten(true, 2, 1);
  EXPECT_EQ(Modus(2, 1), 0);
  EXPECT_EQ(Modus(1, 0), 3);
  analyse.Umschalten(true, 3, Gesamt(3));
  EXPECT_EQ(analyse.AnzahlAngezeigt(), 2);
  EXPECT_TRUE(analyse.Angezeigt(3, Gesamt(3)));

  analyse.NurDieses(3, 0);
  EXPECT_EQ(Modus(3, 0), 2);
  EXPECT_EQ(analyse.AnzahlAngezeigt(), 1);
  analyse.NurDieses(1, Gesamt(1));
  EXPECT_EQ(Modus(1, Gesamt(1)), 3);
  analyse.NurDieses(2, 0);
  EXPECT_EQ(Modus(2, 0), 1);
  EXPECT_EQ(analyse.AnzahlAngezeigt(), 1);
  analyse.AllesAus();
  EXPECT_EQ(analyse.AnzahlAngezeigt(), 0);
}

TEST_F(Anzeige, BerechnenBehaeltModiNurBeiGleicherGruppengroesse) {
  const TKurse kurse = test::Schlusskurse({10, 11, 12, 11, 10, 9,  10, 12, 13, 14, 15, 14, 13,
                                           12, 13, 14, 15, 16, 17, 16, 15, 14, 15, 16, 17, 18});
  analyse.Umschalten(false, 1, 0);
  analyse.Umschalten(true, 2, 0);
  analyse.Berechnen(kurse);
  EXPECT_EQ(Modus(1, 0), 3);
  EXPECT_EQ(Modus(2, 0), 3);
  EXPECT_NE(analyse.Indikator(1, Gesamt(1)).Signal(), nullptr);

  // The templates lose an entry of group 1: group 1 starts hidden again,
  // group 2 keeps its modes; the new parameters apply.
  auto liste = vorlagen.Kopie();
  liste->Loeschen(1, 1);
  liste->Indikator(2, 0).NameSetzen("Neu", "NEU");
  vorlagen.Ersetzen(std::move(liste));
  analyse.Berechnen(kurse);
  EXPECT_EQ(analyse.AnzahlAngezeigt(), 1);
  EXPECT_EQ(Modus(2, 0), 3);
  EXPECT_EQ(analyse.Kurzbezeichnung(2, 0), "NEU");
}

}  // namespace
}  // namespace morvane
