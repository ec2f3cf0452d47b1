#include "grafik/grafikfenster.h"

#include <gtest/gtest.h>

#include "chart/grafikfeld.h"
#include "core/exception.h"
#include "grafik/aufzeichnungsleinwand.h"
#include "testhilfe/ausnahme.h"

namespace morvane {
namespace {

using TArt = TAufruf::TArt;

TEST(Grafikfenster, SchrifthoeheFolgtDemDruckerfaktor) {
  TAufzeichnungsLeinwand leinwand;
  {
    TGrafikfenster drucker(leinwand, {0, 0, 999, 999}, 10, 10);
    drucker.SetzeSchriftHoehe(12);
    EXPECT_EQ(drucker.SchriftHoehe(), 90);
    EXPECT_TRUE(drucker.IstDruck());
  }
  TGrafikfenster schirm(leinwand, {0, 0, 99, 99});
  schirm.SetzeSchriftHoehe(12);
  EXPECT_EQ(schirm.SchriftHoehe(), 12);
  EXPECT_FALSE(schirm.IstDruck());
  EXPECT_EQ(leinwand.Schrift().Name, "Arial");
}

TEST(Grafikfenster, RechteckSchliesstBeideEckenEinInJederReihenfolge) {
  TAufzeichnungsLeinwand leinwand;
  TGrafikfenster f(leinwand, {100, 50, 399, 249});
  f.Rechteck(10, 10, 5, 5);
  f.Rechteck(5, 5, 10, 10);
  f.StiftLeer();
  f.Rechteck(5, 10, 10, 5);
  const auto r = leinwand.Alle(TArt::Rechteck);
  ASSERT_EQ(r.size(), 3u);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(r[i].x1, 105);
    EXPECT_EQ(r[i].y1, 55);
    EXPECT_EQ(r[i].x2, 111);  // inclusive right edge becomes exclusive
    EXPECT_EQ(r[i].y2, 61);
  }
  // The canvas fills a pen-less rectangle one pixel short.
  EXPECT_EQ(r[2].x2, 112);
  EXPECT_EQ(r[2].y2, 62);
}

TEST(Grafikfenster, KoordinatenUndClipSindRelativUndWerdenZurueckgegeben) {
  TAufzeichnungsLeinwand leinwand;
  leinwand.SetzeClip(TRechteck{0, 0, 500, 500});
  {
    TGrafikfenster f(leinwand, {100, 50, 399, 249});
    EXPECT_EQ(leinwand.Clip(), (TRechteck{100, 50, 400, 250}));
    {
      const auto teil = f.Teilfenster({10, 20, 59, 69});
      EXPECT_EQ(leinwand.Clip(), (TRechteck{110, 70, 160, 120}));
      teil->Linie(0, 0, 5, 5);
    }
    EXPECT_EQ(leinwand.Clip(), (TRechteck{100, 50, 400, 250}));
    f.SetzeSchriftHoehe(10);  // recorded text: 5 pixels per character
    f.TextMitte(50, 0, "abcd");
    f.TextRechts(50, 0, "abcd");
  }
  EXPECT_EQ(leinwand.Clip(), (TRechteck{0, 0, 500, 500}));
  const auto linien = leinwand.Alle(TArt::Linie);
  ASSERT_EQ(linien.size(), 1u);
  EXPECT_EQ(linien[0].x1, 110);
  EXPECT_EQ(linien[0].y2, 75);
  const auto texte = leinwand.Texte();
  ASSERT_EQ(texte.size(), 2u);
  EXPECT_EQ(texte[0].x1, 140);
  EXPECT_EQ(texte[1].x1, 130);
}

TEST(Grafikfenster, DruckerFuelltDenTexthintergrundSelbst) {
  TAufzeichnungsLeinwand leinwand;
  TGrafikfenster f(leinwand, {0, 0, 999, 999}, 10, 10);
  f.SetzePinselFarbe(kWeiss);
  f.SetzePinselStil(TPinselStil::Voll);
  f.SetzeSchriftHoehe(8);  // 60 device pixels
  f.Text(10, 20, "ab");
  f.PinselLeer();
  f.Text(10, 20, "ab");
  const auto r = leinwand.Alle(TArt::Rechteck);
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].Stift.Stil, TStiftStil::Leer);
  EXPECT_EQ(r[0].x2, 10 + 60 + 1);
  EXPECT_EQ(r[0].y2, 20 + 60 + 1);
  EXPECT_EQ(leinwand.Stift().Stil, TStiftStil::Durchgezogen);  // pen restored
  EXPECT_EQ(leinwand.Texte().size(), 2u);
}

class TTestFeld : public TGrafikfeld {
 public:
  void GroesseGeaendert() override { ++layouts; }
  void Zeichne(TGrafikfenster& f) override {
    gemalt = f.Rechteck();
    if (werfen) throw Exception("kaputt");
  }
  void MausKlick(TMausTaste, TUmschaltStatus, TPunkt, TPunkt feld) override { klick = feld; }

  int layouts = 0;
  bool werfen = false;
  TRechteck gemalt;
  TPunkt klick;
};

TEST(Grafikfeld, GrenzenKlickUndNeuzeichnen) {
  TTestFeld feld;
  std::vector<TRechteck> anfragen;
  feld.SetzeOnNeuZeichnen([&](const TRechteck& r, bool) { anfragen.push_back(r); });
  feld.SetzeGrenzen({10, 20, 109, 69});
  EXPECT_EQ(feld.Breite(), 100);
  EXPECT_EQ(feld.Hoehe(), 50);
  EXPECT_EQ(feld.layouts, 1);
  EXPECT_TRUE(feld.EnthaeltPunkt({109, 69}));
  EXPECT_FALSE(feld.EnthaeltPunkt({110, 69}));
  feld.Klick(TMausTaste::Links, {}, {0, 0}, {15, 25});
  EXPECT_EQ(feld.klick, (TPunkt{5, 5}));
  feld.NeuZeichnenTeil({1, 2, 3, 4}, false);
  ASSERT_EQ(anfragen.size(), 1u);
  EXPECT_EQ(anfragen[0], (TRechteck{11, 22, 13, 24}));

  feld.SetzeSichtbar(false);
  feld.NeuZeichnen(true);
  EXPECT_EQ(anfragen.size(), 1u);
  EXPECT_FALSE(feld.EnthaeltPunkt({15, 25}));

  TGrafikfeld& basis = feld;
  basis.SetzeGrenzen({5, 5, 4, 4});
  EXPECT_EQ(feld.Breite(), 0);  // never negative
}

TEST(Grafikfeld, ZeichneInRechteckStelltAllesWiederHerAuchNachFehler) {
  TTestFeld feld;
  int anfragen = 0;
  feld.SetzeOnNeuZeichnen([&](const TRechteck&, bool) { ++anfragen; });
  feld.SetzeGrenzen({10, 20, 109, 69});
  TAufzeichnungsLeinwand leinwand;
  TGrafikfenster seite(leinwand, {0, 0, 4799, 6599}, 10, 10);
  feld.ZeichneInRechteck(seite, {0, 3350, 4799, 6599});
  EXPECT_EQ(feld.gemalt, (TRechteck{0, 3350, 4799, 6599}));
  EXPECT_EQ(feld.Grenzen(), (TRechteck{10, 20, 109, 69}));
  feld.werfen = true;
  EXPECT_THROW_MSG(feld.ZeichneInRechteck(seite, {0, 0, 99, 99}), Exception, "kaputt");
  EXPECT_EQ(feld.Grenzen(), (TRechteck{10, 20, 109, 69}));
  EXPECT_EQ(leinwand.Clip(), (TRechteck{0, 0, 4800, 6600}));
  feld.NeuZeichnen(false);
  EXPECT_EQ(anfragen, 1);  // the event is back
}

}  // namespace
}  // namespace morvane
