// The candlestick chart: a wick from high to low and a body from open to close.
#include "chart/kurszeichnung.h"
#include "chart/sichtbarekurse.h"

namespace morvane {
namespace {

class TKerzenzeichnung : public TKurszeichnung {
 public:
  TCharttyp Typ() const override { return TCharttyp::Kerze; }
  std::string Titel(const TChartAnsicht&) const override { return "Kerzenchart"; }
  bool HatUmsatzbereich() const override { return true; }
  void Zeichne(TChart_WPChart& chart, TGrafikfenster& f) const override;
};

void TKerzenzeichnung::Zeichne(TChart_WPChart& chart, TGrafikfenster& f) const {
  double max, min;
  if (!HochTiefBereich(chart, max, min)) return;
  chart.Wertachse(f, false, max, min);
  int w = PixelRunden(chart.Tagesbreite() / 6);
  if (w == 0) w = 1;
  f.SetzeStiftFarbe(kSchwarz);
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.SetzeStiftBreite(1);
  f.SetzePinselStil(TPinselStil::Voll);
  FuerSichtbareSpannen(chart, [&](const TKurs& k, int x) {
    f.Linie(x, chart.WertZuY(k.Hoch), x, chart.WertZuY(k.Tief) - 1);
    if (k.Eroeffnung <= 0 || k.Schluss <= 0) return;
    const int yO = chart.WertZuY(k.Eroeffnung), yC = chart.WertZuY(k.Schluss);
    // A rising day (close above open) is white, every other day black.
    f.SetzePinselFarbe(yC < yO ? kWeiss : kSchwarz);
    f.Rechteck(x - w, std::min(yO, yC), x + w, std::max(yO, yC));
  });
  f.PinselLeer();
}

}  // namespace

std::unique_ptr<TKurszeichnung> NeueKerzenzeichnung() {
  return std::make_unique<TKerzenzeichnung>();
}

}  // namespace morvane
