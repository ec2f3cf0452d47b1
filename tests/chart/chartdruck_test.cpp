#include "chart/chartdruck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "chart/chartfeld.h"
#include "charttesthilfe.h"
#include "store/einstellungen.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

struct TRegelFall {
  TDruckWahl vorher;
  TDruckWahl nachher;
  TDruckFreigabe freigabe;
  int bild;
  const char* warum;
};

TEST(ChartDruck, RegelnFreigabeUndVorschau) {
  // Freigabe: Charts3, PosOben, PosMitte, PosUnten.
  const TRegelFall faelle[] = {
      {{false, 3, 2},
       {false, 2, 1},
       {false, true, false, true},
       7,
       "Querformat mit drei Charts: zwei Charts, die Mitte wird oben"},
      {{false, 3, 3},
       {false, 2, 3},
       {false, true, false, true},
       8,
       "Querformat mit drei Charts unten bleibt unten"},
      {{true, 1, 3},
       {true, 1, 1},
       {true, false, false, false},
       0,
       "ein Chart: keine Position wählbar, gespeicherte Position zählt nicht"},
      {{false, 1, 2}, {false, 1, 1}, {false, false, false, false}, 6, "ein Chart quer"},
      {{true, 2, 2}, {true, 2, 1}, {true, true, false, true}, 1, "Mitte nur bei drei Charts"},
      {{true, 2, 3}, {true, 2, 3}, {true, true, false, true}, 2, "zwei Charts unten"},
      {{true, 3, 1}, {true, 3, 1}, {true, true, true, true}, 3, "drei Charts oben"},
      {{true, 3, 2}, {true, 3, 2}, {true, true, true, true}, 4, "drei Charts Mitte"},
      {{true, 3, 3}, {true, 3, 3}, {true, true, true, true}, 5, "drei Charts unten"},
      {{true, 0, 9}, {true, 1, 1}, {true, false, false, false}, 0, "kaputte Bytes"},
      {{true, 255, 3}, {true, 1, 1}, {true, false, false, false}, 0, "kaputte Bytes"},
  };
  for (const TRegelFall& f : faelle) {
    SCOPED_TRACE(f.warum);
    EXPECT_EQ(DruckWahlBereinigt(f.vorher), f.nachher);
    EXPECT_EQ(DruckFreigabe(f.vorher), f.freigabe);
    EXPECT_EQ(DruckBild(f.vorher), f.bild);
  }
}

TEST(ChartDruck, EinstellungenWerdenBereinigtGelesenUndGeschrieben) {
  test::TTempVerzeichnis dir;
  TEinstellungen e(dir.Pfad());
  EXPECT_EQ(DruckWahlLesen(e), (TDruckWahl{false, 1, 1}));
  e.DruckHochformat = false;
  e.DruckChartsProSeite = 3;
  e.DruckPosition = 2;
  EXPECT_EQ(DruckWahlLesen(e), (TDruckWahl{false, 2, 1}));
  DruckWahlSchreiben(e, {true, 3, 3});
  EXPECT_TRUE(e.DruckHochformat);
  EXPECT_EQ(e.DruckChartsProSeite, 3);
  EXPECT_EQ(e.DruckPosition, 3);
}

struct TBandFall {
  int breite, hoehe, fy;
  TDruckWahl wahl;
  TRechteck band;
};

TEST(ChartDruck, BaenderMitAbstand) {
  const TBandFall faelle[] = {
      {4800, 6600, 10, {true, 2, 3}, {0, 3350, 4799, 6599}},
      {4800, 6600, 10, {true, 2, 1}, {0, 0, 4799, 3250}},
      {4800, 6600, 10, {true, 1, 3}, {0, 0, 4799, 6599}},
      {4800, 6600, 10, {true, 3, 1}, {0, 0, 4799, 2150}},
      {4800, 6600, 10, {true, 3, 2}, {0, 2250, 4799, 4350}},
      {4800, 6600, 10, {true, 3, 3}, {0, 4450, 4799, 6599}},
      // An odd height: integer division, the last band takes the rest.
      {100, 101, 1, {true, 3, 3}, {0, 71, 99, 100}},
      {6600, 4800, 5, {false, 2, 2}, {0, 2425, 6599, 4799}},
      {6600, 4800, 5, {false, 0, 3}, {0, 0, 6599, 4799}},
  };
  for (const TBandFall& f : faelle) {
    SCOPED_TRACE(std::to_string(f.hoehe) + " " + std::to_string(f.wahl.ChartsProSeite) + "/" +
                 std::to_string(f.wahl.Position));
    EXPECT_EQ(DruckBand(f.breite, f.hoehe, f.fy, f.wahl), f.band);
  }
}

class ChartDruckFeld : public ::testing::Test {
 protected:
  ChartDruckFeld() : store(dir.Pfad()) {
    ansicht.Indikatoren = true;
    ansicht.Infobereich = true;
    TWertpapier wp;
    wp.Bezeichnung = "Beispiel AG";
    test::Schlusskurse(wp, {10, 11, 12, 11, 13, 14, 12, 15, 16, 15, 17, 18});
    id = store.NeueID("Aktien", "Beispiel AG");
    store.WertpapierSpeichern(id, wp);
  }

  test::TTempVerzeichnis dir;
  TWPVerwaltung store;
  TChartAnsicht ansicht;
  TIndVorlagen vorlagen;
  std::string id;
  TAufzeichnungsLeinwand leinwand;
};

TEST_F(ChartDruckFeld, ZweiBaenderUntenMaltNurImBandUndStelltDasLayoutWiederHer) {
  TChartFeld feld(store, ansicht, vorlagen);
  feld.ZeigeWertpapier(id);
  feld.SetzeGrenzen({0, 0, 799, 599});
  FeldInBandDrucken(feld, leinwand, {0, 0, 4799, 6599}, 10, 10, {true, 2, 3});

  // Clip rectangles are exclusive at the right and bottom.
  const TRechteck band{0, 3350, 4800, 6600};
  ASSERT_FALSE(leinwand.Aufrufe().empty());
  int oben = 6600, unten = -1;
  for (const TAufruf& a : leinwand.Aufrufe()) {
    ASSERT_TRUE(a.Clip.has_value());
    EXPECT_GE(a.Clip->Oben, band.Oben);
    EXPECT_LE(a.Clip->Unten, band.Unten);
    EXPECT_GE(a.Clip->Links, band.Links);
    EXPECT_LE(a.Clip->Rechts, band.Rechts);
    oben = std::min(oben, a.Clip->Oben);
    unten = std::max(unten, a.Clip->Unten);
  }
  // The whole band is used, top to bottom.
  EXPECT_EQ(oben, band.Oben);
  EXPECT_EQ(unten, band.Unten);
  // The printer header names the security.
  EXPECT_NE(leinwand.SucheText("Beispiel AG"), nullptr);
  // The screen layout is back, and the canvas has no clip left over.
  EXPECT_EQ(feld.Grenzen(), (TRechteck{0, 0, 799, 599}));
  EXPECT_EQ(feld.Chart().Grenzen(), (TRechteck{0, 0, 699, 499}));
  EXPECT_FALSE(leinwand.Clip().has_value());
}

// A field whose painting fails.
class TFehlfeld : public TGrafikfeld {
 public:
  void GroesseGeaendert() override {}
  void MausKlick(TMausTaste, TUmschaltStatus, TPunkt, TPunkt) override {}
  void Zeichne(TGrafikfenster&) override { throw std::runtime_error("Papierstau"); }
};

TEST(ChartDruck, FehlerBeimMalenStelltGrenzenUndClipWiederHer) {
  TFehlfeld feld;
  feld.SetzeGrenzen({0, 0, 99, 99});
  TAufzeichnungsLeinwand leinwand;
  EXPECT_THROW(FeldInBandDrucken(feld, leinwand, {0, 0, 999, 999}, 10, 10, {true, 3, 2}),
               std::runtime_error);
  EXPECT_EQ(feld.Grenzen(), (TRechteck{0, 0, 99, 99}));
  EXPECT_FALSE(leinwand.Clip().has_value());
}

}  // namespace
}  // namespace morvane
