#include "chart/kurszeichnung.h"

#include "chart/chartansichteingaben.h"
#include "chart/chartfehler.h"
#include "chart/wpchart.h"

namespace morvane {
namespace {

// A type byte that names none of the five: the frame, the axes and the
// overlays are drawn by date as for any type, the prices are not.
class TOhneKurse : public TKurszeichnung {
 public:
  explicit TOhneKurse(TCharttyp typ) : typ_(typ) {}
  TCharttyp Typ() const override { return typ_; }
  std::string Titel(const TChartAnsicht&) const override { return {}; }
  bool ZeigtTransaktionen() const override { return false; }
  void Zeichne(TChart_WPChart&, TGrafikfenster&) const override {}

 private:
  TCharttyp typ_;
};

}  // namespace

std::unique_ptr<TKurszeichnung> NeueKurszeichnung(TCharttyp typ) {
  switch (typ) {
    case TCharttyp::Linie:
      return NeueLinienzeichnung();
    case TCharttyp::Balken:
      return NeueBalkenzeichnung();
    case TCharttyp::Kerze:
      return NeueKerzenzeichnung();
    case TCharttyp::PointFigure:
      return NeuePointFigureZeichnung();
    case TCharttyp::Equivolume:
      return NeueEquivolumeZeichnung();
  }
  return std::make_unique<TOhneKurse>(typ);
}

void TKurszeichnung::Spaltenbreite(const TChart_WPChart& chart, TChartGeometrie& g) const {
  if (chart.Tage() == 1) GanzzahlDivisionDurchNull();
  g.Tagesbreite = static_cast<double>(g.PlotRechts - g.PlotLinks) / (chart.Tage() - 1);
  g.UmsatzFaktor = 0;
}

std::optional<int> TKurszeichnung::IndexZuX(const TChart_WPChart& chart, int i) const {
  if (chart.Modus() == TChart_WPChart::TModus::Kalender)
    return chart.DatumZuX(chart.Wertpapier()->Kurse.Kurs(i)->Datum);
  return PixelRunden(IndexX(chart, i));
}

std::optional<int> TKurszeichnung::DatumZuX(const TChart_WPChart& chart, Boersentag d) const {
  if (chart.Modus() == TChart_WPChart::TModus::Index) return ZwischenSaetzen(chart, d);
  return PixelRunden(TagX(chart, d));
}

double TKurszeichnung::IndexX(const TChart_WPChart& chart, int i) const {
  const TChartGeometrie& g = chart.Geometrie();
  return g.PlotRechts - (chart.LetzterIndex() - i) * g.Tagesbreite;
}

double TKurszeichnung::TagX(const TChart_WPChart& chart, Boersentag d) const {
  const TChartGeometrie& g = chart.Geometrie();
  return g.PlotRechts - (static_cast<double>(chart.Ende()) - d) * g.Tagesbreite;
}

std::optional<int> TKurszeichnung::ZwischenSaetzen(const TChart_WPChart& chart, Boersentag d) {
  const TKurse& kurse = chart.Wertpapier()->Kurse;
  const int i = kurse.IndexAb(d);
  if (i >= kurse.Anzahl()) return std::nullopt;
  if (kurse.Kurs(i)->Datum == d) return chart.IndexZuX(i);
  if (i < 1) return *chart.IndexZuX(0) - PixelRunden(chart.Tagesbreite() / 2);
  return (*chart.IndexZuX(i) + *chart.IndexZuX(i - 1)) / 2;
}

std::string TKurszeichnung::MitKursfeld(std::string_view typ, int code) {
  std::string text(typ);
  text += " mit ";
  if (code >= 1 && code <= static_cast<int>(kKursfelder.size()))
    text += kKursfelder[static_cast<std::size_t>(code - 1)];
  return text;
}

}  // namespace morvane
