// The bar chart: a bar from low to high with ticks for the open (left) and
// the close (right).
#include "chart/kurszeichnung.h"
#include "chart/sichtbarekurse.h"

namespace morvane {
namespace {

class TBalkenzeichnung : public TKurszeichnung {
 public:
  TCharttyp Typ() const override { return TCharttyp::Balken; }
  std::string Titel(const TChartAnsicht&) const override { return "Balkenchart"; }
  bool HatUmsatzbereich() const override { return true; }
  void Zeichne(TChart_WPChart& chart, TGrafikfenster& f) const override;
};

void TBalkenzeichnung::Zeichne(TChart_WPChart& chart, TGrafikfenster& f) const {
  double max, min;
  if (!HochTiefBereich(chart, max, min)) return;
  chart.Wertachse(f, false, max, min);
  const int w = std::max(1, PixelRunden(chart.Tagesbreite() * 0.2));
  const int t = w;
  const int h = std::max(1, w / 2);
  f.StiftLeer();
  f.SetzePinselFarbe(kSchwarz);
  f.SetzePinselStil(TPinselStil::Voll);
  FuerSichtbareSpannen(chart, [&](const TKurs& k, int x) {
    const int x1 = x - w / 2, x2 = x1 + w - 1;
    f.Rechteck(x1, chart.WertZuY(k.Hoch) - h / 2, x2, chart.WertZuY(k.Tief) + h - h / 2);
    if (k.Eroeffnung > 0) {
      const int y = chart.WertZuY(k.Eroeffnung) - h / 2;
      f.Rechteck(x1 - t, y, x, y + h - 1);
    }
    if (k.Schluss > 0) {
      const int y = chart.WertZuY(k.Schluss) - h / 2;
      f.Rechteck(x, y, x2 + t, y + h - 1);
    }
  });
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.PinselLeer();
}

}  // namespace

std::unique_ptr<TKurszeichnung> NeueBalkenzeichnung() {
  return std::make_unique<TBalkenzeichnung>();
}

}  // namespace morvane
