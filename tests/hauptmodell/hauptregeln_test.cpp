#include <gtest/gtest.h>

#include "app/hauptmodell/befehle.h"
#include "app/hauptmodell/fensterzustand.h"
#include "app/hauptmodell/programmsperre.h"
#include "app/hauptmodell/tastatur.h"
#include "app/hauptmodell/vorlagenmenue.h"
#include "chart/wpchart.h"
#include "store/einstellungen.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

TEST(VorlagenMenue, KaufmannsUndBleibtSichtbarUndLeereSlotsSindAus) {
  TChartVorlagen vorlagen;  // slots 1 ... 3 filled by default
  vorlagen.SetzeVorlage(10, "Kurs & Umsatz", TChartAnsicht{});
  vorlagen.Loesche(2);
  const TVorlagenMenue m = VorlagenMenue(vorlagen);
  EXPECT_TRUE(m.TrennerSichtbar);
  const TVorlagenEintrag& null = m.Eintraege[9];
  EXPECT_EQ(null.Menuetext, "&0: Kurs && Umsatz");
  EXPECT_EQ(null.Hinweis, "Kurs & Umsatz") << "a hint shows the name as it is";
  EXPECT_TRUE(null.Sichtbar && null.Aktiv);
  EXPECT_EQ(m.Eintraege[0].Menuetext, "&1: Linienchart");
  const TVorlagenEintrag& leer = m.Eintraege[1];
  EXPECT_FALSE(leer.Sichtbar || leer.Aktiv);
  EXPECT_EQ(leer.Hinweis, "leere Chartvorlage");

  for (int slot = 1; slot <= kAnzahlChartVorlagen; ++slot)
    vorlagen.Loesche(slot);
  EXPECT_FALSE(VorlagenMenue(vorlagen).TrennerSichtbar);
  EXPECT_EQ(OhneKuerzel("&&a&"), "&&&&a&&");
}

TEST(Tastatur, TastenUndIhreWirkung) {
  const struct {
    TTaste Taste;
    bool Strg;
    std::optional<int> Code;
    int Schritt;
  } faelle[] = {
      {TTaste::BildAuf, false, scSeiteLinks, 0}, {TTaste::BildAb, false, scSeiteRechts, 0},
      {TTaste::Pos1, false, scAnfang, 0},        {TTaste::Ende, false, scEnde, 0},
      {TTaste::Links, false, scZeileLinks, 0},   {TTaste::Links, true, scSeiteLinks, 0},
      {TTaste::Rechts, false, scZeileRechts, 0}, {TTaste::Rechts, true, scSeiteRechts, 0},
      {TTaste::Hoch, false, std::nullopt, -1},   {TTaste::Runter, true, std::nullopt, 1},
  };
  for (const auto& f : faelle) {
    const TTastenAktion a = TastenAktion(f.Taste, f.Strg);
    EXPECT_EQ(a.ScrollCode, f.Code) << static_cast<int>(f.Taste) << " strg " << f.Strg;
    EXPECT_EQ(a.Wertpapierschritt, f.Schritt) << static_cast<int>(f.Taste);
  }
}

TEST(Tastatur, SchalterAendernNurIhrFeld) {
  const TChartAnsicht a;
  EXPECT_EQ(Umgeschaltet(a, TAnsichtSchalter::Umsatz).UmsatzAnzeigen, !a.UmsatzAnzeigen);
  EXPECT_EQ(Umgeschaltet(a, TAnsichtSchalter::Infobereich).Infobereich, !a.Infobereich);
  EXPECT_EQ(Umgeschaltet(a, TAnsichtSchalter::Indikatoren).Indikatoren, !a.Indikatoren);
  EXPECT_EQ(Umgeschaltet(Umgeschaltet(a, TAnsichtSchalter::Umsatz), TAnsichtSchalter::Umsatz), a);
}

TEST(Befehle, PopupFreigabe) {
  EXPECT_EQ(KatalogPopup().size(), 6u);
  EXPECT_EQ(WertpapierPopup().size(), 9u);
  for (auto liste : {KatalogPopup(), WertpapierPopup()}) {
    for (TMenuebefehl b : liste) {
      const bool neu = b == TMenuebefehl::WertpapierNeu;
      EXPECT_TRUE(PopupAktiv(b, true, true));
      EXPECT_EQ(PopupAktiv(b, true, false), neu) << Befehlstext(b).Text;
      EXPECT_FALSE(PopupAktiv(b, false, true)) << "a command that does not exist stays off";
    }
  }
  EXPECT_EQ(Befehlstext(TMenuebefehl::WertpapierChartDrucken).Kuerzel, "Ctrl+P");
  EXPECT_EQ(Befehlstext(TMenuebefehl::WPTransaktionen).Kuerzel, "F7");
}

TEST(Fensterzustand, RechteckUndTeilerGrenzen) {
  test::TTempVerzeichnis dir;
  TEinstellungen e(dir.Pfad());
  const struct {
    TFensterrechteck R;
    bool Gilt;
  } faelle[] = {{{0, 0, 0, 0}, false},      {{10, 20, 10, 20}, false}, {{10, 20, 800, 600}, true},
                {{-5, -5, 800, 600}, true}, {{10, 20, 0, 600}, false}, {{10, 20, 800, -1}, false}};
  for (const auto& f : faelle) {
    e.Fensterrechteck = f.R;
    EXPECT_EQ(GespeichertesRechteck(e).has_value(), f.Gilt)
        << f.R[0] << "," << f.R[1] << "," << f.R[2] << "," << f.R[3];
  }
  EXPECT_EQ(PanelBreite(300, 20, 1000, 3), 280);
  EXPECT_EQ(PanelBreite(2000, 20, 1000, 3), 997) << "capped at client width less splitter";
  EXPECT_EQ(PanelBreite(5, 20, 1000, 3), 0) << "never negative";
  EXPECT_EQ(KataloglistenHoehe(200, 10, 500, 7, 20), 190);
  EXPECT_EQ(KataloglistenHoehe(900, 10, 500, 7, 20), 473);
  EXPECT_EQ(KataloglistenHoehe(0, 10, 500, 7, 20), 0);
}

TEST(Fensterzustand, SchliessenSchreibtUndMaximiertBehaeltDasRechteck) {
  test::TTempVerzeichnis dir;
  {
    TEinstellungen e(dir.Pfad());
    FensterzustandSpeichern(e, {false, {1, 2, 640, 480}, {"A", "B"}, "/x/A/y.mv3"});
  }
  {
    TEinstellungen e(dir.Pfad());
    EXPECT_FALSE(e.Maximiert);
    EXPECT_EQ(e.Fensterrechteck, (TFensterrechteck{1, 2, 640, 480}));
    EXPECT_EQ(e.OffeneKataloge, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(e.OffenesWertpapier, std::vector<std::string>{"/x/A/y.mv3"});
    FensterzustandSpeichern(e, {true, {9, 9, 9, 9}, {}, std::nullopt});
  }
  TEinstellungen e(dir.Pfad());
  EXPECT_TRUE(e.Maximiert);
  EXPECT_EQ(e.Fensterrechteck, (TFensterrechteck{1, 2, 640, 480}));
  EXPECT_TRUE(e.OffeneKataloge.empty());
  EXPECT_TRUE(e.OffenesWertpapier.empty());
}

TEST(Programmsperre, MehrereInstanzenHaltenSieGemeinsam) {
  test::TTempVerzeichnis dir;
  EXPECT_FALSE(ProgrammLaeuft(dir.Pfad()));
  {
    const TProgrammsperre erste(dir.Pfad());
    EXPECT_EQ(erste.Datei(), dir.Pfad() + "Morvane35Mutex");
    const TProgrammsperre zweite(dir.Pfad());
    EXPECT_TRUE(ProgrammLaeuft(dir.Pfad()));
  }
  EXPECT_FALSE(ProgrammLaeuft(dir.Pfad())) << "released with the last instance";
  EXPECT_THROW_MSG(TProgrammsperre(dir.Pfad() + "fehlt"), EProgrammsperre,
                   "Die Sperrdatei '" + dir.Pfad() +
                       "fehlt/Morvane35Mutex' ließ sich nicht anlegen: Datei oder Verzeichnis "
                       "nicht gefunden");
}

}  // namespace
}  // namespace morvane
