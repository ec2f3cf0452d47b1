#include <algorithm>
#include <cmath>

#include "indicators/indikator.h"

namespace morvane {

namespace {

// The value of the series at the date when it has a finite one.
std::optional<double> Endlich(const TZeitreihe& reihe, Boersentag d) {
  const std::optional<double> wert = reihe.Lesen(d);
  if (!wert || !std::isfinite(*wert)) return std::nullopt;
  return wert;
}

// Joins the points of the visible dates that have a value and an x position,
// with a solid pen of width 1; `zuY` maps a value to y. A date without a value
// is skipped, not a break.
template <class ZuY>
void Verlauf(TGrafikfenster& f, const TIndikatorChart& chart, TFarbe farbe, const TZeitreihe& reihe,
             ZuY zuY) {
  f.SetzeStiftFarbe(farbe);
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.SetzeStiftBreite(1);
  std::optional<TPunkt> letzter;
  const Boersentag von = std::max({chart.ErstesDatum(), reihe.Von(), Boersentag{1}});
  const Boersentag bis = std::min(chart.LetztesDatum(), reihe.Bis());
  for (Boersentag d = von; d <= bis; ++d) {
    const std::optional<double> wert = Endlich(reihe, d);
    if (!wert) continue;
    const std::optional<int> x = chart.DatumZuX(d);
    if (!x) continue;
    const TPunkt p{*x, zuY(*wert)};
    if (letzter) f.Linie(letzter->x, letzter->y, p.x, p.y);
    letzter = p;
  }
}

}  // namespace

std::optional<TWertebereich> Wertebereich(const TZeitreihe* reihe, const TIndikatorChart& chart) {
  if (!reihe) return std::nullopt;
  Boersentag von = reihe->Von();
  Boersentag bis = reihe->Bis();
  if (chart.GraphStrecken()) {
    von = std::max(von, chart.ErstesDatum());
    bis = std::min(bis, chart.LetztesDatum());
  }
  std::optional<TWertebereich> bereich;
  for (Boersentag d = von; d <= bis && d >= von; ++d) {
    const std::optional<double> wert = Endlich(*reihe, d);
    if (!wert) continue;
    const TWertebereich punkt{*wert, *wert};
    bereich = bereich ? Vereinigung(*bereich, punkt) : punkt;
  }
  return bereich;
}

TWertebereich Vereinigung(TWertebereich bereich, const std::optional<TWertebereich>& weiterer) {
  if (!weiterer) return bereich;
  return {std::min(bereich.Min, weiterer->Min), std::max(bereich.Max, weiterer->Max)};
}

std::optional<TWertebereich> GemeinsamerBereich(std::span<const TIndLinie> linien,
                                                const TIndikatorChart& chart) {
  std::optional<TWertebereich> gesamt;
  for (const TIndLinie& linie : linien) {
    const std::optional<TWertebereich> bereich = Wertebereich(linie.Reihe, chart);
    if (!bereich) return std::nullopt;
    gesamt = Vereinigung(gesamt.value_or(*bereich), bereich);
  }
  return gesamt;
}

void TIndikator::Linie(TGrafikfenster& f, TIndikatorChart& chart, TFarbe farbe, bool zonen,
                       std::string_view einheit, double max, double min, const TZeitreihe* reihe) {
  if (!reihe) return;
  if (max == kPreisachse && min == kPreisachse) {
    Verlauf(f, chart, farbe, *reihe, [&chart](double wert) { return chart.WertZuY(wert); });
    return;
  }
  if (max == 0 && min == 0) {
    const std::optional<TWertebereich> bereich = Wertebereich(reihe, chart);
    if (!bereich) return;
    LinieAufSkala(f, chart, farbe, zonen, einheit, *bereich, reihe);
    return;
  }
  LinieAufSkala(f, chart, farbe, zonen, einheit, TWertebereich{min, max}, reihe);
}

void TIndikator::LinieAufSkala(TGrafikfenster& f, TIndikatorChart& chart, TFarbe farbe, bool zonen,
                               std::string_view einheit, TWertebereich bereich,
                               const TZeitreihe* reihe) {
  if (!reihe) return;
  if (!SkalaGezeichnet) {
    chart.Skalenachse(f, einheit, farbe, bereich.Max, bereich.Min);
    if (zonen) chart.Bandlinien(f, ExtremzoneUnten, farbe);
    SkalaGezeichnet = true;
  }
  Verlauf(f, chart, farbe, *reihe,
          [&](double wert) { return chart.SkalaZuY(bereich.Max, bereich.Min, wert); });
}

bool TIndikator::SignalUndOszillatorZeichnen(TGrafikfenster& f, TIndikatorChart& chart,
                                             bool oszillator) {
  TIndikator::Zeichnen(f, chart);
  if (!LinienAngezeigt()) return false;
  if (oszillator) OszillatorZeichnen(f, chart);
  return true;
}

void TIndikator::OszillatorZeichnen(TGrafikfenster& f, TIndikatorChart& chart) {
  Linie(f, chart, kBlau, true, "P.", 100, 0, Oszillator());
  chart.Legende(f, "Oszillator", kBlau);
}

void TIndikator::SignalverlaufZeichnen(TGrafikfenster& f, TIndikatorChart& chart) {
  Linie(f, chart, kRot, false, "%", 100, -100, Signal());
  chart.Legende(f, "Signalverlauf", kRot);
}

void TIndikator::IntensitaetZeichnen(TGrafikfenster& f, TIndikatorChart& chart) {
  Linie(f, chart, kRot, false, "%", 100, 0, Signal());
  chart.Legende(f, "Trendintensität", kRot);
}

void TIndikator::Hilfslinie(TGrafikfenster& f, TIndikatorChart& chart, const TIndLinie& linie) {
  Linie(f, chart, linie.Farbe, false, linie.Einheit, 0, 0, linie.Reihe);
  chart.Legende(f, linie.Legende, linie.Farbe);
}

void TIndikator::Preislinie(TGrafikfenster& f, TIndikatorChart& chart, const TIndLinie& linie) {
  Linie(f, chart, linie.Farbe, false, {}, kPreisachse, kPreisachse, linie.Reihe);
  chart.Legende(f, linie.Legende, linie.Farbe);
}

void TIndikator::LinienAufSkala(TGrafikfenster& f, TIndikatorChart& chart,
                                std::span<const TIndLinie> linien, TWertebereich bereich) {
  for (const TIndLinie& linie : linien) {
    LinieAufSkala(f, chart, linie.Farbe, false, linie.Einheit, bereich, linie.Reihe);
    chart.Legende(f, linie.Legende, linie.Farbe);
  }
}

void TIndikator::Zeichnen(TGrafikfenster& f, TIndikatorChart& chart) {
  if (SignalAngezeigt()) SignalverlaufZeichnen(f, chart);
}

}  // namespace morvane
