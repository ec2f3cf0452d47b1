#include "chart/chartfeld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "charttesthilfe.h"
#include "core/datumtext.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

using test::Tag;

// A chart field over a temporary data directory, with bar and info area
// switched on in the settings' view.
class ChartFeld : public ::testing::Test {
 protected:
  ChartFeld() : store(dir.Pfad()) {
    einstellung.Indikatoren = true;
    einstellung.Infobereich = true;
  }

  // Stores a security with closes on consecutive days from day 0.
  std::string Speichern(const std::string& name, const std::vector<double>& schluss) {
    TWertpapier wp;
    wp.Bezeichnung = name;
    test::Schlusskurse(wp, schluss);
    const std::string id = store.NeueID("Aktien", name);
    store.WertpapierSpeichern(id, wp);
    return id;
  }

  // The field at the origin of a w x h canvas, painted onto the recording one.
  void Zeichnen(TChartFeld& feld, int w = 800, int h = 600) {
    feld.SetzeGrenzen({0, 0, w - 1, h - 1});
    TGrafikfenster fenster(leinwand, feld.Grenzen());
    feld.Zeichne(fenster);
  }

  // Index of the first text call starting with `anfang`; -1 when none.
  int TextIndex(const std::string& anfang) const {
    const auto& aufrufe = leinwand.Aufrufe();
    for (std::size_t i = 0; i < aufrufe.size(); ++i)
      if (aufrufe[i].Art == TAufruf::TArt::Text && aufrufe[i].Text.starts_with(anfang))
        return static_cast<int>(i);
    return -1;
  }

  test::TTempVerzeichnis dir;
  TWPVerwaltung store;
  TChartAnsicht einstellung;
  TIndVorlagen vorlagen;
  TAufzeichnungsLeinwand leinwand;
};

TEST_F(ChartFeld, LayoutMitBalkenUndInfobereich) {
  TChartFeld feld(store, einstellung, vorlagen);
  feld.SetzeGrenzen({0, 0, 799, 599});
  EXPECT_EQ(feld.Chart().Grenzen(), (TRechteck{0, 0, 699, 499}));
  EXPECT_EQ(feld.IndikatorBalken().Grenzen(), (TRechteck{0, 500, 799, 599}));
  EXPECT_EQ(feld.Info().Grenzen(), (TRechteck{700, 0, 799, 499}));
}

TEST_F(ChartFeld, LayoutAufDerDruckseiteAnteilig) {
  TChartFeld feld(store, einstellung, vorlagen);
  struct TFall {
    int w, h, balken, info;
  };
  // Up to 1000 high and 2000 wide the strips stay 100 pixels; beyond that the
  // bar takes a third of the height and the info area a fifth of the width.
  for (const TFall& fall : {TFall{1500, 3000, 1000, 100}, TFall{2000, 1000, 100, 100},
                            TFall{2001, 1001, 333, 400}, TFall{5000, 2400, 800, 1000}}) {
    feld.SetzeGrenzen({0, 0, fall.w - 1, fall.h - 1});
    const int b = fall.balken, i = fall.info;
    SCOPED_TRACE(std::to_string(fall.w) + " x " + std::to_string(fall.h));
    EXPECT_EQ(feld.Chart().Grenzen(), (TRechteck{0, 0, fall.w - i - 1, fall.h - b - 1}));
    EXPECT_EQ(feld.IndikatorBalken().Grenzen(), (TRechteck{0, fall.h - b, fall.w - 1, fall.h - 1}));
    EXPECT_EQ(feld.Info().Grenzen(), (TRechteck{fall.w - i, 0, fall.w - 1, fall.h - b - 1}));
  }
}

TEST_F(ChartFeld, OhneBalkenUndInfobereichFuelltDerChartAlles) {
  einstellung.Indikatoren = false;
  einstellung.Infobereich = false;
  TChartFeld feld(store, einstellung, vorlagen);
  EXPECT_FALSE(feld.IndikatorBalken().Sichtbar());
  EXPECT_FALSE(feld.Info().Sichtbar());
  feld.SetzeGrenzen({0, 0, 799, 599});
  EXPECT_EQ(feld.Chart().Grenzen(), (TRechteck{0, 0, 799, 599}));
}

TEST_F(ChartFeld, SetzeAnsichtGleichtDieEinstellungAn) {
  TChartFeld feld(store, einstellung, vorlagen);
  feld.SetzeGrenzen({0, 0, 799, 599});
  TChartAnsicht neu = feld.Ansicht();
  EXPECT_TRUE(neu.Indikatoren);
  EXPECT_TRUE(neu.Infobereich);
  neu.Charttyp = TCharttyp::Linie;
  neu.Tage = 120;
  neu.Infobereich = false;
  feld.SetzeAnsicht(neu);
  EXPECT_EQ(einstellung, neu);
  EXPECT_EQ(feld.Chart().Ansicht().Charttyp, TCharttyp::Linie);
  EXPECT_FALSE(feld.Info().Sichtbar());
  EXPECT_EQ(feld.Ansicht(), neu);
  // Laid out anew: the chart takes the info area's room.
  EXPECT_EQ(feld.Chart().Grenzen(), (TRechteck{0, 0, 799, 499}));
}

TEST_F(ChartFeld, ZeichnetChartBalkenUndInfobereichInDieserFolge) {
  const std::string id = Speichern("Folge AG", {10, 11, 12});
  TChartFeld feld(store, einstellung, vorlagen);
  feld.ZeigeWertpapier(id);
  Zeichnen(feld);
  const int chart = TextIndex("Folge AG");
  const int balken = TextIndex("Indikator-Signale");
  const int info = TextIndex("Tagesinformationen");
  ASSERT_GE(chart, 0);
  EXPECT_LT(chart, balken);
  EXPECT_LT(balken, info);
  // Each child paints in its own place on the canvas.
  EXPECT_EQ(leinwand.Aufrufe()[info].x1, 700);
  EXPECT_GE(leinwand.Aufrufe()[balken].y1, 500);
}

TEST_F(ChartFeld, TagDesChartsErreichtBalkenUndInfobereich) {
  const std::string id = Speichern("Tage AG", {10, 11, 12, 13, 14, 15});
  TChartFeld feld(store, einstellung, vorlagen);
  feld.ZeigeWertpapier(id);
  EXPECT_EQ(feld.Info().Tag(), Tag(5));
  EXPECT_EQ(feld.IndikatorBalken().Tag(), Tag(5));
  Zeichnen(feld);
  EXPECT_GE(TextIndex("zum " + BoersentagZuText(Tag(5))), 0);
  EXPECT_GE(TextIndex("Indikator-Signale zum " + BoersentagZuText(Tag(5))), 0);

  EXPECT_EQ(feld.Scrolle(scZeileLinks, 0), Tag(4));
  EXPECT_EQ(feld.Info().Tag(), Tag(4));
  EXPECT_EQ(feld.IndikatorBalken().Tag(), Tag(4));
  leinwand.Leeren();
  Zeichnen(feld);
  EXPECT_NE(leinwand.SucheText("14,00 EUR"), nullptr) << "close of day 4 in the info area";
  EXPECT_EQ(feld.ScrollPosition(), feld.Chart().ScrollPosition());
}

TEST_F(ChartFeld, NichtLadbaresWertpapierLaesstDasFeldLeer) {
  const std::string id = Speichern("Gut AG", {10, 11});
  TChartFeld feld(store, einstellung, vorlagen);
  feld.ZeigeWertpapier(id);
  ASSERT_NE(feld.Wertpapier(), nullptr);
  const std::string fehlt = dir.Pfad() + "Aktien/Fehlt.mv3";
  EXPECT_THROW_MSG(feld.ZeigeWertpapier(fehlt), EWPVerwaltung,
                   "Die ID '" + fehlt + "' verweist auf keine gültige Wertpapier-Datei.");
  EXPECT_EQ(feld.Wertpapier(), nullptr);
  EXPECT_EQ(feld.Chart().Wertpapier(), nullptr);
  EXPECT_EQ(feld.IndikatorBalken().Wertpapier(), nullptr);
  EXPECT_EQ(feld.Info().Wertpapier(), nullptr);
  EXPECT_EQ(feld.Info().Tag(), 0);
  // Nothing still points to the freed security (the sanitizer would see it).
  Zeichnen(feld);
  EXPECT_EQ(TextIndex("Gut AG"), -1);
  EXPECT_EQ(TextIndex("zum "), -1);
}

TEST_F(ChartFeld, AktualisiereNurBeiGleicherID) {
  const std::string a = Speichern("Alpha", {10, 11});
  const std::string b = Speichern("Beta", {20, 21});
  TChartFeld feld(store, einstellung, vorlagen);
  feld.Aktualisiere(a);
  EXPECT_EQ(feld.Wertpapier(), nullptr) << "nothing shown, nothing loaded";

  feld.ZeigeWertpapier(a);
  TWertpapier geaendert = store.WertpapierLaden(a);
  TKurs k = *geaendert.Kurse.Kurs(1);
  k.Schluss = 17;
  geaendert.Kurse.Setze(k, TSetzModus::Ersetzen);
  store.WertpapierSpeichern(a, geaendert);

  const TWertpapier* vorher = feld.Wertpapier();
  feld.Aktualisiere(b);
  feld.Aktualisiere(a + " ");
  feld.Aktualisiere("");
  EXPECT_EQ(feld.Wertpapier(), vorher);
  EXPECT_EQ(feld.Wertpapier()->Kurse.Kurs(1)->Schluss, 11);

  feld.Aktualisiere(a);
  ASSERT_NE(feld.Wertpapier(), nullptr);
  EXPECT_EQ(feld.Wertpapier()->ID, a);
  EXPECT_EQ(feld.Wertpapier()->Kurse.Kurs(1)->Schluss, 17);
  Zeichnen(feld);
  EXPECT_NE(leinwand.SucheText("17,00 EUR"), nullptr);
}

TEST_F(ChartFeld, KlickImBalkenSchaltetEinenIndikatorEin) {
  std::vector<double> kurse;
  for (int i = 0; i < 80; ++i)
    kurse.push_back(100 + (i % 7) * 2 - (i % 3));
  const std::string id = Speichern("Klick AG", kurse);
  TChartFeld feld(store, einstellung, vorlagen);
  feld.ZeigeWertpapier(id);
  Zeichnen(feld);
  const TIndAnalyse& analyse = feld.IndikatorBalken().Analyse();
  ASSERT_GT(analyse.Anzahl(1), 0);
  ASSERT_EQ(analyse.AnzahlAngezeigt(), 0);

  std::vector<TRechteck> anfragen;
  feld.SetzeOnNeuZeichnen([&](const TRechteck& r, bool) { anfragen.push_back(r); });
  // The first gauge of the first group, in field coordinates.
  const int x = feld.IndikatorBalken().Zellbreite() / 4 + 2;
  const TPunkt punkt{x, 500 + 30};
  // A click in the chart or the info area leaves the bar alone.
  feld.Klick(TMausTaste::Links, {}, {}, TPunkt{x, 30});
  feld.Klick(TMausTaste::Links, {}, {}, TPunkt{750, 30});
  EXPECT_EQ(analyse.AnzahlAngezeigt(), 0);

  feld.Klick(TMausTaste::Links, {}, {}, punkt);
  EXPECT_EQ(analyse.AnzahlAngezeigt(), 1);
  EXPECT_TRUE(analyse.Angezeigt(1, 0));
  // The layer asked the chart for a repaint, which reached the field's owner.
  EXPECT_NE(std::find(anfragen.begin(), anfragen.end(), feld.Chart().Grenzen()), anfragen.end());

  leinwand.Leeren();
  Zeichnen(feld);
  EXPECT_GE(TextIndex("Indikator: "), 0);

  // Hiding the bar takes the indicator out of the chart again.
  TChartAnsicht ohne = feld.Ansicht();
  ohne.Indikatoren = false;
  feld.SetzeAnsicht(ohne);
  EXPECT_EQ(analyse.AnzahlAngezeigt(), 0);
  feld.Klick(TMausTaste::Links, {}, {}, punkt);
  EXPECT_EQ(analyse.AnzahlAngezeigt(), 0) << "a hidden bar takes no clicks";
}

TEST_F(ChartFeld, NeuZeichnenDerKinderInDenKoordinatenDesBesitzers) {
  const std::string id = Speichern("Versatz AG", {10, 11, 12});
  TChartFeld feld(store, einstellung, vorlagen);
  feld.SetzeGrenzen({10, 20, 809, 619});
  feld.ZeigeWertpapier(id);
  std::vector<TRechteck> anfragen;
  feld.SetzeOnNeuZeichnen([&](const TRechteck& r, bool) { anfragen.push_back(r); });
  feld.Scrolle(scZeileLinks, 0);
  // The chart and the info area repaint, each moved by the field's position.
  EXPECT_NE(std::find(anfragen.begin(), anfragen.end(), TRechteck{10, 20, 709, 519}),
            anfragen.end());
  EXPECT_NE(std::find(anfragen.begin(), anfragen.end(), TRechteck{710, 20, 809, 519}),
            anfragen.end());

  // Computing the indicators anew repaints the bar and, through the layer,
  // the chart.
  anfragen.clear();
  feld.IndikatorenNeuBerechnen();
  EXPECT_NE(std::find(anfragen.begin(), anfragen.end(), TRechteck{10, 20, 709, 519}),
            anfragen.end());
  EXPECT_NE(std::find(anfragen.begin(), anfragen.end(), TRechteck{10, 520, 809, 619}),
            anfragen.end());
}

}  // namespace
}  // namespace morvane
