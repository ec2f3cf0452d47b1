#include <algorithm>

#include "indicators/indikator.h"

namespace morvane {

namespace {

// Marks a scale given as max = min = -1: the line lies on the price axis.
constexpr double kPreisachse = -1;

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
    const std::optional<double> wert = reihe->Lesen(d);
    if (!wert) continue;
    if (!bereich) {
      bereich = TWertebereich{*wert, *wert};
    } else {
      bereich->Min = std::min(bereich->Min, *wert);
      bereich->Max = std::max(bereich->Max, *wert);
    }
  }
  return bereich;
}

void TIndikator::Linie(TGrafikfenster& f, TIndikatorChart& chart, TFarbe farbe, bool zonen,
                       std::string_view einheit, double max, double min, const TZeitreihe* reihe) {
  if (!reihe) return;
  const bool preisachse = max == kPreisachse && min == kPreisachse;
  if (max == 0 && min == 0) {
    const std::optional<TWertebereich> bereich = Wertebereich(reihe, chart);
    if (!bereich) return;
    max = bereich->Max;
    min = bereich->Min;
  }
  if (!preisachse && !SkalaGezeichnet) {
    chart.Skalenachse(f, einheit, farbe, max, min);
    if (zonen) chart.Bandlinien(f, ExtremzoneUnten, farbe);
    SkalaGezeichnet = true;
  }
  f.SetzeStiftFarbe(farbe);
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.SetzeStiftBreite(1);
  std::optional<TPunkt> letzter;
  const Boersentag bis = chart.LetztesDatum();
  for (Boersentag d = chart.ErstesDatum(); d <= bis && d > 0; ++d) {
    const std::optional<double> wert = reihe->Lesen(d);
    if (!wert) continue;
    const std::optional<int> x = chart.DatumZuX(d);
    if (!x) continue;
    const int y = preisachse ? chart.WertZuY(*wert) : chart.SkalaZuY(max, min, *wert);
    if (letzter) f.Linie(letzter->x, letzter->y, *x, y);
    letzter = TPunkt{*x, y};
  }
}

void TIndikator::OszillatorZeichnen(TGrafikfenster& f, TIndikatorChart& chart) {
  Linie(f, chart, kBlau, true, "P.", 100, 0, Oszillator());
  chart.Legende(f, "Oszillator", kBlau);
}

void TIndikator::Zeichnen(TGrafikfenster& f, TIndikatorChart& chart) {
  if (Anzeige != 2 && Anzeige != 3) return;
  Linie(f, chart, kRot, false, "%", 100, -100, Signal());
  chart.Legende(f, "Signalverlauf", kRot);
}

}  // namespace morvane
