#include "chart/kurszeichnung.h"

#include <gtest/gtest.h>

#include "chart/wpchart.h"
#include "charttesthilfe.h"

namespace morvane {
namespace {

using TArt = TAufruf::TArt;
using test::SchlichteAnsicht;
using test::Tag;
using test::Zeichnen;
using test::Zeigen;

// 30 days around 100 with open, high, low, close, rising volume and one
// purchase on day 25.
TWertpapier Papier() {
  TWertpapier wp;
  wp.Bezeichnung = "Test AG";
  for (int i = 0; i < 30; ++i) {
    const double o = 100 + (i % 5), c = 100 + ((i + 2) % 5);
    wp.Kurse.Setze(test::Satz(i, o, std::max(o, c) + 1, std::min(o, c) - 1, c, 1000 + 10 * i),
                   TSetzModus::Ersetzen);
  }
  wp.Transaktionen.Einfuegen(TTransaktionKauf(Tag(25), 10, 100, 1000));
  return wp;
}

bool HatText(const TAufzeichnungsLeinwand& l, auto passt) {
  for (const TAufruf& t : l.Texte())
    if (passt(t.Text)) return true;
  return false;
}

// What each type draws besides the prices, with the histogram, the markers
// and the break-even line switched on. Type bytes that name no type (as read
// from a damaged settings file) draw the frame and the time axis only.
TEST(Kurszeichnung, JederTypZeichnetSeineTeile) {
  struct TFall {
    std::uint8_t Typ;
    std::string Titel;
    bool Umsatz, Transaktionen, Kurse;
  };
  const std::string u = " (oben), Stückumsätze (unten)";
  const TFall faelle[] = {
      {1, "Linienchart mit Schlusskurs" + u, true, true, true},
      {2, "Balkenchart" + u, true, true, true},
      {3, "Kerzenchart" + u, true, true, true},
      {4, "Point-&-Figure Chart mit Schlusskurs", false, false, true},
      {5, "Equivolume Chart", false, true, true},
      {0, "", false, false, false},
      {6, "", false, false, false},
      {255, "", false, false, false},
  };
  const TWertpapier wp = Papier();
  for (const TFall& fall : faelle) {
    SCOPED_TRACE(int{fall.Typ});
    TChartAnsicht a = SchlichteAnsicht(static_cast<TCharttyp>(fall.Typ));
    a.UmsatzAnzeigen = true;
    a.KaufVerkauf = true;
    a.Umkehrminimum = 1;
    TChart_WPChart chart;
    TAufzeichnungsLeinwand l;
    Zeigen(chart, a, wp, l, 600, 400);
    EXPECT_EQ(chart.Kurszeichnung().Typ(), a.Charttyp);

    EXPECT_TRUE(HatText(l, [&](const std::string& t) { return t.starts_with(fall.Titel + ", "); }));
    const TChartGeometrie& g = chart.Geometrie();
    EXPECT_EQ(g.PlotUnten < g.RahmenUnten - 10 - 100, fall.Umsatz);
    int balken = 0;
    for (const TAufruf& r : l.Alle(TArt::Rechteck))
      balken += r.Pinsel.Farbe == kGruen || r.Pinsel.Farbe == kRot;
    EXPECT_EQ(balken > 0, fall.Umsatz);
    EXPECT_EQ(l.SucheText("Kauf 10") != nullptr, fall.Transaktionen);
    // The price axis labels its top value with the currency.
    EXPECT_EQ(HatText(l, [](const std::string& t) { return t.ends_with(" EUR"); }), fall.Kurse);
  }
}

TEST(Kurszeichnung, NurPointFigureZaehltSaeulenStattTage) {
  const TWertpapier wp = Papier();
  TChart_WPChart chart;
  chart.SetzeWertpapier(&wp);
  for (int typ = 1; typ <= 5; ++typ) {
    TChartAnsicht a = SchlichteAnsicht(static_cast<TCharttyp>(typ));
    a.Umkehrminimum = 1;
    chart.SetzeAnsicht(a);
    const bool pf = typ == 4;
    EXPECT_EQ(chart.Modus() == TChart_WPChart::TModus::PointFigure, pf) << typ;
    EXPECT_EQ(chart.PFListe().Anzahl() > 0, pf) << typ;
    EXPECT_EQ(chart.LetzterGueltigerIndex() == 29, !pf) << typ;
    TAufzeichnungsLeinwand l;
    Zeichnen(chart, l, 600, 400);
    EXPECT_EQ(chart.DatumZuX(Tag(29)).has_value(), !pf) << typ;
  }
}

// Scrolling moves every equivolume box; positions cached for the old range
// must not be reused for the new one.
TEST(Kurszeichnung, EquivolumeRechnetNachDemScrollenNeu) {
  TWertpapier wp;
  for (int i = 0; i < 12; ++i)
    wp.Kurse.Setze(test::Satz(i, 10, 11, 9, 10, i == 11 ? 4000 : 100), TSetzModus::Ersetzen);
  for (bool index : {true, false}) {
    SCOPED_TRACE(index);
    TChartAnsicht a = SchlichteAnsicht(TCharttyp::Equivolume);
    a.Tage = 10;
    a.TageOhneKursWeglassen = index;
    TChart_WPChart chart;
    TAufzeichnungsLeinwand l;
    Zeigen(chart, a, wp, l, 500, 300);
    const TChartGeometrie g = chart.Geometrie();
    const double breit = 4000 * g.UmsatzFaktor, schmal = 100 * g.UmsatzFaktor;
    EXPECT_EQ(chart.IndexZuX(11), PixelRunden(g.PlotRechts - breit / 2));
    EXPECT_EQ(chart.IndexZuX(10), PixelRunden(g.PlotRechts - breit - schmal / 2));
    chart.Scrolle(scZeileLinks, 0);
    // Until the next paint the widths stay; the wide box now lies beyond the
    // right edge.
    EXPECT_EQ(chart.IndexZuX(10), PixelRunden(g.PlotRechts - schmal / 2));
    EXPECT_EQ(chart.IndexZuX(11), PixelRunden(g.PlotRechts + breit / 2));
    EXPECT_EQ(chart.DatumZuX(Tag(10)), chart.IndexZuX(10));
  }
}

}  // namespace
}  // namespace morvane
