// The equivolume chart: one box per day from low to high, as wide as the
// day's share of the visible volume. The boxes fill the plot side by side, so
// a day's x depends on the volumes of all days right of it.
#include <algorithm>
#include <vector>

#include "chart/chartfehler.h"
#include "chart/kurszeichnung.h"
#include "chart/sichtbarekurse.h"

namespace morvane {
namespace {

class TEquivolumeZeichnung : public TKurszeichnung {
 public:
  TCharttyp Typ() const override { return TCharttyp::Equivolume; }
  std::string Titel(const TChartAnsicht&) const override { return "Equivolume Chart"; }
  void BereichGeaendert() override { gueltig_ = false; }
  // Raises EChart "Integer-Division durch 0" for 0 days.
  void Spaltenbreite(const TChart_WPChart& chart, TChartGeometrie& g) const override;
  void Zeichne(TChart_WPChart& chart, TGrafikfenster& f) const override;

 protected:
  double IndexX(const TChart_WPChart& chart, int i) const override;
  double TagX(const TChart_WPChart& chart, Boersentag d) const override;

 private:
  static double Breite(const TChart_WPChart& chart, const TKurs* kurs);
  void Vorbereiten(const TChart_WPChart& chart) const;
  // x of step `schritt` (a record in index mode, a day in calendar mode) when
  // the visible range ends at step `ende`; `breite`(j) is the width of step j.
  double Position(const TChart_WPChart& chart, int schritt, int ende, auto breite) const;

  // Box centres (pixels from PlotRechts, leftwards) of the visible range,
  // built lazily after each change of the geometry or the range.
  mutable std::vector<double> mitte_;
  mutable int anfang_ = 0;  // first index (index mode) or first date (calendar)
  mutable bool gueltig_ = false;
};

const TKurs& Satz(const TChart_WPChart& chart, int i) {
  return *chart.Wertpapier()->Kurse.Kurs(i);
}

bool HatBox(const TKurs& k) {
  return k.Hoch > 0 && k.Tief > 0 && k.Umsatz > 0;
}

// Days without a box keep the plain column width; the rest of the plot is
// shared out by volume.
void TEquivolumeZeichnung::Spaltenbreite(const TChart_WPChart& chart, TChartGeometrie& g) const {
  if (chart.Tage() == 0) GanzzahlDivisionDurchNull();
  g.Tagesbreite = static_cast<double>(g.PlotRechts - g.PlotLinks) / chart.Tage();
  double p = g.PlotRechts - g.PlotLinks;
  double s = 0;
  const int erster = chart.ErsterIndex(), letzter = chart.LetzterIndex();
  for (int i = erster; i <= letzter; ++i) {
    const TKurs& k = Satz(chart, i);
    if (HatBox(k))
      s += k.Umsatz;
    else
      p -= g.Tagesbreite;
  }
  const int r = std::max(0, letzter - erster + 1);
  g.UmsatzFaktor = s == 0 ? 0 : (p - g.Tagesbreite * (chart.Tage() - r)) / s;
}

double TEquivolumeZeichnung::Breite(const TChart_WPChart& chart, const TKurs* k) {
  const TChartGeometrie& g = chart.Geometrie();
  if (k && HatBox(*k)) return k->Umsatz * g.UmsatzFaktor;
  return g.Tagesbreite;
}

void TEquivolumeZeichnung::Vorbereiten(const TChart_WPChart& chart) const {
  if (gueltig_) return;
  mitte_.clear();
  double summe = 0;
  if (chart.Modus() == TChart_WPChart::TModus::Kalender) {
    const Boersentag ende = chart.Ende();
    anfang_ = ende - chart.Tage() + 1;
    mitte_.resize(static_cast<std::size_t>(std::max(0, chart.Tage())));
    int i = chart.LetzterIndex();
    for (Boersentag d = ende; d >= anfang_; --d) {
      const TKurs* k = nullptr;
      while (i >= 0 && Satz(chart, i).Datum > d)
        --i;
      if (i >= 0 && Satz(chart, i).Datum == d) k = &Satz(chart, i);
      const double w = Breite(chart, k);
      mitte_[static_cast<std::size_t>(d - anfang_)] = summe + w / 2;
      summe += w;
    }
  } else {
    anfang_ = chart.ErsterIndex();
    const int letzter = chart.LetzterIndex();
    mitte_.resize(static_cast<std::size_t>(std::max(0, letzter - anfang_ + 1)));
    for (int i = letzter; i >= anfang_; --i) {
      const double w = Breite(chart, &Satz(chart, i));
      mitte_[static_cast<std::size_t>(i - anfang_)] = summe + w / 2;
      summe += w;
    }
  }
  gueltig_ = true;
}

// x of step i (a record or a day) outside the visible range, which ends at
// step `ende` at `rechts`: keeps walking in the same manner, `breite`(j) the
// width of step j.
template <class F>
double Weitergehen(double rechts, int ende, int i, F breite) {
  double summe = 0;
  if (i > ende) {
    for (int j = ende + 1; j < i; ++j)
      summe += breite(j);
    return rechts + summe + breite(i) / 2;
  }
  for (int j = i + 1; j <= ende; ++j)
    summe += breite(j);
  return rechts - summe - breite(i) / 2;
}

double TEquivolumeZeichnung::Position(const TChart_WPChart& chart, int schritt, int ende,
                                      auto breite) const {
  Vorbereiten(chart);
  const int rechts = chart.Geometrie().PlotRechts;
  if (schritt >= anfang_ && schritt - anfang_ < static_cast<int>(mitte_.size()))
    return rechts - mitte_[static_cast<std::size_t>(schritt - anfang_)];
  return Weitergehen(rechts, ende, schritt, breite);
}

double TEquivolumeZeichnung::IndexX(const TChart_WPChart& chart, int i) const {
  return Position(chart, i, chart.LetzterIndex(),
                  [&](int j) { return Breite(chart, &Satz(chart, j)); });
}

double TEquivolumeZeichnung::TagX(const TChart_WPChart& chart, Boersentag d) const {
  const TKurse& kurse = chart.Wertpapier()->Kurse;
  return Position(chart, d, chart.Ende(), [&](int t) { return Breite(chart, kurse.Suche(t)); });
}

void TEquivolumeZeichnung::Zeichne(TChart_WPChart& chart, TGrafikfenster& f) const {
  double max, min;
  if (!HochTiefBereich(chart, max, min)) return;
  chart.Wertachse(f, false, max, min);
  f.SetzeStiftFarbe(kSchwarz);
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.SetzeStiftBreite(1);
  f.PinselLeer();
  const bool kalender = chart.Modus() == TChart_WPChart::TModus::Kalender;
  const double faktor = chart.Geometrie().UmsatzFaktor;
  std::optional<int> vorherNachbar;  // the index or date that would touch the last box
  int vorherRechts = 0;
  const int bis = chart.LetzterIndex();
  for (int i = chart.ErsterIndex(); i <= bis; ++i) {
    const TKurs& k = Satz(chart, i);
    if (k.Hoch == 0 || k.Tief == 0 || k.Umsatz == 0) continue;
    const std::optional<int> x = chart.IndexZuX(i);
    if (!x) continue;
    const int hw = PixelRunden(k.Umsatz * faktor * 0.5);
    const int schluessel = kalender ? k.Datum : i;
    const int links = vorherNachbar == schluessel ? vorherRechts : *x - hw;
    const int rechts = *x + hw;
    f.Rechteck(links, chart.WertZuY(k.Hoch), rechts, chart.WertZuY(k.Tief));
    vorherNachbar = schluessel + 1;
    vorherRechts = rechts;
  }
}

}  // namespace

std::unique_ptr<TKurszeichnung> NeueEquivolumeZeichnung() {
  return std::make_unique<TEquivolumeZeichnung>();
}

}  // namespace morvane
