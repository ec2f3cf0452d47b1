// Transaction markers and break-even lines.
#include <limits>

#include "chart/wpchart.h"
#include "core/zahltext.h"
#include "portfolio/transaktionsrechner.h"

namespace morvane {
namespace {

std::string Eintrag(const TTransaktion& t) {
  if (const auto* k = Als<TTransaktionKauf>(t)) return "Kauf " + KursZuText(k->Stueck, true);
  if (const auto* v = Als<TTransaktionVerkauf>(t)) return "Verkauf " + KursZuText(v->Stueck, true);
  if (const auto* s = Als<TTransaktionSplit>(t))
    return "Split " + KursZuText(s->Von, true) + " : " + KursZuText(s->Nach, true);
  return "Sonstige";
}

}  // namespace

void TChart_WPChart::Transaktionen(TGrafikfenster& f) {
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.SetzeStiftBreite(1);
  f.PinselLeer();
  f.SetzeSchriftHoehe(12);
  f.SetzeSchriftFett(false);
  const Boersentag a = ErstesDatum(), b = LetztesDatum();
  if (b <= 0) return;
  TTransaktionsRechner rechner(*wertpapier_);
  rechner.BisDatum(a - 1);
  double gv = rechner.GVGrenze();
  const bool gvLinien = ansicht_.GVGrenze;
  // x of a transaction's day; days the chart cannot place count as far right.
  auto xVon = [&](const TTransaktion& t) {
    return DatumZuX(t.Datum).value_or(std::numeric_limits<int>::max());
  };
  if (!rechner.Naechste() || !DatumZuX(rechner.AktuelleTransaktion().Datum)) {
    if (gvLinien) GVSegment(f, 0, 0, gv);
    return;
  }
  int x = xVon(rechner.AktuelleTransaktion());
  int d = 0;
  bool weiter = true;
  while (weiter) {
    const TTransaktion& t = rechner.AktuelleTransaktion();
    if (t.Datum < 1 || t.Datum > b || d >= x || x == std::numeric_limits<int>::max()) break;
    if (gvLinien) GVSegment(f, d, x, gv);
    d = x;
    // Every transaction drawn at the same x shares one marker.
    std::string text;
    for (;;) {
      if (!text.empty()) text += ", ";
      text += Eintrag(rechner.AktuelleTransaktion());
      gv = rechner.GVGrenze();
      if (!rechner.Naechste()) {
        weiter = false;
        break;
      }
      x = xVon(rechner.AktuelleTransaktion());
      if (x > d) break;
    }
    if (ansicht_.KaufVerkauf) Transaktionszeichen(f, d, text);
  }
  if (gvLinien) GVSegment(f, d, 0, gv);
}

void TChart_WPChart::GVSegment(TGrafikfenster& f, int l, int r, double gv) {
  if (gv == 0 || gv < skalaMin_ || gv > skalaMax_) return;
  const int fx = f.FaktorX();
  f.SetzeStiftFarbe(kDunkelrot);
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.SetzeSchriftFarbe(kDunkelrot);
  const int links = l > 0 ? l + 1 : g_.PlotLinks - 10 * fx;
  const int rechts = r >= 1 ? r : g_.PlotRechts + 10 * fx + 1;
  const int y = WertZuY(gv);
  f.Linie(links, y, rechts, y);
  static constexpr std::string_view kText = "GV-Grenze";
  if (rechts - links >= f.TextBreite(kText) + fx + 1) {
    f.TextRechts(rechts - fx, y - f.SchriftHoehe(), kText);
    f.TextRechts(rechts - fx, y, ZahlZuTextGruppiert(2, gv));
  }
}

void TChart_WPChart::Transaktionszeichen(TGrafikfenster& f, int x, std::string_view text) {
  f.SetzeStiftFarbe(kGruen);
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.SetzeSchriftFarbe(kGruen);
  f.Linie(x, g_.PlotOben, x, g_.PlotUnten);
  // Reads upwards and ends at the top of the plot, left of the line.
  f.SetzeSchriftWinkel(900);
  f.Text(x - f.SchriftHoehe(), g_.PlotOben + f.TextBreite(text), text);
  f.SetzeSchriftWinkel(0);
}

}  // namespace morvane
