// Worked examples of every kind, records and copies, and the registry.
#include <map>

#include <gtest/gtest.h>

#include "indicators/ind1gd.h"
#include "indicators/ind2gd.h"
#include "indicators/indbol.h"
#include "indicators/indcci.h"
#include "indicators/indcdo.h"
#include "indicators/indikatortypen.h"
#include "indicators/indkst.h"
#include "indicators/indmac.h"
#include "indicators/indmom.h"
#include "indicators/indrsi.h"
#include "indicators/indsto.h"
#include "testhilfe/ausnahme.h"
#include "testkurse.h"
#include "testseite.h"

namespace morvane {
namespace {

using test::Folge;
using test::Schlusskurse;
using test::Start;
using test::Werte;

// Every value of the series equals `erwartet`; the series has at least one.
void AlleGleich(const TZeitreihe* reihe, double erwartet, const char* was) {
  ASSERT_NE(reihe, nullptr) << was;
  const auto werte = Werte(*reihe);
  EXPECT_FALSE(werte.empty()) << was;
  for (const auto& [tag, wert] : werte)
    EXPECT_EQ(wert, erwartet) << was << " am Tag " << tag;
}

TEST(Ind1GD, PeriodeEinsFolgtDemKurs) {
  TInd1GD gd;
  gd.Param.Zeitraum = 1;
  gd.Berechnen(Schlusskurse({10, 12, 11, 15, 9}));
  EXPECT_EQ(*gd.Durchschnittslinie()->Lesen(Start() + 3), 15.0);
  AlleGleich(gd.Oszillator(), 50.0, "Oszillator");
  AlleGleich(gd.Signal(), 0.0, "Signal");
  EXPECT_EQ(gd.Info(Start() + 1),
            "Signal: 0 %\rOszillator: 50,0 Punkte\rgleitender Durchschnitt: 12,00");
  EXPECT_EQ(gd.Info(Start() + 9), "Signal: 0 %\rOszillator: -\rgleitender Durchschnitt: -");
}

TEST(Ind2GD, KurzGegenLang) {
  TInd2GD gd;
  gd.Param.KurzZeitraum = 1;
  gd.Param.LangZeitraum = 2;
  gd.Param.Empfindlichkeit = 1;
  gd.Berechnen(Schlusskurse({10, 12}));
  // 12 against (10 + 12) / 2: 100 - 100 / (1 + 12 / 11).
  EXPECT_NEAR(*gd.Oszillator()->Lesen(Start() + 1), 100 - 100 / (1 + 12.0 / 11), 1e-12);
  EXPECT_EQ(gd.Info(Start() + 1),
            "Signal: 0 %\rOszillator: 52,2 Punkte\rkurzfristiger gleitender Durchschnitt: "
            "12,00\rlangfristiger gleitender Durchschnitt: 11,00");
}

TEST(IndMAC, KurzeReiheHatOszillatorAbDemErstenKurs) {
  TIndMAC mac;
  mac.Berechnen(Schlusskurse({10, 11, 12, 11, 13}));
  ASSERT_NE(mac.Macd(), nullptr);
  EXPECT_EQ(*mac.Macd()->Lesen(Start()), 0.0);
  EXPECT_EQ(*mac.Oszillator()->Lesen(Start()), 50.0);
  EXPECT_EQ(Werte(*mac.Oszillator()).size(), 5u);
  EXPECT_EQ(Werte(*mac.Trigger()).size(), 5u);
  EXPECT_EQ(mac.Info(Start()), "Signal: 0 %\rOszillator: 50,0 Punkte");
}

TEST(IndCDO, FlacherKursErgibtFuenfzig) {
  TIndCDO cdo;
  std::vector<double> kurse(80, 20.0);
  kurse[30] = 0;  // a holiday
  cdo.Berechnen(Schlusskurse(kurse));
  AlleGleich(cdo.MacdOszillator(), 50.0, "MACD-Oszillator");
  AlleGleich(cdo.Oszillator(), 50.0, "Oszillator");
  // M at d and d - 49 exist from the 50th day on; the smoothing over 3
  // positions reaches back two more, the holiday has a value too.
  EXPECT_FALSE(cdo.Oszillator()->Lesen(Start() + 48));
  EXPECT_TRUE(cdo.Oszillator()->Lesen(Start() + 49));
  EXPECT_TRUE(cdo.Oszillator()->Lesen(Start() + 79));
  EXPECT_EQ(cdo.Info(Start() + 60),
            "Signal: 0 %\rOszillator: 50,0 Punkte\rMACD-Oszillator: 50,0 Punkte");
}

TEST(IndRSI, SteigendFallendFlach) {
  TIndRSI rsi;
  rsi.Berechnen(Schlusskurse(Folge(15, 10, 0.5)));
  EXPECT_EQ(*rsi.Oszillator()->Lesen(Start() + 14), 100.0);
  EXPECT_EQ(*rsi.Oszillator()->Lesen(Start()), 50.0);  // the first close only starts the chain
  rsi.Berechnen(Schlusskurse(Folge(15, 20, -0.5)));
  EXPECT_EQ(*rsi.Oszillator()->Lesen(Start() + 14), 0.0);
  // Falling into the lower zone: the distance signal reaches E at 0 points.
  EXPECT_DOUBLE_EQ(rsi.SignalAm(Start() + 14), 40.0);
  rsi.Berechnen(Schlusskurse(std::vector<double>(15, 7.3)));
  AlleGleich(rsi.Oszillator(), 50.0, "flach");
  rsi.Param.Zeitraum = 1;
  rsi.Berechnen(Schlusskurse({10, 14, 9}));
  AlleGleich(rsi.Oszillator(), 50.0, "n = 1");
}

TEST(IndSTO, FlachUndFeiertag) {
  TIndSTO sto;
  sto.Berechnen(Schlusskurse(std::vector<double>(30, 12.5)));
  AlleGleich(sto.KLinie(), 50.0, "%K flach");
  AlleGleich(sto.Oszillator(), 50.0, "%D flach");

  // Falling closes with a holiday: the smoothed %D and so the signal exist on
  // the holiday too.
  std::vector<double> fallend = Folge(10, 20, -1);
  fallend[7] = 0;
  sto.Berechnen(Schlusskurse(fallend));
  EXPECT_FALSE(sto.KLinie()->Lesen(Start() + 7));
  EXPECT_EQ(*sto.Oszillator()->Lesen(Start() + 7), 0.0);
  EXPECT_DOUBLE_EQ(sto.SignalAm(Start() + 7), 40.0);
  EXPECT_EQ(sto.Info(Start() + 7), "Signal: 40 %\rOszillator: 0,0 Punkte\r%K-Linie: -");
}

TEST(IndMOM, VergleichMitFruehremKurs) {
  TIndMOM mom;
  mom.Param.Zeitraum = 1;
  mom.Berechnen(Schlusskurse({10, 11, 12}));
  AlleGleich(mom.Roc(), 0.0, "RoC n = 1");
  AlleGleich(mom.Oszillator(), 50.0, "Oszillator n = 1");
  mom.Param.Zeitraum = 3;
  mom.Param.Empfindlichkeit = 1;
  mom.Berechnen(Schlusskurse({10, 11, 12}));
  EXPECT_FALSE(mom.Roc()->Lesen(Start() + 1));
  EXPECT_DOUBLE_EQ(*mom.Roc()->Lesen(Start() + 2), 20.0);
  EXPECT_NEAR(*mom.Oszillator()->Lesen(Start() + 2), 100 - 100 / 2.2, 1e-12);
  EXPECT_EQ(mom.Info(Start() + 2),
            "Signal: 0 %\rOszillator: 54,5 Punkte\rRate-of-Change (RoC): 20,00 %");
}

TEST(Arten, ZeitraumNullAusDerDateiLiefertNichts) {
  // Periods of 0 cannot be typed, but a settings file may hold them.
  const TKurse kurse = Schlusskurse(Folge(40, 10, 0.3));
  TIndMOM mom;
  mom.Param.Zeitraum = 0;
  mom.Berechnen(kurse);
  EXPECT_TRUE(Werte(*mom.Oszillator()).empty());
  TIndKST kst;
  kst.Param.N2 = 0;
  kst.Berechnen(kurse);
  EXPECT_TRUE(Werte(*kst.Oszillator()).empty());
  TInd1GD gd;
  gd.Param.Zeitraum = 0;
  gd.Berechnen(kurse);
  EXPECT_TRUE(Werte(*gd.Durchschnittslinie()).empty());
}

TEST(IndKST, OhneGewichteNeutral) {
  TIndKST kst;
  kst.Param.F1 = kst.Param.F2 = kst.Param.F3 = kst.Param.F4 = 0;
  kst.Berechnen(Schlusskurse(Folge(80, 10, 0.37)));
  AlleGleich(kst.KstUngeglaettet(), 0.0, "ungeglättet");
  AlleGleich(kst.KstGeglaettet(), 0.0, "geglättet");
  AlleGleich(kst.Oszillator(), 50.0, "Oszillator");
  // The first unsmoothed value needs n4 = 30 records.
  EXPECT_FALSE(kst.KstUngeglaettet()->Lesen(Start() + 28));
  EXPECT_TRUE(kst.KstUngeglaettet()->Lesen(Start() + 29));
}

TEST(IndBOL, FlachUndAufDerOberenLinie) {
  TIndBOL bol;
  bol.Berechnen(Schlusskurse(std::vector<double>(30, 0.7)));
  AlleGleich(bol.Oszillator(), 50.0, "flach");
  EXPECT_EQ(*bol.ObereLinie()->Lesen(Start() + 29), *bol.UntereLinie()->Lesen(Start() + 29));
  EXPECT_EQ(bol.Info(Start() + 29),
            "Signal: 0 %\rOszillator: 50,0 Punkte\rgleitender Durchschnitt: 0,70\r"
            "Standardabweichung: 0,00");

  // Closes 10 and 12: average 11, deviation 1, so 12 lies on the upper line.
  bol.Param.Zeitraum = 2;
  bol.Param.AbweichungZeitraum = 2;
  bol.Berechnen(Schlusskurse({10, 12}));
  EXPECT_EQ(*bol.ObereLinie()->Lesen(Start() + 1), 12.0);
  EXPECT_EQ(*bol.Oszillator()->Lesen(Start() + 1), 70.0);
  // Above and below a band of half a deviation.
  bol.Param.Bandfaktor = 0.5;
  bol.Berechnen(Schlusskurse({10, 12, 20, 2}));
  const double ueber = *bol.Oszillator()->Lesen(Start() + 2);
  const double unter = *bol.Oszillator()->Lesen(Start() + 3);
  EXPECT_GT(ueber, 70.0);
  EXPECT_LE(ueber, 100.0);
  EXPECT_LT(unter, 30.0);
  EXPECT_GE(unter, 0.0);
  EXPECT_EQ(bol.Info(Start() + 9),
            "Signal: 0 %\rOszillator: -\rgleitender Durchschnitt: -\r"
            "Standardabweichung: -");
  bol.Param.Bandfaktor = 0;
  bol.Berechnen(Schlusskurse({10, 12}));
  EXPECT_THROW_MSG(bol.Info(Start() + 1), EIndikator, "Fließkomma-Division durch 0");
}

TEST(IndCCI, KonstanterTypischerPreis) {
  TIndCCI cci;
  cci.Berechnen(test::Tageskurse(std::vector<std::array<double, 3>>(60, {12, 10, 11})));
  EXPECT_EQ(*cci.TypischerPreisGeglaettet()->Lesen(Start() + 59), 11.0);
  EXPECT_TRUE(Werte(*cci.Cci()).empty());
  EXPECT_TRUE(Werte(*cci.Oszillator()).empty());
  EXPECT_EQ(cci.Info(Start() + 59),
            "Signal: 0 %\rOszillator: -\rCCI: -\r"
            "Typischer Preis (geglättet): 11,00");
  // Missing high: no typical price that day.
  cci.Berechnen(test::Tageskurse({{0, 10, 11}, {12, 10, 11}}));
  EXPECT_FALSE(cci.TypischerPreis()->Lesen(Start()));
  EXPECT_TRUE(cci.TypischerPreis()->Lesen(Start() + 1));
}

// A text of a different valid value for every page field.
std::vector<std::string> AndereTexte(const TIndikator& indikator) {
  const TBerechnungsseite seite = indikator.Berechnungsseite();
  std::vector<std::string> texte = indikator.BerechnungTexte();
  for (std::size_t i = 0; i < texte.size(); ++i) {
    const TEingabefeld& feld = seite.Felder[i];
    texte[i] = FeldText(feld, test::AndererWert(feld, *FeldLesen(feld, texte[i])));
  }
  return texte;
}

// Every kind with every parameter changed (through its dialog pages) is saved,
// read back by its class key and copied; the record has the kind's size.
TEST(Arten, RundreiseUndKopie) {
  const std::map<std::string_view, std::size_t> parameterBytes = {
      {"Ind1GD", 6}, {"Ind2GD", 9},  {"IndMAC", 11}, {"IndCDO", 14}, {"IndRSI", 3},
      {"IndSTO", 6}, {"IndMOM", 5},  {"IndKST", 30}, {"IndBOL", 17}, {"IndCCI", 12},
      {"IndNV", 4},  {"IndCHA", 11}, {"IndEMV", 8},  {"IndMFI", 7},  {"IndDMI", 4},
      {"IndTSF", 6}, {"IndRTI", 10}, {"IndADX", 5},  {"IndVHF", 2}};
  for (const auto& typ : Indikatortypen()) {
    SCOPED_TRACE(std::string(typ.Schluessel));
    auto quelle = typ.Erzeugen();
    TBinaerSchreiber vorher;
    quelle->Speichern(vorher);
    quelle->NameSetzen("Eigener Name", "EN");
    quelle->Gewichtung = 55;
    quelle->SignalParameterSetzen({17, 12, 7.25});
    ASSERT_FALSE(quelle->BerechnungUebernehmen(AndereTexte(*quelle)));
    std::vector<bool> kaestchen = quelle->AllgemeinWerte();
    kaestchen.flip();
    quelle->AllgemeinUebernehmen(kaestchen);
    TBinaerSchreiber schreiber;
    quelle->Speichern(schreiber);
    const std::size_t bytes = parameterBytes.at(typ.Schluessel);
    ASSERT_EQ(schreiber.Daten().size(), 29 + bytes);
    EXPECT_NE(schreiber.Daten().substr(29), vorher.Daten().substr(vorher.Daten().size() - bytes));

    auto geladen = ErzeugeIndikator(typ.Schluessel);
    TBinaerLeser leser(schreiber.Daten());
    geladen->Laden(leser);
    EXPECT_TRUE(leser.AmEnde());
    EXPECT_EQ(geladen->Titel(), "Eigener Name (EN)");
    EXPECT_EQ(geladen->BerechnungTexte(), quelle->BerechnungTexte());
    EXPECT_EQ(geladen->AllgemeinWerte(), kaestchen);
    EXPECT_EQ(geladen->Gewichtung, 55);
    EXPECT_EQ(geladen->Entfernungssignal, 17);
    EXPECT_EQ(geladen->ExtremzoneUnten, 12);
    EXPECT_EQ(geladen->Annaeherungssteigung, 7.25);

    quelle->Anzeige = 2;
    const auto kopie = quelle->Kopieren();
    EXPECT_EQ(kopie->Vorlage, quelle.get());
    EXPECT_EQ(kopie->Anzeige, 0);
    TBinaerSchreiber kopiert;
    kopie->Speichern(kopiert);
    EXPECT_EQ(kopiert.Daten(), schreiber.Daten());
  }
}

TEST(Arten, ZuweisenVonAndererArtUebernimmtNurDieBasis) {
  TIndRSI rsi;
  rsi.NameSetzen("Quelle", "Q");
  TIndSTO sto;
  sto.Param.Zeitraum = 7;
  sto.Zuweisen(rsi);
  EXPECT_EQ(sto.Titel(), "Quelle (Q)");
  EXPECT_EQ(sto.ExtremzoneUnten, 30);
  EXPECT_EQ(sto.Param.Zeitraum, 7);
}

TEST(Arten, VerzeichnisNachSchluessel) {
  const std::vector<std::pair<std::string_view, int>> erwartet = {
      {"IndRSI", 1}, {"IndSTO", 1}, {"IndMOM", 1}, {"IndKST", 1}, {"IndBOL", 1},
      {"IndCCI", 1}, {"Ind1GD", 2}, {"Ind2GD", 2}, {"IndMAC", 2}, {"IndCDO", 2},
      {"IndNV", 2},  {"IndCHA", 2}, {"IndEMV", 2}, {"IndMFI", 2}, {"IndDMI", 2},
      {"IndTSF", 2}, {"IndRTI", 3}, {"IndADX", 3}, {"IndVHF", 3}};
  const auto typen = Indikatortypen();
  ASSERT_EQ(typen.size(), erwartet.size());
  for (std::size_t i = 0; i < typen.size(); ++i) {
    EXPECT_EQ(typen[i].Schluessel, erwartet[i].first);
    EXPECT_EQ(typen[i].Gruppe, erwartet[i].second);
    const auto indikator = ErzeugeIndikator(typen[i].Schluessel);
    ASSERT_NE(indikator, nullptr);
    EXPECT_EQ(indikator->Schluessel(), typen[i].Schluessel);
    EXPECT_EQ(indikator->Typname(), typen[i].Typname);
    EXPECT_EQ(indikator->HatSignalgenerierung(), typen[i].Gruppe != 3);
  }
  EXPECT_EQ(ErzeugeIndikator("indRSI"), nullptr);
  EXPECT_EQ(ErzeugeIndikator(""), nullptr);
  EXPECT_EQ(ErzeugeIndikator("IndCDO")->Titel(),
            "Moving Average Convergence/Divergence Momentum Oscillator (CDO)");
  EXPECT_EQ(ErzeugeIndikator("IndKST")->Bezeichnung(), "Pring's KST");
  // Signal defaults per kind.
  EXPECT_EQ(ErzeugeIndikator("IndSTO")->ExtremzoneUnten, 20);
  EXPECT_EQ(ErzeugeIndikator("IndCCI")->Entfernungssignal, 40);
  EXPECT_EQ(ErzeugeIndikator("IndCDO")->ExtremzoneUnten, 30);
  EXPECT_EQ(ErzeugeIndikator("IndMAC")->ExtremzoneUnten, 50);
  EXPECT_EQ(ErzeugeIndikator("IndEMV")->ExtremzoneUnten, 30);
  EXPECT_EQ(ErzeugeIndikator("IndDMI")->ExtremzoneUnten, 50);
  EXPECT_EQ(ErzeugeIndikator("IndVHF")->Entfernungssignal, 40);
  // The percent sign belongs to the code.
  EXPECT_EQ(ErzeugeIndikator("IndNV")->Titel(), "NOTIS Percent Volatility (N%V)");
}

}  // namespace
}  // namespace morvane
