// The line chart: one price field of every visible record, joined.
#include "chart/kurscode.h"
#include "chart/kurszeichnung.h"
#include "chart/sichtbarekurse.h"

namespace morvane {
namespace {

class TLinienzeichnung : public TKurszeichnung {
 public:
  TCharttyp Typ() const override { return TCharttyp::Linie; }
  std::string Titel(const TChartAnsicht& a) const override {
    return MitKursfeld("Linienchart", a.LinienKurs);
  }
  bool HatUmsatzbereich() const override { return true; }
  void Zeichne(TChart_WPChart& chart, TGrafikfenster& f) const override;
};

void TLinienzeichnung::Zeichne(TChart_WPChart& chart, TGrafikfenster& f) const {
  const int code = chart.Ansicht().LinienKurs;
  double max, min;
  const bool bereich = Wertebereich(
      chart,
      [code](const TKurs& k, double& tief, double& hoch) {
        tief = hoch = KursNachCode(k, code);
        return hoch != 0;
      },
      max, min);
  if (!bereich) return;
  chart.Wertachse(f, false, max, min);
  const int fx = f.FaktorX(), fy = f.FaktorY();
  f.SetzeStiftFarbe(kSchwarz);
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.SetzeStiftBreite(2 * fy);
  const TKurse& kurse = chart.Wertpapier()->Kurse;
  std::optional<TPunkt> letzter;
  int erster = -1;
  const int bis = chart.LetzterIndex();
  for (int i = chart.ErsterIndex(); i <= bis; ++i) {
    const double v = KursNachCode(*kurse.Kurs(i), code);
    if (v <= 0) continue;
    const std::optional<int> x = chart.IndexZuX(i);
    if (!x) continue;
    const TPunkt p{*x, chart.WertZuY(v)};
    if (letzter)
      f.Linie(letzter->x, letzter->y, p.x, p.y);
    else
      erster = i;
    letzter = p;
  }
  // A single point is drawn as a dot.
  if (letzter && erster == bis) {
    f.SetzePinselFarbe(kSchwarz);
    f.SetzePinselStil(TPinselStil::Voll);
    f.Ellipse(letzter->x - 2 * fx, letzter->y - 2 * fy, letzter->x + 2 * fx + 1,
              letzter->y + 2 * fy + 1);
  }
  f.SetzeStiftBreite(1);
  f.PinselLeer();
}

}  // namespace

std::unique_ptr<TKurszeichnung> NeueLinienzeichnung() {
  return std::make_unique<TLinienzeichnung>();
}

}  // namespace morvane
