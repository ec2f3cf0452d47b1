#include "indicators/indikatorzeichnen.h"

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

bool TIndikatorZeichnen::LinienAngezeigt() const {
  return indikator_.Anzeige == 1 || indikator_.Anzeige == 2;
}

bool TIndikatorZeichnen::SignalAngezeigt() const {
  return indikator_.Anzeige == 2 || indikator_.Anzeige == 3;
}

void TIndikatorZeichnen::Linie(TFarbe farbe, bool zonen, std::string_view einheit, double max,
                               double min, const TZeitreihe* reihe) {
  if (!reihe) return;
  if (max == kPreisachse && min == kPreisachse) {
    Verlauf(f_, chart_, farbe, *reihe, [this](double wert) { return chart_.WertZuY(wert); });
    return;
  }
  if (max == 0 && min == 0) {
    const std::optional<TWertebereich> bereich = Wertebereich(reihe, chart_);
    if (!bereich) return;
    LinieAufSkala(farbe, zonen, einheit, *bereich, reihe);
    return;
  }
  LinieAufSkala(farbe, zonen, einheit, TWertebereich{min, max}, reihe);
}

void TIndikatorZeichnen::LinieAufSkala(TFarbe farbe, bool zonen, std::string_view einheit,
                                       TWertebereich bereich, const TZeitreihe* reihe) {
  if (!reihe) return;
  if (!skalaGezeichnet_) {
    chart_.Skalenachse(f_, einheit, farbe, bereich.Max, bereich.Min);
    if (zonen) chart_.Bandlinien(f_, indikator_.ExtremzoneUnten, farbe);
    skalaGezeichnet_ = true;
  }
  Verlauf(f_, chart_, farbe, *reihe,
          [&](double wert) { return chart_.SkalaZuY(bereich.Max, bereich.Min, wert); });
}

void TIndikatorZeichnen::Legende(std::string_view text, TFarbe farbe) {
  chart_.Legende(f_, text, farbe);
}

bool TIndikatorZeichnen::SignalUndOszillatorZeichnen(bool oszillator) {
  if (SignalAngezeigt()) SignalverlaufZeichnen();
  if (!LinienAngezeigt()) return false;
  if (oszillator) OszillatorZeichnen();
  return true;
}

void TIndikatorZeichnen::OszillatorZeichnen() {
  Linie(kBlau, true, "P.", 100, 0, indikator_.Oszillator());
  Legende("Oszillator", kBlau);
}

void TIndikatorZeichnen::SignalverlaufZeichnen() {
  Linie(kRot, false, "%", 100, -100, indikator_.Signal());
  Legende("Signalverlauf", kRot);
}

void TIndikatorZeichnen::IntensitaetZeichnen() {
  Linie(kRot, false, "%", 100, 0, indikator_.Signal());
  Legende("Trendintensität", kRot);
}

void TIndikatorZeichnen::Hilfslinie(const TIndLinie& linie) {
  Linie(linie.Farbe, false, linie.Einheit, 0, 0, linie.Reihe);
  Legende(linie.Legende, linie.Farbe);
}

void TIndikatorZeichnen::Preislinie(const TIndLinie& linie) {
  Linie(linie.Farbe, false, {}, kPreisachse, kPreisachse, linie.Reihe);
  Legende(linie.Legende, linie.Farbe);
}

void TIndikatorZeichnen::LinienAufSkala(std::span<const TIndLinie> linien, TWertebereich bereich) {
  for (const TIndLinie& linie : linien) {
    LinieAufSkala(linie.Farbe, false, linie.Einheit, bereich, linie.Reihe);
    Legende(linie.Legende, linie.Farbe);
  }
}

}  // namespace morvane
