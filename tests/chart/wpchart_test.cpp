#include "chart/wpchart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "chart/chartfehler.h"
#include "charttesthilfe.h"
#include "testhilfe/ausnahme.h"

namespace morvane {
namespace {

using TArt = TAufruf::TArt;
using test::SchlichteAnsicht;
using test::Schlusskurse;
using test::Tag;
using test::Zeichnen;

TWertpapier Papier(const std::vector<double>& schluss) {
  TWertpapier wp;
  wp.Bezeichnung = "Test AG";
  wp.ISIN = "DE000TEST001";
  Schlusskurse(wp, schluss);
  return wp;
}

// n records around 100 with open, high, low, close and volume.
TWertpapier Kerzenpapier(int n) {
  TWertpapier wp;
  wp.Bezeichnung = "Kerze";
  for (int i = 0; i < n; ++i) {
    const double o = 100 + (i % 5), c = 100 + ((i + 2) % 5);
    wp.Kurse.Setze(test::Satz(i, o, std::max(o, c) + 1, std::min(o, c) - 1, c, 1000 + 10 * i),
                   TSetzModus::Ersetzen);
  }
  return wp;
}

bool Beschriftungsgrund(const TAufruf& a) {
  return a.Art == TArt::Rechteck && a.Stift.Stil == TStiftStil::Leer &&
         a.Pinsel.Stil == TPinselStil::Voll && a.Pinsel.Farbe == kWeiss;
}

// The rectangles of the data, without the white boxes behind the value axes'
// numbers.
std::vector<TAufruf> Datenrechtecke(const TAufzeichnungsLeinwand& l) {
  auto r = l.Alle(TArt::Rechteck);
  std::erase_if(r, Beschriftungsgrund);
  return r;
}

// Candles and volume bars reach the left edge; the axes' numbers come after
// them, each on a white box as wide as its text, so none is covered.
TEST(WPChart, WertbeschriftungenLiegenUeberDenDaten) {
  TWertpapier wp = Kerzenpapier(30);
  TChartAnsicht a = SchlichteAnsicht(TCharttyp::Kerze);
  a.UmsatzAnzeigen = true;
  TChart_WPChart chart;
  TAufzeichnungsLeinwand l;
  test::Zeigen(chart, a, wp, l, 500, 300);
  const auto& aufrufe = l.Aufrufe();
  std::size_t letzteDaten = 0;
  for (std::size_t i = 0; i < aufrufe.size(); ++i) {
    if (aufrufe[i].Art == TArt::Rechteck && !Beschriftungsgrund(aufrufe[i])) letzteDaten = i;
  }
  const int x = chart.Geometrie().RahmenLinks + 7;
  int beschriftungen = 0;
  for (std::size_t i = 1; i < aufrufe.size(); ++i) {
    const TAufruf& t = aufrufe[i];
    if (t.Art != TArt::Text || t.x1 != x) continue;
    ++beschriftungen;
    EXPECT_GT(i, letzteDaten) << t.Text;
    ASSERT_TRUE(Beschriftungsgrund(aufrufe[i - 1])) << t.Text;
    EXPECT_EQ(aufrufe[i - 1].x1, x);
    EXPECT_EQ(aufrufe[i - 1].y1, t.y1);
    // Pen-less, so the canvas gets the right edge + 2.
    EXPECT_EQ(aufrufe[i - 1].x2 - aufrufe[i - 1].x1 - 1, l.TextBreite(t.Text));
  }
  EXPECT_GE(beschriftungen, 4);  // price and volume axes
}

TEST(WPChart, WertachseMitSchrittEinsUndWaehrungAmObersten) {
  TWertpapier wp = Papier({12.3, 15, 18.7});
  TChart_WPChart chart;
  chart.SetzeAnsicht(SchlichteAnsicht(TCharttyp::Linie));
  chart.SetzeWertpapier(&wp);
  TAufzeichnungsLeinwand l;
  Zeichnen(chart, l, 400, 381);
  ASSERT_EQ(chart.Geometrie().PlotUnten - chart.Geometrie().PlotOben, 300);
  std::vector<std::string> beschriftung;
  for (const TAufruf& t : l.Texte())
    if (t.x1 == 17) beschriftung.push_back(t.Text);
  EXPECT_EQ(beschriftung, (std::vector<std::string>{"18 EUR", "17", "16", "15", "14", "13"}));
  const TAufruf* oben = l.SucheText("18 EUR");
  EXPECT_EQ(oben->y1, chart.WertZuY(18) - 7);
  EXPECT_EQ(chart.WertZuY(18.7), 51);
  EXPECT_EQ(chart.WertZuY(12.3), 351);
}

TEST(WPChart, ZuSchmalerChartZeichnetNichts) {
  TWertpapier wp = Papier({10, 11, 12});
  TChart_WPChart chart;
  TAufzeichnungsLeinwand l;
  chart.SetzeWertpapier(&wp);
  Zeichnen(chart, l, 119, 300);
  EXPECT_TRUE(l.Aufrufe().empty());
  Zeichnen(chart, l, 120, 300);
  EXPECT_FALSE(l.Aufrufe().empty());
  l.Leeren();
  chart.Leeren();
  Zeichnen(chart, l, 400, 300);
  EXPECT_TRUE(l.Aufrufe().empty());
}

TEST(WPChart, OhneKurseNurTitelUndRahmen) {
  TWertpapier wp;
  TChart_WPChart chart;
  chart.SetzeWertpapier(&wp);
  TAufzeichnungsLeinwand l;
  Zeichnen(chart, l, 400, 300);
  EXPECT_NE(l.SucheText("(Kein Name)"), nullptr);
  EXPECT_EQ(l.Alle(TArt::Linie).size(), 3u);  // the frame's three sides
  EXPECT_EQ(l.Alle(TArt::Rechteck).size(), 0u);
  EXPECT_EQ(chart.Scrolle(scZeileLinks, 0), 0);
}

TEST(WPChart, AlleTageZaehltSaetzeInDenGrenzen) {
  TChartAnsicht alle;
  alle.AlleTage = true;
  alle.TageOhneKursWeglassen = false;
  TWertpapier wenige = Papier({1, 2, 3, 4, 5});
  TChart_WPChart chart;
  chart.SetzeAnsicht(alle);
  chart.SetzeWertpapier(&wenige);
  EXPECT_EQ(chart.Tage(), 10);
  TWertpapier viele;
  viele.Kurse.Kapazitaet(60000);
  for (int i = 0; i < 60000; ++i) {
    TKurs k;
    k.Datum = Tag(i);
    k.Schluss = 1 + i % 7;
    viele.Kurse.Setze(k, TSetzModus::Ersetzen);
  }
  chart.SetzeWertpapier(&viele);
  EXPECT_EQ(chart.Tage(), 50000);
  EXPECT_EQ(chart.LetztesDatum(), Tag(59999));
  EXPECT_EQ(chart.ErstesDatum(), Tag(10000));
}

TEST(WPChart, ScrollenKlemmtInBeidenModi) {
  std::vector<double> kurse(100, 10);
  TWertpapier wp = Papier(kurse);
  TChart_WPChart chart;
  int meldungen = 0, neuZeichnen = 0;
  chart.SetzeOnTag([&](Boersentag) { ++meldungen; });
  chart.SetzeOnNeuZeichnen([&](const TRechteck&, bool) { ++neuZeichnen; });

  TChartAnsicht kalender = SchlichteAnsicht(TCharttyp::Kerze);
  kalender.TageOhneKursWeglassen = false;
  chart.SetzeAnsicht(kalender);
  chart.SetzeWertpapier(&wp);
  EXPECT_EQ(chart.ScrollPosition(), 1000);
  EXPECT_EQ(chart.Scrolle(scAnfang, 0), Tag(0));
  EXPECT_EQ(chart.Scrolle(scZeileLinks, 0), Tag(0));
  EXPECT_EQ(chart.ScrollPosition(), 0);
  EXPECT_EQ(chart.Scrolle(scSeiteRechts, 0), Tag(50));
  EXPECT_EQ(chart.Scrolle(scSchieberZiehen, 500), Tag(50));  // 99 * 0.5 rounded
  EXPECT_EQ(chart.Scrolle(scEnde, 0), Tag(99));

  chart.SetzeAnsicht(SchlichteAnsicht(TCharttyp::Kerze));  // index mode
  chart.Scrolle(scSchieberZiehen, 30);
  EXPECT_EQ(chart.Ende(), 3);
  EXPECT_EQ(chart.Scrolle(scSeiteLinks, 0), Tag(0));
  EXPECT_EQ(chart.Ende(), 0);
  EXPECT_EQ(chart.Scrolle(scSeiteRechts, 0), Tag(50));
  EXPECT_EQ(chart.ScrollPosition(), 505);

  const int m = meldungen, n = neuZeichnen;
  EXPECT_EQ(chart.Scrolle(scScrollEnde, 0), Tag(50));
  EXPECT_EQ(meldungen, m);
  EXPECT_EQ(neuZeichnen, n);
  chart.Scrolle(scSchieberLosgelassen, 0);  // reports, but does not repaint
  EXPECT_EQ(meldungen, m + 1);
  EXPECT_EQ(neuZeichnen, n);
}

TEST(WPChart, TitelMitBereichEinesTages) {
  TWertpapier wp = Papier({10});
  TChart_WPChart chart;
  chart.SetzeAnsicht(SchlichteAnsicht(TCharttyp::Kerze));
  chart.SetzeWertpapier(&wp);
  TAufzeichnungsLeinwand l;
  Zeichnen(chart, l, 400, 300);
  EXPECT_NE(l.SucheText("Test AG, DE000TEST001"), nullptr);
  EXPECT_NE(l.SucheText("Kerzenchart, 04.01.2010 bis 04.01.2010 (1 Tag)"), nullptr);

  TChartAnsicht linie = SchlichteAnsicht(TCharttyp::Linie);
  linie.UmsatzAnzeigen = true;
  linie.TageOhneKursWeglassen = false;
  linie.Tage = 10;
  chart.SetzeAnsicht(linie);
  l.Leeren();
  Zeichnen(chart, l, 400, 300);
  EXPECT_NE(l.SucheText("Linienchart mit Schlusskurs (oben), Stückumsätze (unten), "
                        "22.12.2009 bis 04.01.2010 (10 Tage)"),
            nullptr);
}

TEST(WPChart, KursfeldErsatzUndEinzelnerPunkt) {
  TWertpapier wp;
  for (int i = 0; i < 3; ++i) {
    TKurs k;
    k.Datum = Tag(i);
    if (i < 2) k.Kassakurs = 8;
    if (i == 2) k.Schluss = 10;
    wp.Kurse.Setze(k, TSetzModus::Ersetzen);
  }
  TChart_WPChart chart;
  chart.SetzeAnsicht(SchlichteAnsicht(TCharttyp::Linie));
  chart.SetzeWertpapier(&wp);
  EXPECT_EQ(chart.Ansicht().LinienKurs, 5);  // no close on the first day
  EXPECT_EQ(chart.Ansicht().PFKurs, 5);
  // Back to closes: only the last visible record has one, so a dot is drawn.
  chart.SetzeAnsicht(SchlichteAnsicht(TCharttyp::Linie));
  TAufzeichnungsLeinwand l;
  Zeichnen(chart, l, 400, 300);
  const auto punkte = l.Alle(TArt::Ellipse);
  ASSERT_EQ(punkte.size(), 1u);
  const int x = chart.Geometrie().PlotRechts, y = chart.WertZuY(10);
  EXPECT_EQ(punkte[0].x1, x - 2);
  EXPECT_EQ(punkte[0].y2, y + 3);
  EXPECT_EQ(punkte[0].Pinsel.Farbe, kSchwarz);
  // Moving the end back one day leaves the single value off the range.
  chart.Scrolle(scZeileLinks, 0);
  l.Leeren();
  Zeichnen(chart, l, 400, 300);
  EXPECT_TRUE(l.Alle(TArt::Ellipse).empty());
}

TEST(WPChart, BalkenBeiTagesbreiteDrei) {
  TWertpapier wp;
  wp.Kurse.Setze(test::Satz(0, 11, 12, 10, 11.5), TSetzModus::Ersetzen);
  TChart_WPChart chart;
  chart.SetzeAnsicht(SchlichteAnsicht(TCharttyp::Balken));
  chart.SetzeWertpapier(&wp);
  TAufzeichnungsLeinwand l;
  Zeichnen(chart, l, 228, 300);
  ASSERT_DOUBLE_EQ(chart.Tagesbreite(), 3);
  const auto r = Datenrechtecke(l);
  ASSERT_EQ(r.size(), 3u);
  const int x = 187;  // PlotRechts
  // Filled pen-less rectangles: the canvas gets the right edge + 2.
  EXPECT_EQ(r[0].x1, x);
  EXPECT_EQ(r[0].x2, x + 2);  // body 1 pixel wide
  EXPECT_EQ(r[0].y1, chart.WertZuY(12));
  EXPECT_EQ(r[0].y2, chart.WertZuY(10) + 1 + 2);
  EXPECT_EQ(r[1].x1, x - 1);  // open tick of length 1, 1 pixel thick
  EXPECT_EQ(r[1].x2, x + 2);
  EXPECT_EQ(r[1].y2 - r[1].y1, 2);
  EXPECT_EQ(r[2].x1, x);  // close tick
  EXPECT_EQ(r[2].x2, x + 1 + 2);
  for (const TAufruf& a : r)
    EXPECT_EQ(a.Pinsel.Farbe, kSchwarz);
}

TEST(WPChart, KerzenWeissSteigendSonstSchwarz) {
  TWertpapier wp;
  wp.Kurse.Setze(test::Satz(0, 10, 13, 9, 12), TSetzModus::Ersetzen);       // rising
  wp.Kurse.Setze(test::Satz(1, 11, 12, 10, 11), TSetzModus::Ersetzen);      // open = close
  wp.Kurse.Setze(test::Satz(2, 12, 12.5, 10, 10.5), TSetzModus::Ersetzen);  // falling
  wp.Kurse.Setze(test::Satz(3, 0, 12, 10, 0), TSetzModus::Ersetzen);        // wick only
  TChart_WPChart chart;
  chart.SetzeAnsicht(SchlichteAnsicht(TCharttyp::Kerze));
  chart.SetzeWertpapier(&wp);
  TAufzeichnungsLeinwand l;
  Zeichnen(chart, l, 400, 300);
  const auto r = Datenrechtecke(l);
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0].Pinsel.Farbe, kWeiss);
  EXPECT_EQ(r[1].Pinsel.Farbe, kSchwarz);
  EXPECT_EQ(r[1].y2 - r[1].y1, 1);  // a flat body
  EXPECT_EQ(r[2].Pinsel.Farbe, kSchwarz);
  for (const TAufruf& a : r)
    EXPECT_EQ(a.Stift.Farbe, kSchwarz);
  // Four wicks, from the high down to one pixel above the low.
  int dochte = 0;
  for (const TAufruf& a : l.Alle(TArt::Linie))
    if (a.x1 == a.x2 && a.y1 == chart.WertZuY(12) && a.y2 == chart.WertZuY(10) - 1) ++dochte;
  EXPECT_EQ(dochte, 2);
}

TEST(WPChart, HistogrammSchneidetBeiDreieinhalbfachemDurchschnittAb) {
  TWertpapier wp;
  for (int i = 0; i < 10; ++i)
    wp.Kurse.Setze(test::Satz(i, 10, 11, 9, 10 - 0.1 * (i == 4), i == 6 ? 1000 : 100),
                   TSetzModus::Ersetzen);
  TChartAnsicht a = SchlichteAnsicht(TCharttyp::Kerze);
  a.UmsatzAnzeigen = true;
  a.Tage = 10;
  TChart_WPChart chart;
  chart.SetzeAnsicht(a);
  chart.SetzeWertpapier(&wp);
  TAufzeichnungsLeinwand l;
  Zeichnen(chart, l, 400, 400);
  const TChartGeometrie& g = chart.Geometrie();
  // Average 190, top of the scale 665: the big day is cut.
  const auto dreiecke = l.Alle(TArt::Vieleck);
  ASSERT_EQ(dreiecke.size(), 1u);
  const int x = *chart.IndexZuX(6);
  const int links = PixelRunden(chart.Tagesbreite() * 0.25);
  const int rechts = PixelRunden(chart.Tagesbreite() * 0.5) - links;
  EXPECT_EQ(dreiecke[0].Punkte, (std::vector<TPunkt>{{x - links, g.UmsatzOben - 2},
                                                     {x, g.UmsatzOben - 5},
                                                     {x + rechts, g.UmsatzOben - 2}}));
  std::vector<TAufruf> balken;
  for (const TAufruf& r : l.Alle(TArt::Rechteck))
    if (r.Pinsel.Farbe == kGruen || r.Pinsel.Farbe == kRot) balken.push_back(r);
  ASSERT_EQ(balken.size(), 10u);
  EXPECT_EQ(balken[6].y1, g.UmsatzOben);
  EXPECT_EQ(balken[6].y2, g.UmsatzUnten + 5 + 1);
  EXPECT_EQ(balken[0].y1, chart.UmsatzZuY(665, 100, 100));
  EXPECT_EQ(balken[0].y1, g.UmsatzUnten);
  EXPECT_EQ(balken[4].Pinsel.Farbe, kRot);  // close fell
  EXPECT_EQ(balken[5].Pinsel.Farbe, kGruen);
  EXPECT_NE(l.SucheText("600"), nullptr);  // volume axis, no currency
}

TEST(WPChart, GleicheUmsaetzeStehenVoll) {
  TWertpapier wp;
  for (int i = 0; i < 3; ++i)
    wp.Kurse.Setze(test::Satz(i, 10, 11, 9, 10, 500), TSetzModus::Ersetzen);
  TChartAnsicht a = SchlichteAnsicht(TCharttyp::Kerze);
  a.UmsatzAnzeigen = true;
  a.UmsatzAbschneiden = false;
  TChart_WPChart chart;
  chart.SetzeAnsicht(a);
  chart.SetzeWertpapier(&wp);
  TAufzeichnungsLeinwand l;
  Zeichnen(chart, l, 400, 400);
  int voll = 0;
  for (const TAufruf& r : l.Alle(TArt::Rechteck))
    if (r.Pinsel.Farbe == kGruen && r.y1 == chart.Geometrie().UmsatzOben) ++voll;
  EXPECT_EQ(voll, 3);
  EXPECT_TRUE(l.Alle(TArt::Vieleck).empty());
}

TEST(WPChart, ZweiTransaktionenEinesTagesTeilenEinZeichen) {
  TWertpapier wp = Kerzenpapier(20);
  wp.Transaktionen.Einfuegen(TTransaktionKauf(Tag(15), 10, 100, 1000));
  wp.Transaktionen.Einfuegen(TTransaktionKauf(Tag(15), 5, 100, 500));
  wp.Transaktionen.Einfuegen(TTransaktionSplit(Tag(17), 1, 2));
  TChartAnsicht a = SchlichteAnsicht(TCharttyp::Kerze);
  a.KaufVerkauf = true;
  TChart_WPChart chart;
  chart.SetzeAnsicht(a);
  chart.SetzeWertpapier(&wp);
  TAufzeichnungsLeinwand l;
  Zeichnen(chart, l, 600, 400);
  const TAufruf* zeichen = l.SucheText("Kauf 10, Kauf 5");
  ASSERT_NE(zeichen, nullptr);
  EXPECT_EQ(zeichen->Schrift.Winkel, 900);
  EXPECT_EQ(zeichen->Schrift.Farbe, kGruen);
  const int x = *chart.DatumZuX(Tag(15));
  EXPECT_EQ(zeichen->x1, x - 12);
  EXPECT_EQ(zeichen->y1, chart.Geometrie().PlotOben + 15 * 6);
  EXPECT_NE(l.SucheText("Split 1 : 2"), nullptr);
  int linien = 0;
  for (const TAufruf& li : l.Alle(TArt::Linie))
    if (li.Stift.Farbe == kGruen && li.x1 == x && li.y1 == chart.Geometrie().PlotOben) ++linien;
  EXPECT_EQ(linien, 1);
  EXPECT_TRUE(l.Texte("GV-Grenze").empty());
}

TEST(WPChart, GVGrenzeVorDemSichtbarenBereichGehtDurchDenPlot) {
  TWertpapier wp = Kerzenpapier(30);
  wp.Transaktionen.Einfuegen(TTransaktionKauf(Tag(1), 10, 100, 1020));
  TChartAnsicht a = SchlichteAnsicht(TCharttyp::Kerze);
  a.GVGrenze = true;
  a.Tage = 10;
  TChart_WPChart chart;
  chart.SetzeAnsicht(a);
  chart.SetzeWertpapier(&wp);
  TAufzeichnungsLeinwand l;
  Zeichnen(chart, l, 600, 400);
  const TChartGeometrie& g = chart.Geometrie();
  std::vector<TAufruf> linien;
  for (const TAufruf& li : l.Alle(TArt::Linie))
    if (li.Stift.Farbe == kDunkelrot) linien.push_back(li);
  ASSERT_EQ(linien.size(), 1u);
  EXPECT_EQ(linien[0].x1, g.PlotLinks - 10);
  EXPECT_EQ(linien[0].x2, g.PlotRechts + 11);
  EXPECT_EQ(linien[0].y1, chart.WertZuY(102));
  EXPECT_NE(l.SucheText("GV-Grenze"), nullptr);
  EXPECT_NE(l.SucheText("102,00"), nullptr);

  // Without any transaction the break-even price is 0: nothing is drawn.
  TWertpapier ohne = Kerzenpapier(30);
  chart.SetzeWertpapier(&ohne);
  l.Leeren();
  Zeichnen(chart, l, 600, 400);
  EXPECT_TRUE(l.Texte("GV-Grenze").empty());
}

TEST(WPChart, PointFigureUndZurueckBehaeltDenLetztenTag) {
  std::vector<double> kurse;
  for (int i = 0; i < 100; ++i)
    kurse.push_back(i % 2 ? 12 : 10);
  TWertpapier wp = Papier(kurse);
  TChart_WPChart chart;
  chart.SetzeAnsicht(SchlichteAnsicht(TCharttyp::Kerze));
  chart.SetzeWertpapier(&wp);
  chart.SetzeEndeDatum(Tag(50));
  EXPECT_EQ(chart.LetztesDatum(), Tag(50));
  TChartAnsicht pf = SchlichteAnsicht(TCharttyp::PointFigure);
  pf.Umkehrminimum = 5;
  chart.SetzeAnsicht(pf);
  EXPECT_EQ(chart.Modus(), TChart_WPChart::TModus::PointFigure);
  EXPECT_EQ(chart.LetztesDatum(), Tag(50));
  EXPECT_EQ(chart.LetzterGueltigerIndex(), 98);
  TAufzeichnungsLeinwand l;
  Zeichnen(chart, l, 600, 400);
  EXPECT_FALSE(l.Alle(TArt::Ellipse).empty());
  EXPECT_EQ(chart.DatumZuX(Tag(50)), std::nullopt);
  chart.SetzeAnsicht(SchlichteAnsicht(TCharttyp::Kerze));
  EXPECT_EQ(chart.LetztesDatum(), Tag(50));
}

TEST(WPChart, PointFigureKreuzeUndKreiseAufDemRaster) {
  TWertpapier wp = Papier({10, 11, 12, 13, 14, 13, 12, 11, 12});
  TChartAnsicht pf = SchlichteAnsicht(TCharttyp::PointFigure);
  pf.Umkehrminimum = 10;
  TChart_WPChart chart;
  chart.SetzeAnsicht(pf);
  chart.SetzeWertpapier(&wp);
  // No single move reaches 10 %: one rising column.
  ASSERT_EQ(chart.PFListe().Anzahl(), 1);
  pf.Umkehrminimum = 7.5;
  chart.SetzeAnsicht(pf);
  ASSERT_EQ(chart.PFListe().Anzahl(), 7);
  TAufzeichnungsLeinwand l;
  Zeichnen(chart, l, 300, 300);
  const double tb = chart.Tagesbreite();
  const int b = std::max(1, PixelRunden(tb));
  // Every symbol sits on a box line: y = PlotUnten (mod b).
  for (const TAufruf& e : l.Alle(TArt::Ellipse)) {
    const int y = (e.y1 + e.y2 - 1) / 2;
    EXPECT_EQ(((y - chart.Geometrie().PlotUnten) % b + b) % b, 0) << y;
  }
  EXPECT_FALSE(l.Alle(TArt::Ellipse).empty());
}

TEST(WPChart, EquivolumeBoxenBeruehrenSich) {
  TWertpapier wp;
  for (int i = 0; i < 10; ++i)
    wp.Kurse.Setze(test::Satz(i, 10, 11, 9, 10, 100 + 50 * i), TSetzModus::Ersetzen);
  for (bool index : {true, false}) {
    TChartAnsicht a = SchlichteAnsicht(TCharttyp::Equivolume);
    a.Tage = 10;
    a.TageOhneKursWeglassen = index;
    TChart_WPChart chart;
    TAufzeichnungsLeinwand l;
    test::Zeigen(chart, a, wp, l, 500, 300);
    const auto boxen = Datenrechtecke(l);
    ASSERT_EQ(boxen.size(), 10u);
    for (std::size_t i = 1; i < boxen.size(); ++i) {
      EXPECT_EQ(boxen[i].x1, boxen[i - 1].x2 - 1) << i;
      EXPECT_GT(boxen[i].x2 - boxen[i].x1, boxen[i - 1].x2 - boxen[i - 1].x1 - 2);
    }
    EXPECT_NEAR(boxen.back().x2 - 1, chart.Geometrie().PlotRechts, 1);
    EXPECT_NEAR(boxen.front().x1, chart.Geometrie().PlotLinks, 1);
  }
}

TEST(WPChart, IndexmodusSetztTageOhneKursZwischenDieNachbarn) {
  TWertpapier wp = Papier({10, 11});
  TKurs spaet;
  spaet.Datum = Tag(5);
  spaet.Schluss = 12;
  wp.Kurse.Setze(spaet, TSetzModus::Ersetzen);
  TChartAnsicht a = SchlichteAnsicht(TCharttyp::Kerze);
  a.Tage = 11;
  TChart_WPChart chart;
  chart.SetzeAnsicht(a);
  chart.SetzeWertpapier(&wp);
  TAufzeichnungsLeinwand l;
  Zeichnen(chart, l, 440, 300);  // 10 records wide: 36 pixels per day
  EXPECT_EQ(chart.IndexZuX(2), chart.Geometrie().PlotRechts);
  EXPECT_EQ(chart.DatumZuX(Tag(3)), (*chart.IndexZuX(1) + *chart.IndexZuX(2)) / 2);
  EXPECT_EQ(chart.DatumZuX(Tag(-1)), *chart.IndexZuX(0) - 18);
  EXPECT_EQ(chart.DatumZuX(Tag(6)), std::nullopt);
  EXPECT_EQ(chart.IndexZuX(3), std::nullopt);
  EXPECT_EQ(chart.IndexZuX(-1), std::nullopt);
}

TEST(WPChart, ZeitachseMitMonatsUndJahresbalken) {
  std::vector<double> kurse(60, 10);
  TWertpapier wp = Papier(kurse);
  TChartAnsicht a = SchlichteAnsicht(TCharttyp::Linie);
  a.TageOhneKursWeglassen = false;
  a.Monatsbalken = true;
  a.Jahresbalken = true;
  TChart_WPChart chart;
  chart.SetzeAnsicht(a);
  chart.SetzeWertpapier(&wp);
  TAufzeichnungsLeinwand l;
  Zeichnen(chart, l, 800, 400);
  const TAufruf* feb = l.SucheText(" Februar ");
  ASSERT_NE(feb, nullptr);
  EXPECT_TRUE(feb->Schrift.Fett);
  EXPECT_EQ(feb->Pinsel.Stil, TPinselStil::Voll);
  EXPECT_EQ(feb->Pinsel.Farbe, kWeiss);
  EXPECT_EQ(feb->y1, chart.Geometrie().RahmenUnten + 24 - 7);
  EXPECT_NE(l.SucheText(" Januar "), nullptr);  // partly visible, but wide enough
  EXPECT_NE(l.SucheText(" März "), nullptr);
  const TAufruf* jahr = l.SucheText(" 2010 ");
  ASSERT_NE(jahr, nullptr);
  EXPECT_EQ(jahr->y1, chart.Geometrie().RahmenUnten + 36 - 7);
  // Day labels are at least 25 pixels apart and show the day of the month.
  EXPECT_NE(l.SucheText("26."), nullptr);
  int vorher = 100000;
  for (const TAufruf& t : l.Texte())
    if (t.Text.size() == 3 && t.Text[2] == '.' && !t.Schrift.Fett) {
      EXPECT_LE(t.x1, vorher - 25);
      vorher = t.x1;
    }
}

TEST(WPChart, DruckflaecheBekommtKopfzeilenUndSkaliertePixel) {
  TWertpapier wp = Kerzenpapier(40);
  TChart_WPChart chart;
  chart.SetzeWertpapier(&wp);
  TAufzeichnungsLeinwand l;
  Zeichnen(chart, l, 4000, 3000, 10);
  const TAufruf* kopf = l.SucheText("Morvane 3.5");
  ASSERT_NE(kopf, nullptr);
  EXPECT_EQ(kopf->x1, 100);
  EXPECT_EQ(kopf->y1, 20);
  EXPECT_EQ(kopf->Schrift.Hoehe, 60);
  EXPECT_EQ(chart.Geometrie().RahmenOben, 460);
  EXPECT_EQ(chart.Geometrie().PlotLinks, 400);
  // On paper the grid is drawn as black 2-pixel dashes, never as a dotted pen.
  int striche = 0;
  for (const TAufruf& a : l.Alle(TArt::Linie)) {
    EXPECT_NE(a.Stift.Stil, TStiftStil::Punkt);
    striche += a.y1 == a.y2 && a.x2 - a.x1 == 2 && a.Stift.Farbe == kSchwarz;
  }
  EXPECT_GT(striche, 50);
}

TEST(WPChart, UnzulaessigeTagezahlMeldetDivisionDurchNull) {
  TWertpapier wp = Papier({10, 11});
  TChartAnsicht a = SchlichteAnsicht(TCharttyp::Kerze);
  a.Tage = 1;
  TChart_WPChart chart;
  chart.SetzeAnsicht(a);
  chart.SetzeWertpapier(&wp);
  TAufzeichnungsLeinwand l;
  EXPECT_THROW_MSG(Zeichnen(chart, l, 400, 300), EChart, "Integer-Division durch 0");
  a.Charttyp = TCharttyp::Equivolume;
  a.Tage = 0;
  chart.SetzeAnsicht(a);
  EXPECT_THROW_MSG(Zeichnen(chart, l, 400, 300), EChart, "Integer-Division durch 0");
}

TEST(WPChart, LogarithmischeSkala) {
  TWertpapier wp = Papier({1, 10, 100});
  TChartAnsicht a = SchlichteAnsicht(TCharttyp::Linie);
  a.Logarithmisch = true;
  TChart_WPChart chart;
  chart.SetzeAnsicht(a);
  chart.SetzeWertpapier(&wp);
  TAufzeichnungsLeinwand l;
  Zeichnen(chart, l, 400, 381);
  EXPECT_EQ(chart.WertZuY(100), 51);
  EXPECT_EQ(chart.WertZuY(10), 201);  // half way on a log scale
  EXPECT_EQ(chart.WertZuY(1), 351);
  EXPECT_EQ(chart.WertZuY(0.5), 351);  // below the scale: clamped
}

TEST(WPChart, LegendeUndSkalenachseFuerEbenen) {
  TWertpapier wp = Papier({10, 11});
  TChart_WPChart chart;
  chart.SetzeAnsicht(SchlichteAnsicht(TCharttyp::Linie));
  chart.SetzeWertpapier(&wp);
  struct TEbene : TChart_WPChart_Ebene {
    using TChart_WPChart_Ebene::TChart_WPChart_Ebene;
    void Geaendert() override {}
    void Zeichne(TGrafikfenster& f) override {
      Chart().Legende(f, "GD 38", kRot);
      Chart().Legende(f, "GD 200", kGruen);
      Chart().Untertitel(f, "Indikator: Gleitender Durchschnitt");
      Chart().Skalenachse(f, "%", kRot, 100, 0);
    }
  } ebene(chart);
  chart.NeueEbene(&ebene);
  TAufzeichnungsLeinwand l;
  Zeichnen(chart, l, 400, 381);
  const TAufruf* erste = l.SucheText("GD 38");
  const TAufruf* zweite = l.SucheText("GD 200");
  ASSERT_TRUE(erste && zweite);
  EXPECT_EQ(erste->y1, 2);
  EXPECT_EQ(zweite->y1, 14);
  EXPECT_EQ(erste->x1 + 5 * 6, 400 - 25);
  const TAufruf* unter = l.SucheText("Indikator: Gleitender Durchschnitt");
  ASSERT_NE(unter, nullptr);
  EXPECT_EQ(unter->y1, chart.TitelUnten() - 12);
  // 0..100 on 300 pixels: step 10, labels right-aligned left of the frame.
  const TAufruf* hundert = l.SucheText("100 %");
  ASSERT_NE(hundert, nullptr);
  EXPECT_EQ(hundert->x1 + 5 * 8, chart.Geometrie().RahmenRechts - 7);
  EXPECT_EQ(hundert->Schrift.Farbe, kRot);
  EXPECT_NE(l.SucheText("10 %"), nullptr);
  EXPECT_NE(l.SucheText("0 %"), nullptr);
  EXPECT_EQ(l.SucheText("5 %"), nullptr);
}

TEST(WPChart, SkalenachseEndetAuchBeiUnmaessigenWerten) {
  TWertpapier wp = Papier({10, 11});
  TChart_WPChart chart;
  chart.SetzeAnsicht(SchlichteAnsicht(TCharttyp::Linie));
  chart.SetzeWertpapier(&wp);
  struct TEbene : TChart_WPChart_Ebene {
    using TChart_WPChart_Ebene::TChart_WPChart_Ebene;
    double Max = 0, Min = 0;
    void Geaendert() override {}
    void Zeichne(TGrafikfenster& f) override { Chart().Skalenachse(f, "P.", kBlau, Max, Min); }
  } ebene(chart);
  chart.NeueEbene(&ebene);
  const auto beschriftungen = [&](double max, double min) {
    ebene.Max = max;
    ebene.Min = min;
    TAufzeichnungsLeinwand l;
    Zeichnen(chart, l, 400, 381);
    return std::count_if(l.Aufrufe().begin(), l.Aufrufe().end(), [](const TAufruf& a) {
      return a.Art == TAufruf::TArt::Text && a.Schrift.Farbe == kBlau;
    });
  };
  // Beyond 2^53 counting down by one step stands still; without a limit these
  // never returned.
  EXPECT_LE(beschriftungen(1e300, -1e300), 10000);
  EXPECT_EQ(beschriftungen(std::numeric_limits<double>::infinity(), 0), 0);
  EXPECT_EQ(beschriftungen(std::nan(""), 0), 0);
  EXPECT_EQ(beschriftungen(100, 0), 11);
}

}  // namespace
}  // namespace morvane
